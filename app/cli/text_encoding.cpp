#include "app/cli/text_encoding.h"

#include <algorithm>
#include <utility>

namespace verbalo::cli {
namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LittleEndianMark = "\xFF\xFE";
constexpr std::string_view kUtf16BigEndianMark = "\xFE\xFF";
constexpr char16_t kReplacementCharacter = 0xFFFD;

bool IsUtf16(TextEncoding encoding) {
    return encoding == TextEncoding::Utf16LittleEndian || encoding == TextEncoding::Utf16BigEndian;
}

// The mark that `start` begins with, or, while it may still be the beginning of one, nothing.
std::optional<TextEncoding> EncodingOfStart(std::string_view start, bool complete) {
    for (const TextEncoding encoding :
         {TextEncoding::Utf8, TextEncoding::Utf16LittleEndian, TextEncoding::Utf16BigEndian}) {
        const std::string_view mark = ByteOrderMark(encoding);
        if (start.starts_with(mark)) {
            return encoding;
        }
        if (!complete && mark.starts_with(start)) {
            return std::nullopt;
        }
    }
    return TextEncoding::Bytes;
}

// One UTF-16 unit as the UTF-8 form of its value: one to three bytes.
std::size_t PutUnit(char16_t unit, char* out) {
    if (unit < 0x80) {
        out[0] = static_cast<char>(unit);
        return 1;
    }
    if (unit < 0x800) {
        out[0] = static_cast<char>(0xC0 | (unit >> 6));
        out[1] = static_cast<char>(0x80 | (unit & 0x3F));
        return 2;
    }
    out[0] = static_cast<char>(0xE0 | (unit >> 12));
    out[1] = static_cast<char>(0x80 | ((unit >> 6) & 0x3F));
    out[2] = static_cast<char>(0x80 | (unit & 0x3F));
    return 3;
}

// How many bytes the sequence that `lead` begins takes.
std::size_t SequenceLength(unsigned char lead) {
    return lead >= 0xE0 && lead <= 0xEF ? 3 : lead >= 0xC0 && lead <= 0xDF ? 2 : 1;
}

// The unit that a whole sequence stands for; U+FFFD for a byte that PutUnit never writes.
char16_t UnitOf(std::string_view sequence) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(sequence[i]); };
    for (std::size_t i = 1; i < sequence.size(); ++i) {
        if ((byte(i) & 0xC0) != 0x80) {
            return kReplacementCharacter;
        }
    }
    switch (sequence.size()) {
        case 3:
            return static_cast<char16_t>(((byte(0) & 0x0F) << 12) | ((byte(1) & 0x3F) << 6) |
                                         (byte(2) & 0x3F));
        case 2:
            return static_cast<char16_t>(((byte(0) & 0x1F) << 6) | (byte(1) & 0x3F));
        default:
            return byte(0) < 0x80 ? byte(0) : kReplacementCharacter;
    }
}

}  // namespace

std::string_view ByteOrderMark(TextEncoding encoding) {
    switch (encoding) {
        case TextEncoding::Utf8:
            return kUtf8Mark;
        case TextEncoding::Utf16LittleEndian:
            return kUtf16LittleEndianMark;
        case TextEncoding::Utf16BigEndian:
            return kUtf16BigEndianMark;
        case TextEncoding::Bytes:
            break;
    }
    return {};
}

DecodedInput::DecodedInput(ByteSource& raw) : raw_(raw) {}

TextEncoding DecodedInput::Encoding() {
    if (encoding_) {
        return *encoding_;
    }
    std::array<char, 3> start{};
    std::size_t read = 0;
    bool complete = false;
    while (!EncodingOfStart({start.data(), read}, complete)) {
        const auto got = raw_.Read(std::span<char>(start).subspan(read, 1));
        openingFailed_ = !got;
        complete = !got || *got == 0;
        read += got.value_or(0);
    }
    encoding_ = EncodingOfStart({start.data(), read}, true);
    const std::size_t mark = ByteOrderMark(*encoding_).size();
    // What follows the mark is read as the rest of the input is.
    const std::span<char> rest = std::span<char>(start).subspan(mark, read - mark);
    if (IsUtf16(*encoding_)) {
        carried_ = rest.size();  // at most one byte: a mark of two, three bytes read
        std::ranges::copy(rest, units_.begin());
    } else {
        decodedEnd_ = rest.size();
        std::ranges::copy(rest, decoded_.begin());
    }
    return *encoding_;
}

