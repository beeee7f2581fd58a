#include "app/cli/line_input.h"

#include <algorithm>
#include <cstring>

namespace verbalo::cli {
namespace {

constexpr std::string_view kCrLf = "\r\n";
constexpr std::string_view kLf = "\n";

// A line is held with a block to spare, so that reading never waits for room.
constexpr std::size_t kMaxHeld = kMaxLineBytes + LineInput::kBlockSize;

}  // namespace

LineInput::LineInput(ByteSource& input, BufferedOutput* answers)
    : input_(input), answers_(answers), held_(kBlockSize) {}

std::optional<InputLine> LineInput::Next(std::size_t limit) {
    limit = std::min(limit, kMaxLineBytes);
    // Most lines are held whole already.
    const char* line = held_.data() + begin_;
    if (const auto* newline =
            static_cast<const char*>(std::memchr(line, '\n', std::min(end_ - begin_, limit + 1)))) {
        const auto length = static_cast<std::size_t>(newline - line);
        begin_ += length + 1;
        const bool crLf = length > 0 && line[length - 1] == '\r';
        return InputLine{{line, length - (crLf ? 1 : 0)}, crLf ? kCrLf : kLf};
    }
    return NextAfterReading(limit);
}

std::optional<InputLine> LineInput::NextAfterReading(std::size_t limit) {
    std::size_t searched = 0;  // bytes after begin_ that hold no "\n"
    for (;;) {
        const char* line = held_.data() + begin_;
        const std::size_t available = end_ - begin_;
        const auto* newline =
            static_cast<const char*>(std::memchr(line + searched, '\n', available - searched));
        const std::size_t length = newline ? static_cast<std::size_t>(newline - line) : available;
        if (length > limit) {
            begin_ += limit;
            lastOfCut_ = limit > 0 ? line[limit - 1] : '\0';
            return InputLine{{line, limit}, {}, true};
        }
        if (newline) {
            begin_ += length + 1;
            const bool crLf = length > 0 && line[length - 1] == '\r';
            return InputLine{{line, length - (crLf ? 1 : 0)}, crLf ? kCrLf : kLf};
        }
        searched = available;
        if (!ReadMore()) {
            if (available == 0) {
                return std::nullopt;
            }
            begin_ = end_;
            return InputLine{{held_.data() + end_ - available, available}, {}};
        }
    }
}

std::string_view LineInput::RestOfLine(BufferedOutput* passOn) {
    char last = lastOfCut_;
    for (;;) {
        const char* rest = held_.data() + begin_;
        const std::size_t available = end_ - begin_;
        const auto* newline = static_cast<const char*>(std::memchr(rest, '\n', available));
        const std::size_t length =
            newline ? static_cast<std::size_t>(newline - rest) + 1 : available;
        if (passOn != nullptr) {
            passOn->Write({rest, length});
        }
        begin_ += length;
        if (newline) {
            return (newline > rest ? newline[-1] : last) == '\r' ? kCrLf : kLf;
        }
        if (length > 0) {
            last = rest[length - 1];
        }
        if (!ReadMore()) {
            return {};
        }
    }
}

bool LineInput::ReadMore() {
    if (answers_ != nullptr && ((input_.WouldWait() && !answers_->Flush()) || answers_->Failed())) {
        return false;  // nobody takes the answers: reading on would be for nothing
    }
    // The line begun so far moves to the front; a line that fills the block grows it.
    if (begin_ > 0) {
        std::copy(held_.begin() + static_cast<std::ptrdiff_t>(begin_),
                  held_.begin() + static_cast<std::ptrdiff_t>(end_), held_.begin());
        end_ -= begin_;
        begin_ = 0;
    }
    if (end_ == held_.size()) {
        held_.resize(std::min(held_.size() * 2, kMaxHeld));
    }
    const std::optional<std::size_t> read = input_.Read(std::span<char>(held_).subspan(end_));
    if (!read) {
        readFailed_ = true;
        return false;
    }
    end_ += *read;
    return *read > 0;
}

}  // namespace verbalo::cli
