#include "app/cli/line_input.h"

#include <algorithm>
#include <cstring>

namespace verbalo::cli {

LineInput::LineInput(std::streambuf* input, BufferedOutput* answers)
    : input_(input), answers_(answers), held_(kBlockSize) {}

std::optional<InputLine> LineInput::Next() {
    std::size_t searched = 0;  // bytes after begin_ that hold no "\n"
    for (;;) {
        const char* line = held_.data() + begin_;
        if (const auto* newline = static_cast<const char*>(
                std::memchr(line + searched, '\n', end_ - begin_ - searched))) {
            const auto length = static_cast<std::size_t>(newline - line);
            begin_ += length + 1;
            return InputLine{{line, length}, true};
        }
        searched = end_ - begin_;
        if (!ReadMore()) {
            if (begin_ == end_) {
                return std::nullopt;
            }
            const InputLine last{{held_.data() + begin_, end_ - begin_}, false};
            begin_ = end_;
            return last;
        }
    }
}

bool LineInput::ReadMore() {
    if (input_ == nullptr) {
        return false;
    }
    // The line begun so far moves to the front; a line that fills the block grows it.
    if (begin_ > 0) {
        std::copy(held_.begin() + static_cast<std::ptrdiff_t>(begin_),
                  held_.begin() + static_cast<std::ptrdiff_t>(end_), held_.begin());
        end_ -= begin_;
        begin_ = 0;
    }
    if (end_ == held_.size()) {
        held_.resize(held_.size() * 2);
    }
    std::streamsize ready = input_->in_avail();
    if (ready <= 0) {
        if (answers_ != nullptr) {
            answers_->Flush();
        }
        if (std::char_traits<char>::eq_int_type(input_->sgetc(), std::char_traits<char>::eof())) {
            return false;
        }
        ready = std::max<std::streamsize>(input_->in_avail(), 1);
    }
    const auto room = static_cast<std::streamsize>(held_.size() - end_);
    end_ += static_cast<std::size_t>(input_->sgetn(held_.data() + end_, std::min(ready, room)));
    return true;
}

}  // namespace verbalo::cli
