#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "app/cli/byte_streams.h"

// The encodings a Windows user's text files come in, as their byte-order mark tells: UTF-8 with
// or without one, a single-byte code page (Windows-1252) without one, UTF-16 with one. The
// program reads and answers in the input's own encoding, and what it does not answer it hands
// back byte for byte.
namespace verbalo::cli {

enum class TextEncoding : std::uint8_t {
    Bytes,              // no mark: UTF-8 or a single-byte code page, taken as bytes
    Utf8,               // EF BB BF
    Utf16LittleEndian,  // FF FE (Excel's "Testo Unicode", Notepad's "UTF-16 LE")
    Utf16BigEndian,     // FE FF
};

// The byte-order mark of an encoding: "" for Bytes.
std::string_view ByteOrderMark(TextEncoding encoding);

// An input read past its byte-order mark. Bytes and UTF-8 come as they are. UTF-16 comes as
// bytes too: each unit as the UTF-8 form of its value, a surrogate on its own (CESU-8), so that
// what is read is ASCII where the text is, and EncodedOutput gives back every unit as it was,
// paired or not.
class DecodedInput : public ByteSource {
  public:
    explicit DecodedInput(ByteSource& raw);

    // Reads the start of the input as far as it tells the encoding: up to three bytes, fewer
    // as soon as they cannot begin a mark (a person typing is never kept waiting for more).
    TextEncoding Encoding();
    std::optional<std::size_t> Read(std::span<char> buffer) override;
    bool WouldWait() override { return decodedBegin_ == decodedEnd_ && raw_.WouldWait(); }
    // The last byte of a UTF-16 input of an odd number of bytes: half a unit, handed back as it
    // is after everything else.
    std::optional<char> OddByte() const { return oddByte_; }

  private:
    // Reads UTF-16 units and puts them in decoded_: its size, 0 at the end, nothing on failure.
    std::optional<std::size_t> DecodeUnits();

    ByteSource& raw_;
    std::optional<TextEncoding> encoding_;
    bool openingFailed_ = false;  // the input could not be read to tell the encoding
    std::array<char, 8192> units_{};
    std::size_t carried_ = 0;               // the first byte of a unit cut by a read, at units_[0]
    std::array<char, 3 * 4096> decoded_{};  // what a read has not given out yet is
    std::size_t decodedBegin_ = 0;          // [decodedBegin_, decodedEnd_)
    std::size_t decodedEnd_ = 0;
    std::optional<char> oddByte_;
};

// Answers written in an encoding: its byte-order mark first, then, for UTF-16, the bytes that
// DecodedInput gives turned back into units. A sink that shows text is given UTF-8 and no mark.
// Nothing is allocated.
class EncodedOutput : public ByteSink {
  public:
    EncodedOutput(ByteSink& raw, TextEncoding encoding);
    bool Write(std::string_view bytes) override;
    // Writes `bytes` as they are, past the encoding.
    bool WriteRaw(std::string_view bytes) { return raw_.Write(bytes); }

  private:
    bool WriteUnits(std::string_view bytes);

    ByteSink& raw_;
    TextEncoding encoding_;  // Bytes for a sink that shows text
    bool failed_ = false;
    std::array<char, 3> pending_{};  // a sequence cut by the end of a write
    std::size_t pendingSize_ = 0;
};

}  // namespace verbalo::cli
