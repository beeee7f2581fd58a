#include "app/cli/buffered_output.h"

#include <algorithm>

namespace verbalo::cli {

BufferedOutput::BufferedOutput(ByteSink& out) : out_(out), block_(kBlockSize) {}

BufferedOutput::~BufferedOutput() {
    Flush();
}

std::span<char> BufferedOutput::ReserveAfterDelivering(std::size_t size) {
    Deliver();
    if (block_.size() < size) {
        block_.resize(size);
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

bool BufferedOutput::Flush() {
    Deliver();
    return !failed_;
}

void BufferedOutput::Deliver() {
    if (used_ > 0) {
        failed_ = failed_ || !out_.Write({block_.data(), used_});
        used_ = 0;
    }
}

}  // namespace verbalo::cli
