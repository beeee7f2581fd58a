#pragma once

#include <cstddef>
#include <expected>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>

// The bytes verbalo-cli reads and writes, through whatever the platform gives it: a pipe, a
// file, a console; strings in the tests.
namespace verbalo::cli {

class ByteSource {
  public:
    virtual ~ByteSource() = default;
    // Reads into `buffer` what the input has, waiting only while it has nothing: the number of
    // bytes read, 0 at the end of the input, nothing when the input cannot be read.
    virtual std::optional<std::size_t> Read(std::span<char> buffer) = 0;
    // Would a read now wait for the input (a pipe or a console with nothing ready yet)? The
    // answers so far go out first then. A file never waits.
    virtual bool WouldWait() { return true; }
};

class ByteSink {
  public:
    virtual ~ByteSink() = default;
    // Writes all of `bytes`, or returns false. Allocates nothing, so that the answers still go
    // out when memory has run out.
    virtual bool Write(std::string_view bytes) = 0;
    // A console: it shows characters rather than keeping bytes, so it is given UTF-8 whatever
    // the input's encoding.
    virtual bool ShowsText() const { return false; }
};

// The file that --output names, written under a temporary name in its folder. Commit puts it in
// place of the file; without a commit it goes, and the file named is left as it was.
class OutputFile : public ByteSink {
  public:
    // The reason it could not be put in place, or nothing.
    virtual std::optional<std::string> Commit() = 0;
};

// The files that --input and --output name. An error is the system's reason, as it words it.
class FileAccess {
  public:
    virtual ~FileAccess() = default;
    virtual std::expected<std::unique_ptr<ByteSource>, std::string> OpenInput(
        std::string_view path) = 0;
    virtual std::expected<std::unique_ptr<OutputFile>, std::string> CreateOutput(
        std::string_view path) = 0;
    // Do both paths name one existing file (by another name, or a link, too)?
    virtual bool SameFile(std::string_view first, std::string_view second) = 0;
};

// The program's standard streams and the files it may open.
struct CliStreams {
    ByteSource& in;
    ByteSink& out;
    ByteSink& err;
    FileAccess& files;
};

}  // namespace verbalo::cli
