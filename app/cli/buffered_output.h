#pragma once

#include <algorithm>
#include <span>
#include <string_view>
#include <vector>

#include "app/cli/byte_streams.h"

namespace verbalo::cli {

// Output gathered in a large block and handed to a sink in one write when the block is full or
// on Flush, so that a million short lines cost a few hundred writes. Text may be put together
// right in the block (Reserve, then Commit). Once a write has failed, the rest is dropped and
// Failed tells. Its end flushes.
class BufferedOutput {
  public:
    static constexpr std::size_t kBlockSize = 1 << 16;

    explicit BufferedOutput(ByteSink& out);
    ~BufferedOutput();
    BufferedOutput(const BufferedOutput&) = delete;
    BufferedOutput& operator=(const BufferedOutput&) = delete;

    // Room for at least `size` bytes, to be written and then committed. (Inline: called for
    // every answer.)
    std::span<char> Reserve(std::size_t size) {
        if (block_.size() - used_ >= size) {
            return std::span<char>(block_).subspan(used_);
        }
        return ReserveAfterDelivering(size);
    }
    // Keeps the first `size` bytes written into the room that Reserve gave.
    void Commit(std::size_t size) { used_ += size; }

    // Inline: called for every row, delimiter and line end.
    void Write(std::string_view text) {
        if (text.size() <= block_.size() - used_) {
            std::copy_n(text.data(), text.size(), block_.data() + used_);
            used_ += text.size();
        } else {
            WriteAcrossBlocks(text);
        }
    }
    void Put(char c) {
        if (used_ == block_.size()) {
            Deliver();
        }
        block_[used_++] = c;
    }
    // Hands everything held to the sink; false once any write has failed.
    bool Flush();
    bool Failed() const { return failed_; }

  private:
    std::span<char> ReserveAfterDelivering(std::size_t size);
    void WriteAcrossBlocks(std::string_view text);
    void Deliver();

    ByteSink& out_;
    std::vector<char> block_;
    std::size_t used_ = 0;
    bool failed_ = false;
};

}  // namespace verbalo::cli
