#pragma once

#include <algorithm>
#include <ostream>
#include <span>
#include <string_view>
#include <vector>

namespace verbalo::cli {

// Output gathered in a large block and handed to a stream in one write when the block is full
// or on Flush, so that a million short lines cost a few hundred writes. Text may be put
// together right in the block (Reserve, then Commit). Its end flushes.
class BufferedOutput {
  public:
    static constexpr std::size_t kBlockSize = 1 << 16;

    explicit BufferedOutput(std::ostream& out);
    ~BufferedOutput();
    BufferedOutput(const BufferedOutput&) = delete;
    BufferedOutput& operator=(const BufferedOutput&) = delete;

    // Room for at least `size` bytes, to be written and then committed.
    std::span<char> Reserve(std::size_t size);
    // Keeps the first `size` bytes written into the room that Reserve gave.
    void Commit(std::size_t size) { used_ += size; }

    // Inline: called for every field and delimiter of a row.
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
    // Hands everything held to the stream and flushes the stream.
    void Flush();

  private:
    void WriteAcrossBlocks(std::string_view text);
    void Deliver();

    std::ostream& out_;
    std::vector<char> block_;
    std::size_t used_ = 0;
};

}  // namespace verbalo::cli
