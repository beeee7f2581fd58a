// The command line's block input and output against the plain reading of the same text: any
// text, handed over in pieces of any size as a pipe does, comes out as the same lines.
#include <gtest/gtest.h>

#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "app/cli/buffered_output.h"
#include "app/cli/line_input.h"

namespace verbalo::cli {
namespace {

// An input that has only a few bytes ready at a time, as a pipe fed by a slow writer.
class TrickleInput : public std::streambuf {
  public:
    TrickleInput(std::string text, unsigned seed) : text_(std::move(text)), random_(seed) {}

  protected:
    int_type underflow() override {
        if (next_ == text_.size()) {
            return traits_type::eof();
        }
        const std::size_t piece = std::min<std::size_t>(1 + random_() % 5000, text_.size() - next_);
        char* begin = text_.data() + next_;
        setg(begin, begin, begin + piece);
        next_ += piece;
        return traits_type::to_int_type(*begin);
    }

  private:
    std::string text_;
    std::mt19937 random_;
    std::size_t next_ = 0;
};

struct PlainLine {
    std::string text;
    bool ended;
    bool operator==(const PlainLine&) const = default;
};

std::vector<PlainLine> SplitPlainly(const std::string& text) {
    std::vector<PlainLine> lines;
    std::size_t begin = 0;
    while (begin < text.size()) {
        const std::size_t newline = text.find('\n', begin);
        if (newline == std::string::npos) {
            lines.push_back({text.substr(begin), false});
            break;
        }
        lines.push_back({text.substr(begin, newline - begin), true});
        begin = newline + 1;
    }
    return lines;
}

// Short lines, empty ones, CR LF ends, and lines longer than a block.
std::string RandomText(std::mt19937& random) {
    std::string text;
    const std::size_t lines = random() % 60;
    for (std::size_t i = 0; i < lines; ++i) {
        const std::size_t length =
            random() % 8 == 0 ? LineInput::kBlockSize + random() % 3000 : random() % 40;
        for (std::size_t j = 0; j < length; ++j) {
            text += static_cast<char>('!' + random() % 90);
        }
        text += random() % 4 == 0 ? "\r\n" : "\n";
    }
    if (random() % 2 == 0) {
        text += "ultima riga senza fine";
    }
    return text;
}

TEST(LineInput, GivesTheLinesOfAnyTextHandedOverInAnyPieces) {
    std::mt19937 random(7);
    for (int round = 0; round < 60 && !HasFailure(); ++round) {
        const std::string text = RandomText(random);
        TrickleInput input(text, round);
        LineInput lines(&input);
        std::vector<PlainLine> read;
        while (const auto line = lines.Next()) {
            read.push_back({std::string(line->text), line->ended});
        }
        EXPECT_EQ(read, SplitPlainly(text)) << "round " << round;
    }
}

TEST(BufferedOutput, HandsOverExactlyWhatWasWrittenInAnyPieces) {
    std::mt19937 random(11);
    std::ostringstream out;
    std::string written;
    {
        BufferedOutput output(out);
        for (int i = 0; i < 5000; ++i) {
            const std::string piece(
                random() % 300 == 0 ? 3 * BufferedOutput::kBlockSize : random() % 100,
                static_cast<char>('a' + i % 26));
            if (i % 3 == 0) {
                const auto room = output.Reserve(piece.size() + 1);
                std::copy(piece.begin(), piece.end(), room.begin());
                output.Commit(piece.size());
            } else {
                output.Write(piece);
            }
            written += piece;
        }
    }
    EXPECT_EQ(out.str(), written);
}

}  // namespace
}  // namespace verbalo::cli
