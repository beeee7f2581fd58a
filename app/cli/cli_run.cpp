#include "app/cli/cli_run.h"

#include <array>
#include <chrono>
#include <memory>
#include <new>
#include <string>

#include "app/cli/buffered_output.h"
#include "app/cli/console_texts.h"
#include "app/cli/line_input.h"
#include "app/cli/reporter.h"
#include "app/cli/styled_wording.h"
#include "app/cli/text_encoding.h"
#include "app/cli/word_lines.h"
#include "app/cli/word_rows.h"
#include "easter/easter_date.h"
#include "platform/dialogs.h"
#include "resources/version.h"

namespace verbalo::cli {
namespace {

constexpr std::string_view kVersionText = "verbalo-cli " VERBALO_VERSION_TEXT "\n";

// The program's message boxes, as lines on the error stream.
class ConsoleDialogs : public platform::Dialogs {
  public:
    explicit ConsoleDialogs(Reporter& reporter) : reporter_(reporter) {}

    void ShowMessage(std::string_view text, Icon /*icon*/) override { reporter_.Tell({text}); }

  private:
    Reporter& reporter_;
};

// Easter Sunday of `year` as dd/mm/yyyy ("31/03/2024"). A year before 1900 or after 9999 gives
// no date: its message goes to the error stream.
int TellEaster(double year, ByteSink& out, Reporter& reporter) {
    ConsoleDialogs dialogs(reporter);
    const auto easter = PasquaGregoriana(year, dialogs);
    if (!easter) {
        reporter.Tell({ErrorMessage(easter.error())});
        return kExitNoEasterDate;
    }
    if (easter->IsZero()) {  // the dialog has told why
        return kExitNoEasterDate;
    }
    const std::chrono::year_month_day date = easter->YearMonthDay();
    const auto digits = [](unsigned value, char* at, int count) {
        for (int i = count - 1; i >= 0; --i, value /= 10) {
            at[i] = static_cast<char>('0' + value % 10);
        }
    };
    std::array<char, 11> text{'d', 'd', '/', 'm', 'm', '/', 'y', 'y', 'y', 'y', '\n'};
    digits(static_cast<unsigned>(date.day()), text.data(), 2);
    digits(static_cast<unsigned>(date.month()), text.data() + 3, 2);
    digits(static_cast<unsigned>(static_cast<int>(date.year())), text.data() + 6, 4);
    out.Write({text.data(), text.size()});
    return kExitOk;
}

// Words the lines or rows of `in` into `out` in the input's own encoding. Returns the exit
// status, kExitInputOutput when the input could not be read or the answers written.
int WordInput(const CliOptions& options, const StyledWording& wording, ByteSource& in,
              ByteSink& out, ByteSink& err, std::string_view inputName,
              std::string_view outputName) {
    DecodedInput input(in);
    EncodedOutput encoded(out, input.Encoding());
    bool anyTold = false;
    bool readFailed = false;
    bool written = false;
    {
        BufferedOutput answers(encoded);
        Reporter reporter(err, &answers);
        LineInput lines(input, &answers);
        if (options.rows) {
            WordRows(*options.rows, wording, lines, answers, reporter);
        } else {
            WordLines(wording, lines, answers, reporter);
        }
        anyTold = reporter.AnyTold();
        readFailed = lines.ReadFailed();
        written = answers.Flush();
    }
    if (const std::optional<char> odd = input.OddByte()) {
        written = encoded.WriteRaw({&*odd, 1}) && written;
    }
    Reporter reporter(err);
    if (readFailed) {
        reporter.Tell({texts::kCannotRead, inputName});
    }
    if (!written) {
        reporter.Tell({texts::kCannotWrite, outputName});
    }
    return readFailed || !written ? kExitInputOutput : anyTold ? kExitBadAmount : kExitOk;
}

// A usage error: its reason, and where to read how the program is used.
int TellUsage(ByteSink& err, std::string_view reason) {
    Reporter(err).Tell({reason});
    err.Write(texts::kConsoleTryHelp);
    err.Write("\n");
    return kExitUsage;
}

// A file's name as a message quotes it.
std::string Quoted(std::string_view path) {
    return "\"" + std::string(path) + "\"";
}

// Runs what the options ask for, its answers to `out`.
int RunOptions(const CliOptions& options, const SeparatorInForce& inForce, ByteSource& in,
               ByteSink& out, ByteSink& err, std::string_view inputName,
               std::string_view outputName) {
    if (options.showHelp) {
        const std::string separatorLine = SeparatorInForceLine(inForce);
        return out.Write(texts::kConsoleHelp) && out.Write(separatorLine) ? kExitOk
                                                                          : kExitInputOutput;
    }
    if (options.showVersion) {
        return out.Write(kVersionText) ? kExitOk : kExitInputOutput;
    }
    Reporter reporter(err);
    if (options.easterYear) {
        return TellEaster(*options.easterYear, out, reporter);
    }
    const StyledWording wording(options, inForce.separator);
    if (options.amounts.empty()) {
        return WordInput(options, wording, in, out, err, inputName, outputName);
    }
    {
        BufferedOutput answers(out);
        Reporter amountReporter(err, &answers);
        WordArguments(wording, options.amounts, answers, amountReporter);
        if (answers.Flush()) {
            return amountReporter.AnyTold() ? kExitBadAmount : kExitOk;
        }
    }
    reporter.Tell({texts::kCannotWrite, outputName});
    return kExitInputOutput;
}

// Opens the files the options name and runs them; the --output file is put in place when the
// run has written all of it.
int RunWithFiles(const CliOptions& options, const SeparatorInForce& inForce,
                 const CliStreams& streams) {
    Reporter reporter(streams.err);
    const std::string inputName =
        options.inputPath ? Quoted(*options.inputPath) : std::string(texts::kStandardInput);
    const std::string outputName =
        options.outputPath ? Quoted(*options.outputPath) : std::string(texts::kStandardOutput);
    if (options.inputPath && options.outputPath &&
        streams.files.SameFile(*options.inputPath, *options.outputPath)) {
        return TellUsage(streams.err, texts::kOutputIsInput);
    }
    std::unique_ptr<ByteSource> inputFile;
    if (options.inputPath) {
        auto opened = streams.files.OpenInput(*options.inputPath);
        if (!opened) {
            reporter.Tell({texts::kCannotRead, inputName, ": ", opened.error()});
            return kExitInputOutput;
        }
        inputFile = std::move(*opened);
    }
    std::unique_ptr<OutputFile> outputFile;
    if (options.outputPath) {
        auto created = streams.files.CreateOutput(*options.outputPath);
        if (!created) {
            reporter.Tell({texts::kCannotWrite, outputName, ": ", created.error()});
            return kExitInputOutput;
        }
        outputFile = std::move(*created);
    }
    ByteSource& in = inputFile ? *inputFile : streams.in;
    ByteSink& out = outputFile ? static_cast<ByteSink&>(*outputFile) : streams.out;
    const int code = RunOptions(options, inForce, in, out, streams.err, inputName, outputName);
    if (outputFile && code != kExitInputOutput) {
        if (const auto failure = outputFile->Commit()) {
            reporter.Tell(
                {texts::kCannotWrite, outputName, ": ", *failure, texts::kOutputLeftAsItWas});
            return kExitInputOutput;
        }
    }
    return code;
}

}  // namespace

int RunCli(std::span<const std::string_view> args, const SystemNumberFormat& system,
           const CliStreams& streams) {
    try {
        const auto options = ParseCommandLine(args);
        if (!options) {
            return TellUsage(streams.err, options.error());
        }
        return RunWithFiles(*options, ChooseSeparator(options->separator, system), streams);
    } catch (const std::bad_alloc&) {
        // The answers so far have been flushed on the way here; an --output file is dropped.
        Reporter(streams.err).Tell({texts::kOutOfMemory});
        return kExitInputOutput;
    }
}

}  // namespace verbalo::cli
