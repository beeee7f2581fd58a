#pragma once

#include <windows.h>

#include <array>
#include <string>

#include "app/cli/byte_streams.h"

// The standard streams on a Windows console. The program's text is UTF-8; a console's is
// UTF-16, and its code pages (the OEM one unless someone changed it) cannot hold every
// character. These streams talk to the console in UTF-16, so "è" shows as "è" whatever the code
// page. The handle is borrowed: whoever opened it closes it, after the stream is gone.
namespace verbalo::cli {

// Is `handle` a console (rather than a pipe, a file or nothing)?
bool IsConsole(HANDLE handle);

// Writes UTF-8 to a console with WriteConsoleW, whole characters at a time: a multi-byte
// sequence cut by the end of a write waits for the rest. Nothing is allocated.
class ConsoleSink : public ByteSink {
  public:
    explicit ConsoleSink(HANDLE console);
    ~ConsoleSink() override;
    ConsoleSink(const ConsoleSink&) = delete;
    ConsoleSink& operator=(const ConsoleSink&) = delete;

    bool Write(std::string_view bytes) override;
    bool ShowsText() const override { return true; }

  private:
    bool WriteWide(std::string_view wholeCharacters);

    HANDLE console_;
    std::array<char, 4> cut_{};  // the start of a sequence cut by the end of a write
    std::size_t cutSize_ = 0;
};

// Reads a console with ReadConsoleW and hands the text over as UTF-8, lines ending in "\r\n" as
// the console gives them. A surrogate pair split across reads is joined; Ctrl+Z ends the input,
// as it does for any console program.
class ConsoleSource : public ByteSource {
  public:
    explicit ConsoleSource(HANDLE console);

    std::optional<std::size_t> Read(std::span<char> buffer) override;
    bool WouldWait() override { return given_ == text_.size() && !ended_; }

  private:
    HANDLE console_;
    std::u16string heldHighSurrogate_;
    std::string text_;  // read and not handed over yet, from given_
    std::size_t given_ = 0;
    bool ended_ = false;
};

}  // namespace verbalo::cli