std::optional<std::size_t> DecodedInput::Read(std::span<char> buffer) {
    const TextEncoding encoding = Encoding();
    if (std::exchange(openingFailed_, false)) {
        return std::nullopt;
    }
    if (decodedBegin_ == decodedEnd_) {
        if (!IsUtf16(encoding)) {
            return raw_.Read(buffer);
        }
        const auto decoded = DecodeUnits();
        if (!decoded || *decoded == 0) {
            return decoded;
        }
    }
    const std::size_t size = std::min(buffer.size(), decodedEnd_ - decodedBegin_);
    std::copy_n(decoded_.begin() + static_cast<std::ptrdiff_t>(decodedBegin_), size,
                buffer.begin());
    decodedBegin_ += size;
    return size;
}

std::optional<std::size_t> DecodedInput::DecodeUnits() {
    const bool bigEndian = *encoding_ == TextEncoding::Utf16BigEndian;
    for (;;) {
        const auto read = raw_.Read(std::span<char>(units_).subspan(carried_));
        if (!read) {
            return std::nullopt;
        }
        if (*read == 0) {
            if (carried_ > 0) {
                oddByte_ = units_[0];
                carried_ = 0;
            }
            return 0;
        }
        const std::size_t bytes = carried_ + *read;
        const std::size_t units = bytes / 2;
        std::size_t size = 0;
        for (std::size_t i = 0; i < units; ++i) {
            const auto first = static_cast<unsigned char>(units_[2 * i]);
            const auto second = static_cast<unsigned char>(units_[2 * i + 1]);
            const auto unit =
                static_cast<char16_t>(bigEndian ? (first << 8) | second : (second << 8) | first);
            size += PutUnit(unit, decoded_.data() + size);
        }
        carried_ = bytes % 2;
        if (carried_ > 0) {
            units_[0] = units_[bytes - 1];
        }
        if (size > 0) {
            decodedBegin_ = 0;
            decodedEnd_ = size;
            return size;
        }
    }
}

EncodedOutput::EncodedOutput(ByteSink& raw, TextEncoding encoding)
    : raw_(raw), encoding_(raw.ShowsText() ? TextEncoding::Bytes : encoding) {
    failed_ = !raw_.Write(ByteOrderMark(encoding_));
}

bool EncodedOutput::Write(std::string_view bytes) {
    if (!failed_) {
        failed_ = !(IsUtf16(encoding_) ? WriteUnits(bytes) : raw_.Write(bytes));
    }
    return !failed_;
}

bool EncodedOutput::WriteUnits(std::string_view bytes) {
    const bool bigEndian = encoding_ == TextEncoding::Utf16BigEndian;
    std::array<char, 8192> out;
    std::size_t used = 0;
    const auto put = [&](char16_t unit) {
        if (used == out.size()) {
            if (!raw_.Write({out.data(), used})) {
                return false;
            }
            used = 0;
        }
        out[used++] = static_cast<char>(bigEndian ? unit >> 8 : unit & 0xFF);
        out[used++] = static_cast<char>(bigEndian ? unit & 0xFF : unit >> 8);
        return true;
    };
    // A sequence cut by the end of the last write is finished first.
    if (pendingSize_ > 0) {
        const std::size_t length = SequenceLength(static_cast<unsigned char>(pending_[0]));
        const std::size_t taken = std::min(length - pendingSize_, bytes.size());
        std::copy_n(bytes.begin(), taken, pending_.begin() + pendingSize_);
        pendingSize_ += taken;
        bytes.remove_prefix(taken);
        if (pendingSize_ < length) {
            return true;
        }
        pendingSize_ = 0;
        if (!put(UnitOf({pending_.data(), length}))) {
            return false;
        }
    }
    while (!bytes.empty()) {
        const std::size_t length = SequenceLength(static_cast<unsigned char>(bytes.front()));
        if (length > bytes.size()) {
            pendingSize_ = bytes.size();
            std::ranges::copy(bytes, pending_.begin());
            break;
        }
        if (!put(UnitOf(bytes.substr(0, length)))) {
            return false;
        }
        bytes.remove_prefix(length);
    }
    return raw_.Write({out.data(), used});
}

}  // namespace verbalo::cli
