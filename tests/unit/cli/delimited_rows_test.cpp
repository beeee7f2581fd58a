// Reading rows of delimited text: quotes, fields over lines, line ends, rows too long to hold.
#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "app/cli/delimited_rows.h"
#include "tests/support/cli_on_strings.h"

namespace verbalo::cli {
namespace {

struct Reading {
    std::string_view input;
    std::string_view rows;
    char delimiter = ';';
};

// Each row as its number of fields, the text of column 2 in <>, and its line end escaped;
// an empty line as "E", a row whose quote was left open as "U{its text}", a row too long to
// hold as "L". What the reader passed on is added after "=>".
std::string ReadAll(std::string input, char delimiter = ';') {
    testing::StringSource source(std::move(input), 1000);
    testing::StringSink passedOn;
    std::string rows;
    {
        BufferedOutput out(passedOn);
        LineInput lines(source);
        RowReader reader(lines, delimiter, 2, out);
        for (Row row; reader.Next(row);) {
            switch (row.kind) {
                case Row::Kind::Empty:
                    rows += "E";
                    break;
                case Row::Kind::UnclosedQuote:
                    rows += "U{" + std::string(row.text) + "}";
                    break;
                case Row::Kind::TooLong:
                    rows += "L";
                    break;
                case Row::Kind::Fields:
                    rows += std::to_string(row.fields);
                    rows += row.cell ? "<" + std::string(*row.cell) + ">" : "";
            }
            rows += row.end == "\r\n" ? "\\r\\n|" : row.end == "\n" ? "\\n|" : "|";
        }
    }
    return passedOn.text.empty() ? rows : rows + "=>" + passedOn.text;
}

class RowReading : public ::testing::TestWithParam<Reading> {};

TEST_P(RowReading, CountsFieldsAndTakesTheColumnOutOfItsQuotes) {
    EXPECT_EQ(ReadAll(std::string(GetParam().input), GetParam().delimiter), GetParam().rows)
        << ::testing::PrintToString(std::string(GetParam().input));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, RowReading,
    ::testing::Values(Reading{"a;;c\n", "3<>\\n|"}, Reading{"a,b;c\n", "2<b;c>\\n|", ','},
                      Reading{"a\tb,c;d\n", "2<b,c;d>\\n|", '\t'}, Reading{"caffè;€\n", "2<€>\\n|"},
                      Reading{"\"x;y\";z\n", "2<z>\\n|"},
                      Reading{"x;\"a \"\"b\"\"\";\"\"\n", "3<a \"b\">\\n|"},
                      Reading{"Rossi,\"1234,5\"\n", "2<1234,5>\\n|", ','},
                      Reading{"\"two\nlines\";1\r\nnext", "2<1>\\r\\n|1|"},
                      Reading{"x;\"cr\r\nlf\";\"end\"\r\n", "3<cr\r\nlf>\\r\\n|"},
                      Reading{"ab\"c;\"d\"e\"f\n", "2<de\"f>\\n|"},
                      Reading{"\n\r\nx\n\"\"\n", "E\\n|E\\r\\n|1\\n|1\\n|"},
                      Reading{"a\rb;c\r", "2<c\r>|"},
                      Reading{"a;1\n\"b;2\r\n", "2<1>\\n|U{\"b;2\r\n}|"},
                      Reading{"a;\"", "U{a;\"}|"}, Reading{"", ""}));

// A line longer than the limit, or a quoted field that takes the row past it, is passed on as
// it was read; reading goes on at the next line.
TEST(RowReading, PassesOnARowTooLongToHold) {
    const std::string longLine(kMaxLineBytes + 1, 'x');
    EXPECT_EQ(ReadAll(longLine + "\r\nz;5\n"), "L|2<5>\\n|=>" + longLine + "\r\n");
    const std::string longField =
        "a;\"" + std::string(kMaxLineBytes - 10, 'y') + "\n" + std::string(20, 'y') + "\";5\n";
    EXPECT_EQ(ReadAll(longField + "q;6"), "L|2<6>|=>" + longField);
    const std::string justFits = "a;" + std::string(kMaxLineBytes - 3, 'y') + "\r";
    EXPECT_EQ(ReadAll(justFits + "\n"), "2<" + justFits.substr(2, kMaxLineBytes - 3) + ">\\r\\n|");
}

}  // namespace
}  // namespace verbalo::cli
