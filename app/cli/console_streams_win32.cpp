#include "app/cli/console_streams_win32.h"

#include <algorithm>
#include <array>

#include "platform/utf16.h"

namespace verbalo::cli {
namespace {

constexpr char16_t kEndOfInput = 0x1A;  // Ctrl+Z

bool IsHighSurrogate(char16_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}

}  // namespace

bool IsConsole(HANDLE handle) {
    DWORD mode = 0;
    return handle != nullptr && handle != INVALID_HANDLE_VALUE && GetConsoleMode(handle, &mode);
}

ConsoleSink::ConsoleSink(HANDLE console) : console_(console) {}

ConsoleSink::~ConsoleSink() {
    WriteWide({cut_.data(), cutSize_});  // a sequence never finished shows as U+FFFD
}

bool ConsoleSink::Write(std::string_view bytes) {
    // A sequence cut by the last write is finished first, a byte at a time.
    while (cutSize_ > 0 && !bytes.empty()) {
        cut_[cutSize_++] = bytes.front();
        bytes.remove_prefix(1);
        const std::string_view sequence(cut_.data(), cutSize_);
        if (platform::WholeCharactersLength(sequence) == sequence.size()) {
            cutSize_ = 0;
            if (!WriteWide(sequence)) {
                return false;
            }
        }
    }
    const std::size_t whole = platform::WholeCharactersLength(bytes);
    const std::string_view rest = bytes.substr(whole);
    std::ranges::copy(rest, cut_.begin() + static_cast<std::ptrdiff_t>(cutSize_));
    cutSize_ += rest.size();
    return WriteWide(bytes.substr(0, whole));
}

bool ConsoleSink::WriteWide(std::string_view wholeCharacters) {
    std::array<wchar_t, 1024> wide;
    std::size_t used = 0;
    const auto hand = [&] {
        for (std::size_t done = 0; done < used;) {
            DWORD count = 0;
            if (!WriteConsoleW(console_, wide.data() + done, static_cast<DWORD>(used - done),
                               &count, nullptr) ||
                count == 0) {
                return false;  // the console is gone: the text is dropped, as a closed pipe's is
            }
            done += count;
        }
        used = 0;
        return true;
    };
    for (std::size_t at = 0; at < wholeCharacters.size();) {
        const auto [c, length] = platform::utf16_detail::DecodeAt(wholeCharacters, at);
        at += length;
        if (used + 2 > wide.size() && !hand()) {
            return false;
        }
        if (c < 0x10000) {
            wide[used++] = static_cast<wchar_t>(c);
        } else {
            wide[used++] = static_cast<wchar_t>(0xD800 + ((c - 0x10000) >> 10));
            wide[used++] = static_cast<wchar_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
        }
    }
    return hand();
}

ConsoleSource::ConsoleSource(HANDLE console) : console_(console) {}

std::optional<std::size_t> ConsoleSource::Read(std::span<char> buffer) {
    while (given_ == text_.size() && !ended_) {
        std::array<char16_t, 1024> units{};
        DWORD count = 0;
        if (!ReadConsoleW(console_, units.data(), static_cast<DWORD>(units.size()), &count,
                          nullptr)) {
            count = 0;
        }
        const char16_t* const begin = units.data();
        const char16_t* const end = begin + count;
        const char16_t* const stop = std::find(begin, end, kEndOfInput);
        std::u16string wide = std::move(heldHighSurrogate_);
        heldHighSurrogate_.clear();
        wide.append(begin, stop);
        ended_ = count == 0 || stop != end;
        if (!ended_ && !wide.empty() && IsHighSurrogate(wide.back())) {
            heldHighSurrogate_ = wide.back();
            wide.pop_back();
        }
        text_ = platform::Utf16ToUtf8(wide);
        given_ = 0;
    }
    const std::size_t size = std::min(buffer.size(), text_.size() - given_);
    std::copy_n(text_.begin() + static_cast<std::ptrdiff_t>(given_), size, buffer.begin());
    given_ += size;
    return size;
}

}  // namespace verbalo::cli
