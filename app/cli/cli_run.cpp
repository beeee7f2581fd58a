#include "app/cli/cli_run.h"

#include <chrono>
#include <iomanip>
#include <istream>
#include <ostream>
#include <string>

#include "app/cli/buffered_output.h"
#include "app/cli/line_input.h"
#include "app/cli/styled_wording.h"
#include "app/cli/word_rows.h"
#include "easter/easter_date.h"
#include "platform/dialogs.h"
#include "resources/console_texts.h"
#include "resources/version.h"
#include "wording/compose_wording.h"

namespace verbalo::cli {
namespace {

// Words amounts one a line. A wording is composed right in the output's block and styled
// there: nothing is allocated or copied for an amount.
class AmountWorder {
  public:
    AmountWorder(const CliOptions& options, char systemSeparator, BufferedOutput& out,
                 std::ostream& err)
        : wording_(options, systemSeparator), out_(out), err_(err) {}

    void Word(std::string_view amountText) {
        const std::span<char> room = out_.Reserve(kWordingRoom + 1);
        const auto size = wording_.Compose(amountText, room.first<kWordingRoom>());
        if (!size) {
            out_.Flush();  // the message follows the wordings before it
            err_ << kProgramName << ": " << wording_.Refusal(amountText, size.error()) << '\n';
            anyFailed_ = true;
            return;
        }
        room[*size] = '\n';
        out_.Commit(*size + 1);
    }

    int ExitCode() const { return anyFailed_ ? kExitBadAmount : kExitOk; }

  private:
    StyledWording wording_;
    BufferedOutput& out_;
    std::ostream& err_;
    bool anyFailed_ = false;
};

// The program's message boxes, as lines on the error stream.
class ConsoleDialogs : public platform::Dialogs {
  public:
    explicit ConsoleDialogs(std::ostream& err) : err_(err) {}

    void ShowMessage(std::string_view text, Icon /*icon*/) override {
        err_ << kProgramName << ": " << text << '\n';
    }

  private:
    std::ostream& err_;
};

}  // namespace

std::string_view HelpText() {
    return texts::kConsoleHelp;
}

std::string_view VersionText() {
    return "verbalo-cli " VERBALO_VERSION_TEXT "\n";
}

int WordAmounts(const CliOptions& options, char systemSeparator, std::istream& in,
                std::ostream& out, std::ostream& err) {
    BufferedOutput answers(out);
    AmountWorder worder(options, systemSeparator, answers, err);
    if (!options.amounts.empty()) {
        for (const std::string& amount : options.amounts) {
            worder.Word(amount);
        }
        return worder.ExitCode();
    }
    LineInput lines(in.rdbuf(), &answers);
    while (const std::optional<InputLine> line = lines.Next()) {
        std::string_view text = line->text;
        if (text.ends_with('\r')) {
            text.remove_suffix(1);
        }
        worder.Word(text);
    }
    return worder.ExitCode();
}

int TellEaster(double year, std::ostream& out, std::ostream& err) {
    ConsoleDialogs dialogs(err);
    const auto easter = PasquaGregoriana(year, dialogs);
    if (!easter) {
        err << kProgramName << ": " << ErrorMessage(easter.error()) << '\n';
        return kExitNoEasterDate;
    }
    if (easter->IsZero()) {  // the dialog has told why
        return kExitNoEasterDate;
    }
    const std::chrono::year_month_day date = easter->YearMonthDay();
    out << std::setfill('0') << std::setw(2) << static_cast<unsigned>(date.day()) << '/'
        << std::setw(2) << static_cast<unsigned>(date.month()) << '/' << std::setw(4)
        << static_cast<int>(date.year()) << std::setfill(' ') << '\n';
    return kExitOk;
}

int RunCli(std::span<const std::string_view> args, const SystemNumberFormat& system,
           std::istream& in, std::ostream& out, std::ostream& err) {
    const auto options = ParseCommandLine(args);
    if (!options) {
        err << kProgramName << ": " << options.error() << '\n' << texts::kConsoleTryHelp << '\n';
        return kExitUsage;
    }
    const SeparatorInForce inForce = ChooseSeparator(options->separator, system);
    if (options->showHelp) {
        out << HelpText() << SeparatorInForceLine(inForce);
        return kExitOk;
    }
    if (options->showVersion) {
        out << VersionText();
        return kExitOk;
    }
    if (options->easterYear) {
        return TellEaster(*options->easterYear, out, err);
    }
    if (options->rows) {
        return WordRows(*options, inForce.separator, in, out, err);
    }
    return WordAmounts(*options, inForce.separator, in, out, err);
}

}  // namespace verbalo::cli
