#include "app/cli/word_rows.h"

#include <istream>
#include <ostream>
#include <string>

#include "app/cli/answer_flush.h"
#include "app/cli/cli_run.h"
#include "app/cli/delimited_rows.h"
#include "resources/console_texts.h"
#include "wording/compose_wording.h"
#include "wording/letter_case.h"
#include "wording/word_tables.h"

namespace verbalo::cli {
namespace {

constexpr std::string_view kProgram = "verbalo-cli";

// Words the amount column of each row and tells on the error stream what went wrong with one.
class RowWorder {
  public:
    RowWorder(const CliOptions& options, char systemSeparator, std::ostream& err)
        : caseStyle_(options.caseStyle),
          separator_(options.separator.value_or(systemSeparator)),
          column_(options.rows->column),
          err_(err) {}

    // The field to append to `record`, row `rowNumber` of the input: the wording, or nothing.
    std::string WordingField(const Record& record, std::size_t rowNumber) {
        if (record.unclosedQuote) {
            Report(rowNumber, texts::kRowUnclosedQuotes);
        }
        if (record.fields.size() < column_) {
            Report(rowNumber, std::string(texts::kRowLacksColumn) + std::to_string(column_));
            return {};
        }
        const auto composed =
            ComposeWording(StandardWordTables(), record.fields[column_ - 1], separator_);
        if (!composed) {
            Report(rowNumber, ErrorMessage(composed.error()));
            return {};
        }
        return ApplyCaseStyle(composed->wording, caseStyle_).value_or(composed->wording);
    }

    // The header row is not worded; only its quotes can be wrong.
    void CheckHeader(const Record& record, std::size_t rowNumber) {
        if (record.unclosedQuote) {
            Report(rowNumber, texts::kRowUnclosedQuotes);
        }
    }

    int ExitCode() const { return anyReported_ ? kExitBadAmount : kExitOk; }

  private:
    void Report(std::size_t rowNumber, std::string_view reason) {
        err_ << kProgram << ": " << texts::kRowReport << rowNumber << ": " << reason << '\n';
        anyReported_ = true;
    }

    std::int16_t caseStyle_;
    char separator_;
    std::size_t column_;
    std::ostream& err_;
    bool anyReported_ = false;
};

}  // namespace

int WordRows(const CliOptions& options, char systemSeparator, std::istream& in, std::ostream& out,
             std::ostream& err) {
    const char delimiter = options.rows->delimiter;
    RowWorder worder(options, systemSeparator, err);
    RecordReader reader(in, delimiter);
    RecordWriter writer(out, delimiter);
    Record record;
    bool headerAhead = options.rows->header;
    // Empty lines are counted too: the numbers are those a spreadsheet shows.
    for (std::size_t rowNumber = 1;; ++rowNumber) {
        FlushWhenInputWaits(in, out);
        if (!reader.Next(record)) {
            break;
        }
        if (record.fields.empty()) {
            writer.Write(record);
            continue;
        }
        if (headerAhead) {
            headerAhead = false;
            worder.CheckHeader(record, rowNumber);
            record.fields.emplace_back(texts::kWordingColumnName);
        } else {
            record.fields.push_back(worder.WordingField(record, rowNumber));
        }
        writer.Write(record);
    }
    return worder.ExitCode();
}

}  // namespace verbalo::cli
