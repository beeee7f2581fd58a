// When the command line's answers leave the program: at once for a person typing, in large
// writes for a pipe or a file that has more lines waiting.
#include <gtest/gtest.h>

#include <array>
#include <istream>
#include <ostream>
#include <span>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "app/cli/cli_run.h"

namespace verbalo::cli {
namespace {

// An output that, like a pipe, receives only what is flushed or overflows its buffer.
class DeliveredOutput : public std::streambuf {
  public:
    DeliveredOutput() { setp(buffer_.data(), buffer_.data() + buffer_.size()); }
    const std::string& Delivered() const { return delivered_; }
    int Deliveries() const { return deliveries_; }

  protected:
    int_type overflow(int_type c) override {
        Deliver();
        if (!traits_type::eq_int_type(c, traits_type::eof())) {
            sputc(traits_type::to_char_type(c));
        }
        return traits_type::not_eof(c);
    }
    int sync() override {
        Deliver();
        return 0;
    }

  private:
    void Deliver() {
        if (pptr() != pbase()) {
            delivered_.append(pbase(), pptr());
            ++deliveries_;
            setp(buffer_.data(), buffer_.data() + buffer_.size());
        }
    }
    std::array<char, 4096> buffer_{};
    std::string delivered_;
    int deliveries_ = 0;
};

// An input typed by a person: one line at a time, nothing more ready until it is asked for.
// Notes what the output had received by the time each line was asked for.
class TypedInput : public std::streambuf {
  public:
    TypedInput(std::vector<std::string> lines, const DeliveredOutput& output)
        : lines_(std::move(lines)), output_(output) {}
    const std::vector<std::string>& DeliveredAtEachRead() const { return deliveredAtEachRead_; }

  protected:
    int_type underflow() override {
        deliveredAtEachRead_.push_back(output_.Delivered());
        if (next_ == lines_.size()) {
            return traits_type::eof();
        }
        current_ = lines_[next_++];
        setg(current_.data(), current_.data(), current_.data() + current_.size());
        return traits_type::to_int_type(current_.front());
    }

  private:
    std::vector<std::string> lines_;
    const DeliveredOutput& output_;
    std::string current_;
    std::size_t next_ = 0;
    std::vector<std::string> deliveredAtEachRead_;
};

TEST(AnswerFlush, APersonTypingSeesEachAnswerBeforeTheNextLineIsAskedFor) {
    DeliveredOutput delivered;
    TypedInput typed({"21\n", "abc\n", "12,5\n"}, delivered);
    std::istream in(&typed);
    std::ostream out(&delivered);
    std::ostream err(nullptr);
    const std::array<std::string_view, 2> args{"--separator", ","};
    RunCli(args, {.decimalSeparator = "."}, in, out, err);
    const std::vector<std::string> expected{"", "Ventuno / 00\n", "Ventuno / 00\n",
                                            "Ventuno / 00\nDodici / 50\n"};
    EXPECT_EQ(typed.DeliveredAtEachRead(), expected);
}

TEST(AnswerFlush, EachRowIsAnsweredBeforeTheNextRowIsAskedFor) {
    DeliveredOutput delivered;
    TypedInput typed({"Rossi;21\n", "\"Via\n", "Roma\";abc\n", "x;12,5\n"}, delivered);
    std::istream in(&typed);
    std::ostream out(&delivered);
    std::ostringstream err;
    const std::array<std::string_view, 4> args{"--column", "2", "--separator", ","};
    RunCli(args, {.decimalSeparator = "."}, in, out, err);
    const std::string first = "Rossi;21;Ventuno / 00\n";
    const std::string second = "\"Via\nRoma\";abc;\n";
    // The second line only continues a row: nothing is answered before it is read.
    const std::vector<std::string> expected{"", first, first, first + second,
                                            first + second + "x;12,5;Dodici / 50\n"};
    EXPECT_EQ(typed.DeliveredAtEachRead(), expected);
}

TEST(AnswerFlush, AnInputWithLinesWaitingIsAnsweredInOneWrite) {
    std::string lines;
    for (int i = 0; i < 100; ++i) {
        lines += "21\n";
    }
    std::stringbuf ready(lines);
    std::istream in(&ready);
    DeliveredOutput delivered;
    std::ostream out(&delivered);
    std::ostream err(nullptr);
    RunCli({}, {.decimalSeparator = "."}, in, out, err);
    EXPECT_EQ(delivered.Deliveries(), 1);
    EXPECT_EQ(delivered.Delivered().size(), 100 * std::string_view("Ventuno / 00\n").size());
}

}  // namespace
}  // namespace verbalo::cli
