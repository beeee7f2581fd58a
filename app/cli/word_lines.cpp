#include "app/cli/word_lines.h"

#include <algorithm>

#include "app/cli/console_texts.h"

namespace verbalo::cli {
namespace {

bool IsBlank(std::string_view text) {
    return std::ranges::all_of(text, [](char c) { return c == ' ' || c == '\t'; });
}

}  // namespace

void WordArguments(const StyledWording& wording, std::span<const std::string> amounts,
                   BufferedOutput& answers, Reporter& reporter) {
    for (const std::string& amount : amounts) {
        if (const auto error = wording.Answer(amount, "\n", answers)) {
            reporter.Tell({wording.Refusal(amount, *error)});
            answers.Put('\n');
        }
    }
}

void WordLines(const StyledWording& wording, LineInput& lines, BufferedOutput& answers,
               Reporter& reporter) {
    for (std::size_t lineNumber = 1;; ++lineNumber) {
        const std::optional<InputLine> line = lines.Next();
        if (!line) {
            break;
        }
        if (line->cut) {
            const std::string_view end = lines.RestOfLine(nullptr);
            TellTooLong(reporter, lineNumber);
            answers.Write(end);
        } else if (IsBlank(line->text)) {
            answers.Write(line->end);
        } else if (const auto error = wording.Answer(line->text, line->end, answers)) {
            reporter.TellRow(lineNumber, {wording.Refusal(line->text, *error)});
            answers.Write(line->end);
        }
    }
}

void TellTooLong(Reporter& reporter, std::size_t row) {
    reporter.TellRow(
        row, {texts::kLineTooLong, DecimalText(kMaxLineBytes >> 20), texts::kLineTooLongEnd});
}

}  // namespace verbalo::cli
