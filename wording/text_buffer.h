#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace verbalo {

// A fixed-capacity text assembled without touching the heap; longer input is cut at the
// capacity, which is larger than any wording.
class TextBuffer {
  public:
    static constexpr std::size_t kCapacity = 192;

    void Append(std::string_view text) {
        const std::size_t n = std::min(text.size(), kCapacity - size_);
        std::copy_n(text.data(), n, chars_.data() + size_);
        size_ += n;
    }
    void Append(char c) {
        if (size_ < kCapacity) {
            chars_[size_++] = c;
        }
    }
    void PopBack() {
        if (size_ > 0) {
            --size_;
        }
    }
    void Truncate(std::size_t size) { size_ = std::min(size, size_); }

    std::size_t size() const { return size_; }
    std::string_view View() const { return {chars_.data(), size_}; }
    std::string ToString() const { return std::string(View()); }

  private:
    std::array<char, kCapacity> chars_;
    std::size_t size_ = 0;
};

}  // namespace verbalo
