// When the command line's answers leave the program: at once for a person typing, in large
// writes for a pipe or a file that has more lines waiting.
#include <gtest/gtest.h>

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "app/cli/cli_run.h"
#include "tests/support/cli_on_strings.h"

namespace verbalo::cli {
namespace {

// An output that counts the writes it is given, as a pipe's reader would see them.
class DeliveredOutput : public testing::StringSink {
  public:
    bool Write(std::string_view bytes) override {
        deliveries += bytes.empty() ? 0 : 1;
        return StringSink::Write(bytes);
    }
    int deliveries = 0;
};

// An input typed by a person: one line at a time, nothing more ready until it is asked for.
// Notes what the output had received by the time each line was asked for.
class TypedInput : public ByteSource {
  public:
    TypedInput(std::vector<std::string> lines, const DeliveredOutput& output)
        : lines_(std::move(lines)), output_(output) {}
    const std::vector<std::string>& DeliveredAtEachRead() const { return deliveredAtEachRead_; }

    std::optional<std::size_t> Read(std::span<char> buffer) override {
        if (current_.empty()) {
            deliveredAtEachRead_.push_back(output_.text);
            if (next_ == lines_.size()) {
                return 0;
            }
            current_ = lines_[next_++];
        }
        const std::size_t size = std::min(buffer.size(), current_.size());
        std::copy_n(current_.begin(), size, buffer.begin());
        current_.erase(0, size);
        return size;
    }
    bool WouldWait() override { return current_.empty(); }

  private:
    std::vector<std::string> lines_;
    const DeliveredOutput& output_;
    std::string current_;
    std::size_t next_ = 0;
    std::vector<std::string> deliveredAtEachRead_;
};

std::vector<std::string> DeliveredAtEachRead(std::span<const std::string_view> args,
                                             std::vector<std::string> typedLines) {
    DeliveredOutput delivered;
    TypedInput typed(std::move(typedLines), delivered);
    testing::StringSink err;
    testing::NoFiles files;
    RunCli(args, {.decimalSeparator = "."}, {typed, delivered, err, files});
    return typed.DeliveredAtEachRead();
}

TEST(AnswerFlush, APersonTypingSeesEachAnswerBeforeTheNextLineIsAskedFor) {
    const std::array<std::string_view, 2> args{"--separator", ","};
    const std::vector<std::string> expected{"", "Ventuno / 00\n", "Ventuno / 00\n\n",
                                            "Ventuno / 00\n\nDodici / 50\n"};
    EXPECT_EQ(DeliveredAtEachRead(args, {"21\n", "abc\n", "12,5\n"}), expected);
}

TEST(AnswerFlush, EachRowIsAnsweredBeforeTheNextRowIsAskedFor) {
    const std::array<std::string_view, 4> args{"--column", "2", "--separator", ","};
    const std::string first = "Rossi;21;Ventuno / 00\n";
    const std::string second = "\"Via\nRoma\";abc;\n";
    // The second line only continues a row: nothing is answered before it is read.
    const std::vector<std::string> expected{"", first, first, first + second,
                                            first + second + "x;12,5;Dodici / 50\n"};
    EXPECT_EQ(DeliveredAtEachRead(args, {"Rossi;21\n", "\"Via\n", "Roma\";abc\n", "x;12,5\n"}),
              expected);
}

TEST(AnswerFlush, AnInputWithLinesWaitingIsAnsweredInOneWrite) {
    std::string lines;
    for (int i = 0; i < 100; ++i) {
        lines += "21\n";
    }
    testing::StringSource ready(lines);
    DeliveredOutput delivered;
    testing::StringSink err;
    testing::NoFiles files;
    RunCli({}, {.decimalSeparator = "."}, {ready, delivered, err, files});
    EXPECT_EQ(delivered.deliveries, 1);
    EXPECT_EQ(delivered.text.size(), 100 * std::string_view("Ventuno / 00\n").size());
}

}  // namespace
}  // namespace verbalo::cli
