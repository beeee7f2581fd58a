#include "app/cli/console_buffers_win32.h"

#include <algorithm>
#include <cstring>
#include <utility>

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

ConsoleOutputBuffer::ConsoleOutputBuffer(HANDLE console) : console_(console) {
    setp(bytes_.data(), bytes_.data() + bytes_.size());
}

ConsoleOutputBuffer::~ConsoleOutputBuffer() {
    WriteHeld(true);
}

ConsoleOutputBuffer::int_type ConsoleOutputBuffer::overflow(int_type c) {
    if (!WriteHeld(false)) {
        return traits_type::eof();
    }
    if (traits_type::eq_int_type(c, traits_type::eof())) {
        return traits_type::not_eof(c);
    }
    if (pptr() == epptr() && !WriteHeld(true)) {  // a buffer of nothing but one cut sequence
        return traits_type::eof();
    }
    *pptr() = traits_type::to_char_type(c);
    pbump(1);
    return c;
}

int ConsoleOutputBuffer::sync() {
    return WriteHeld(false) ? 0 : -1;
}

bool ConsoleOutputBuffer::WriteHeld(bool everything) {
    const std::string_view held(pbase(), static_cast<std::size_t>(pptr() - pbase()));
    const std::size_t length = everything ? held.size() : platform::WholeCharactersLength(held);
    const std::u16string wide = platform::Utf8ToUtf16(held.substr(0, length));
    bool written = true;
    for (std::size_t done = 0; done < wide.size();) {
        DWORD count = 0;
        if (!WriteConsoleW(console_, wide.data() + done, static_cast<DWORD>(wide.size() - done),
                           &count, nullptr) ||
            count == 0) {
            written = false;  // the console is gone: the text is dropped, as a closed pipe's is
            break;
        }
        done += count;
    }
    const std::size_t rest = held.size() - length;
    std::memmove(bytes_.data(), held.data() + length, rest);
    setp(bytes_.data(), bytes_.data() + bytes_.size());
    pbump(static_cast<int>(rest));
    return written;
}

ConsoleInputBuffer::ConsoleInputBuffer(HANDLE console) : console_(console) {}

ConsoleInputBuffer::int_type ConsoleInputBuffer::underflow() {
    while (gptr() == egptr() && !ended_) {
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
        setg(text_.data(), text_.data(), text_.data() + text_.size());
    }
    if (gptr() == egptr()) {
        return traits_type::eof();
    }
    return traits_type::to_int_type(*gptr());
}

}  // namespace verbalo::cli
