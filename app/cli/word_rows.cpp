#include "app/cli/word_rows.h"

#include <algorithm>
#include <optional>
#include <utility>

#include "app/cli/console_texts.h"
#include "app/cli/delimited_rows.h"
#include "app/cli/word_lines.h"

namespace verbalo::cli {
namespace {

bool IsBlank(std::string_view text) {
    return std::ranges::all_of(text, [](char c) { return c == ' ' || c == '\t'; });
}

// The wording of each row's amount column, or why there is none.
class RowWorder {
  public:
    RowWorder(const RowOptions& options, const StyledWording& wording, Reporter& reporter)
        : column_(options.column), wording_(wording), reporter_(reporter) {}

    // The field to add to `row`, number `rowNumber` of the input, whose first row has `width`
    // fields: the wording, or empty. Valid until the next row's.
    std::string_view Field(const Row& row, std::size_t rowNumber, std::size_t width) {
        if (column_ > width) {  // not a column of the file
            reporter_.TellRow(rowNumber, {texts::kRowLacksColumn, DecimalText(column_)});
            return {};
        }
        if (!row.cell || IsBlank(*row.cell)) {
            return {};
        }
        const auto size = wording_.Compose(*row.cell, room_);
        if (!size) {
            // A misplaced grouping character may be the separator's fault: the amount is named.
            if (size.error() == WordingError::MisplacedGrouping) {
                reporter_.TellRow(rowNumber, {wording_.Refusal(*row.cell, size.error())});
            } else {
                reporter_.TellRow(rowNumber, {ErrorMessage(size.error())});
            }
            return {};
        }
        return {room_.data(), *size};
    }

  private:
    std::size_t column_;
    const StyledWording& wording_;
    Reporter& reporter_;
    WordingBuffer room_{};
};

}  // namespace

void WordRows(const RowOptions& options, const StyledWording& wording, LineInput& lines,
              BufferedOutput& answers, Reporter& reporter) {
    RowReader reader(lines, options.delimiter, options.column, answers);
    RowWorder worder(options, wording, reporter);
    std::optional<std::size_t> width;  // the fields of the first row
    bool headerAhead = options.header;
    Row row;
    // Empty lines are counted too: the numbers are those a spreadsheet shows.
    for (std::size_t rowNumber = 1; reader.Next(row); ++rowNumber) {
        switch (row.kind) {
            case Row::Kind::Empty:
                answers.Write(row.end);
                continue;
            case Row::Kind::TooLong:
                headerAhead = false;
                TellTooLong(reporter, rowNumber);
                continue;
            case Row::Kind::UnclosedQuote:
                headerAhead = false;
                reporter.TellRow(rowNumber, {texts::kRowUnclosedQuotes});
                answers.Write(row.text);
                continue;
            case Row::Kind::Fields:
                break;
        }
        width = width.value_or(row.fields);
        if (row.fields > *width) {
            reporter.TellRow(rowNumber, {texts::kRowHasFields, DecimalText(row.fields),
                                         texts::kRowMoreFieldsThan, DecimalText(*width),
                                         texts::kRowMoreFieldsEnd});
            answers.Write(row.text);
            answers.Write(row.end);
            continue;
        }
        const std::string_view field = std::exchange(headerAhead, false)
                                           ? texts::kWordingColumnName
                                           : worder.Field(row, rowNumber, *width);
        answers.Write(row.text);
        for (std::size_t padding = row.fields; padding <= *width; ++padding) {
            answers.Put(options.delimiter);
        }
        answers.Write(field);
        answers.Write(row.end);
    }
}

}  // namespace verbalo::cli
