// Reading and writing rows of delimited text, quotes and line ends included.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "app/cli/delimited_rows.h"

namespace verbalo::cli {
namespace {

// Each record as "[BOM]" for the lead, each field in <>, the line end escaped, "!open" when its
// quotes were left open.
std::string ReadAll(std::string_view input, char delimiter) {
    std::istringstream in{std::string(input)};
    RecordReader reader(in.rdbuf(), delimiter);
    std::string records;
    for (Record record; reader.Next(record);) {
        records += record.lead.empty() ? "" : "[BOM]";
        for (const std::string& field : record.fields) {
            records += "<" + field + ">";
        }
        records += record.lineEnd == "\r\n" ? "\\r\\n" : (record.lineEnd == "\n" ? "\\n" : "");
        records += record.unclosedQuote ? "!open|" : "|";
    }
    return records;
}

struct Reading {
    std::string_view input;
    std::string_view records;
    char delimiter = ';';
};

class RecordReading : public testing::TestWithParam<Reading> {};

TEST_P(RecordReading, SplitsFieldsAndKeepsWhatSurroundsThem) {
    EXPECT_EQ(ReadAll(GetParam().input, GetParam().delimiter), GetParam().records)
        << testing::PrintToString(std::string(GetParam().input));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, RecordReading,
    testing::Values(Reading{"a;;c\n", "<a><><c>\\n|"}, Reading{"a,b;c\n", "<a><b;c>\\n|", ','},
                    Reading{"a\tb,c;d\n", "<a><b,c;d>\\n|", '\t'},
                    Reading{"caffè;€\n", "<caffè><€>\\n|"}, Reading{"\"x;y\";z\n", "<x;y><z>\\n|"},
                    Reading{"\"a \"\"b\"\"\";\"\"\n", "<a \"b\"><>\\n|"},
                    Reading{"Rossi,\"1234,5\"\n", "<Rossi><1234,5>\\n|", ','},
                    Reading{"\"two\nlines\";1\r\nnext", "<two\nlines><1>\\r\\n|<next>|"},
                    Reading{"\"cr\r\nlf\";\"end\"\r\n", "<cr\r\nlf><end>\\r\\n|"},
                    Reading{"ab\"c;\"d\"e\"f\n", "<ab\"c><de\"f>\\n|"},
                    Reading{"\n\r\nx\n\"\"\n", "\\n|\\r\\n|<x>\\n|<>\\n|"},
                    Reading{"a\rb;c\r", "<a\rb><c\r>|"},
                    Reading{"\xEF\xBB\xBF\"q\"\r\n", "[BOM]<q>\\r\\n|"},
                    Reading{"\xEF\xBB\xBF", "[BOM]|"},
                    Reading{"x\n\xEF\xBB\xBFy", "<x>\\n|<\xEF\xBB\xBFy>|"},
                    Reading{"a;1\n\"b;2\r\n", "<a><1>\\n|<b;2\r\n>!open|"},
                    Reading{"a;\"", "<a><>!open|"}, Reading{"", ""}));

struct Writing {
    std::vector<std::string> fields;
    std::string_view text;
    char delimiter = ';';
};

class RecordWriting : public testing::TestWithParam<Writing> {};

TEST_P(RecordWriting, QuotesOnlyTheFieldsThatNeedIt) {
    std::ostringstream out;
    {
        BufferedOutput buffered(out);
        RecordWriter(buffered, GetParam().delimiter)
            .Write({.fields = GetParam().fields, .lineEnd = "\n"});
    }
    EXPECT_EQ(out.str(), std::string(GetParam().text) + "\n");
}

INSTANTIATE_TEST_SUITE_P(Fields, RecordWriting,
                         testing::Values(Writing{{"a", "1,50", ""}, "a;1,50;"},
                                         Writing{{"1,50", "x;y"}, "\"1,50\",x;y", ','},
                                         Writing{{"a\tb", "c;d"}, "\"a\tb\"\tc;d", '\t'},
                                         Writing{{"x;y", "say \"hi\"", "a\nb", "c\rd"},
                                                 "\"x;y\";\"say \"\"hi\"\"\";\"a\nb\";\"c\rd\""},
                                         Writing{{""}, "\"\""},
                                         Writing{{"\xEF\xBB\xBFx", "\xEF\xBB\xBF"},
                                                 "\"\xEF\xBB\xBFx\";\xEF\xBB\xBF"}));

}  // namespace
}  // namespace verbalo::cli

namespace verbalo::cli {
namespace {

// Fields of every length up to forty with one character at every place (the check for quoting
// looks at eight bytes at a time): quoted exactly when that character needs it.
TEST(RecordWriting, QuotesAFieldWhereverTheCharacterThatNeedsItStands) {
    for (const char delimiter : {';', ',', '\t'}) {
        for (const char c : {delimiter, '"', '\r', '\n', 'x', ';', ',', '\t', '\xC3'}) {
            const bool needsQuotes = c == delimiter || c == '"' || c == '\r' || c == '\n';
            for (std::size_t length = 1; length <= 40; ++length) {
                for (std::size_t at = 0; at < length; ++at) {
                    std::string field(length, 'a');
                    field[at] = c;
                    std::ostringstream out;
                    {
                        BufferedOutput buffered(out);
                        RecordWriter(buffered, delimiter).Write({.fields = {field}});
                    }
                    ASSERT_EQ(out.str().front() == '"', needsQuotes)
                        << testing::PrintToString(field) << " with " << static_cast<int>(delimiter);
                }
            }
        }
    }
}

}  // namespace
}  // namespace verbalo::cli
