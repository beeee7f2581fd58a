// The command line's block input and output against the plain reading of the same text: any
// text, handed over in pieces of any size as a pipe does, comes out as the same lines, a line
// longer than the limit cut at it; and any UTF-16 text comes back as it was.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "app/cli/buffered_output.h"
#include "app/cli/line_input.h"
#include "app/cli/text_encoding.h"
#include "tests/support/cli_on_strings.h"

namespace verbalo::cli {
namespace {

struct PlainLine {
    std::string text;
    std::string end;
    bool cut = false;
    bool operator==(const PlainLine&) const = default;
};

// The lines of `text`; a line of more than `limit` bytes before its "\n" is cut there, and its
// rest comes whole after it, as the reader's RestOfLine gives it.
std::vector<PlainLine> SplitPlainly(const std::string& text, std::size_t limit) {
    std::vector<PlainLine> lines;
    std::size_t begin = 0;
    while (begin < text.size()) {
        const std::size_t newline = text.find('\n', begin);
        const std::size_t length = (newline == std::string::npos ? text.size() : newline) - begin;
        if (length > limit) {
            const bool crLf = newline != std::string::npos && text[newline - 1] == '\r';
            lines.push_back({text.substr(begin, limit), "", true});
            lines.push_back({text.substr(begin + limit, length - limit - (crLf ? 1 : 0)),
                             newline == std::string::npos ? ""
                             : crLf                       ? "\r\n"
                                                          : "\n"});
        } else if (newline == std::string::npos) {
            lines.push_back({text.substr(begin), ""});
        } else {
            const bool crLf = length > 0 && text[newline - 1] == '\r';
            lines.push_back({text.substr(begin, length - (crLf ? 1 : 0)), crLf ? "\r\n" : "\n"});
        }
        begin += length + 1;
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
        const std::size_t limit = round % 2 == 0 ? kMaxLineBytes : 1 + random() % 100;
        testing::StringSource input(text, 1 + random() % 5000);
        LineInput lines(input);
        std::vector<PlainLine> read;
        while (const auto line = lines.Next(limit)) {
            read.push_back({std::string(line->text), std::string(line->end), line->cut});
            if (line->cut) {
                testing::StringSink rest;
                {
                    BufferedOutput passed(rest);
                    const std::string_view end = lines.RestOfLine(&passed);
                    passed.Flush();
                    rest.text.resize(rest.text.size() - end.size());
                    read.push_back({rest.text, std::string(end)});
                }
            }
        }
        EXPECT_EQ(read, SplitPlainly(text, limit)) << "round " << round;
    }
}

// Any bytes after a UTF-16 mark, paired surrogates or not, an odd last byte too, come back
// byte for byte through the reading and the writing of the answers.
TEST(Utf16Text, ComesBackByteForByte) {
    std::mt19937 random(13);
    for (int round = 0; round < 200 && !HasFailure(); ++round) {
        std::string text = round % 2 == 0 ? "\xFF\xFE" : "\xFE\xFF";
        for (auto size = random() % 3000; size > 0; --size) {
            text += static_cast<char>(random() % 4 == 0 ? random() % 256
                                                        : "\0\xD8\xDC\n"[random() % 4]);
        }
        testing::StringSource raw(text, 1 + random() % 700);
        testing::StringSink back;
        DecodedInput input(raw);
        EncodedOutput output(back, input.Encoding());
        std::array<char, 1000> block;
        while (const std::size_t read =
                   input.Read(std::span(block).first(1 + random() % 999)).value()) {
            output.Write({block.data(), read});
        }
        if (const auto odd = input.OddByte()) {
            output.WriteRaw({&*odd, 1});
        }
        EXPECT_EQ(back.text, text) << "round " << round;
    }
}

TEST(BufferedOutput, HandsOverExactlyWhatWasWrittenInAnyPieces) {
    std::mt19937 random(11);
    testing::StringSink out;
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
    EXPECT_EQ(out.text, written);
}

}  // namespace
}  // namespace verbalo::cli
