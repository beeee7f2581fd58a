#include "app/cli/word_rows.h"

#include <istream>
#include <ostream>
#include <string>

#include "app/cli/buffered_output.h"
#include "app/cli/cli_run.h"
#include "app/cli/delimited_rows.h"
#include "app/cli/styled_wording.h"
#include "resources/console_texts.h"

namespace verbalo::cli {
namespace {

// Words the amount column of each row and tells on the error stream what went wrong with one,
// after the rows before it.
class RowWorder {
  public:
    RowWorder(const CliOptions& options, char systemSeparator, BufferedOutput& out,
              std::ostream& err)
        : wording_(options, systemSeparator), column_(options.rows->column), out_(out), err_(err) {}

    // The field to append to `record`, row `rowNumber` of the input: the wording, or nothing.
    // It stays valid until the next row's.
    std::string_view WordingField(const Record& record, std::size_t rowNumber) {
        CheckQuotes(record, rowNumber);
        if (record.fields.size() < column_) {
            Report(rowNumber, std::string(texts::kRowLacksColumn) + std::to_string(column_));
            return {};
        }
        const auto size = wording_.Compose(record.fields[column_ - 1], room_);
        if (!size) {
            // A misplaced grouping character may be the separator's fault: the amount is named.
            Report(rowNumber, size.error() == WordingError::MisplacedGrouping
                                  ? wording_.Refusal(record.fields[column_ - 1], size.error())
                                  : std::string(ErrorMessage(size.error())));
            return {};
        }
        return {room_.data(), *size};
    }

    // Reports quotes the row left open. (All there is to check of the header row, which is not
    // worded.)
    void CheckQuotes(const Record& record, std::size_t rowNumber) {
        if (record.unclosedQuote) {
            Report(rowNumber, texts::kRowUnclosedQuotes);
        }
    }

    int ExitCode() const { return anyReported_ ? kExitBadAmount : kExitOk; }

  private:
    void Report(std::size_t rowNumber, std::string_view reason) {
        out_.Flush();
        err_ << kProgramName << ": " << texts::kRowReport << rowNumber << ": " << reason << '\n';
        anyReported_ = true;
    }

    StyledWording wording_;
    WordingBuffer room_;
    std::size_t column_;
    BufferedOutput& out_;
    std::ostream& err_;
    bool anyReported_ = false;
};

}  // namespace

int WordRows(const CliOptions& options, char systemSeparator, std::istream& in, std::ostream& out,
             std::ostream& err) {
    const char delimiter = options.rows->delimiter;
    BufferedOutput answers(out);
    RowWorder worder(options, systemSeparator, answers, err);
    RecordReader reader(in.rdbuf(), delimiter, &answers);
    RecordWriter writer(answers, delimiter);
    Record record;
    bool headerAhead = options.rows->header;
    // Empty lines are counted too: the numbers are those a spreadsheet shows.
    for (std::size_t rowNumber = 1;; ++rowNumber) {
        if (!reader.Next(record)) {
            break;
        }
        if (record.fields.empty()) {
            writer.Write(record);
            continue;
        }
        if (headerAhead) {
            headerAhead = false;
            worder.CheckQuotes(record, rowNumber);
            writer.Write(record, texts::kWordingColumnName);
        } else {
            writer.Write(record, worder.WordingField(record, rowNumber));
        }
    }
    return worder.ExitCode();
}

}  // namespace verbalo::cli
