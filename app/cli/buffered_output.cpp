#include "app/cli/buffered_output.h"

#include <algorithm>

namespace verbalo::cli {

BufferedOutput::BufferedOutput(std::ostream& out) : out_(out), block_(kBlockSize) {}

BufferedOutput::~BufferedOutput() {
    Flush();
}

std::span<char> BufferedOutput::Reserve(std::size_t size) {
    if (block_.size() - used_ < size) {
        Deliver();
        if (block_.size() < size) {
            block_.resize(size);
        }
    }
    return std::span<char>(block_).subspan(used_);
}

void BufferedOutput::WriteAcrossBlocks(std::string_view text) {
    while (!text.empty()) {
        const std::span<char> room = Reserve(std::min(text.size(), block_.size()));
        const std::size_t size = std::min(text.size(), room.size());
        std::copy_n(text.data(), size, room.data());
        Commit(size);
        text.remove_prefix(size);
    }
}

void BufferedOutput::Flush() {
    Deliver();
    out_.flush();
}

void BufferedOutput::Deliver() {
    if (used_ > 0) {
        out_.write(block_.data(), static_cast<std::streamsize>(used_));
        used_ = 0;
    }
}

}  // namespace verbalo::cli
