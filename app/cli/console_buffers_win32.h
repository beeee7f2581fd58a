#pragma once

#include <windows.h>

#include <array>
#include <streambuf>
#include <string>

// Stream buffers on a Windows console. The program's text is UTF-8; a console's is UTF-16, and
// its code pages (the OEM one unless someone changed it) cannot hold every character. These
// buffers talk to the console in UTF-16, so "è" shows as "è" whatever the code page.
// The handle is borrowed: whoever opened it closes it, after the buffer is gone.
namespace verbalo::cli {

// Is `handle` a console (rather than a pipe, a file or nothing)?
bool IsConsole(HANDLE handle);

// Writes UTF-8 to a console with WriteConsoleW, whole characters at a time: a multi-byte
// sequence split across writes waits for its end. What is still held at sync is kept for the
// next write; the destructor hands over everything.
class ConsoleOutputBuffer : public std::streambuf {
  public:
    explicit ConsoleOutputBuffer(HANDLE console);
    ~ConsoleOutputBuffer() override;
    ConsoleOutputBuffer(const ConsoleOutputBuffer&) = delete;
    ConsoleOutputBuffer& operator=(const ConsoleOutputBuffer&) = delete;

  protected:
    int_type overflow(int_type c) override;
    int sync() override;

  private:
    bool WriteHeld(bool everything);

    HANDLE console_;
    std::array<char, 4096> bytes_{};
};

// Reads a console with ReadConsoleW and hands the text over as UTF-8, lines ending in "\r\n" as
// the console gives them. A surrogate pair split across reads is joined; Ctrl+Z ends the input,
// as it does for any console program.
class ConsoleInputBuffer : public std::streambuf {
  public:
    explicit ConsoleInputBuffer(HANDLE console);
    ConsoleInputBuffer(const ConsoleInputBuffer&) = delete;
    ConsoleInputBuffer& operator=(const ConsoleInputBuffer&) = delete;

  protected:
    int_type underflow() override;

  private:
    HANDLE console_;
    std::u16string heldHighSurrogate_;
    std::string text_;
    bool ended_ = false;
};

}  // namespace verbalo::cli
