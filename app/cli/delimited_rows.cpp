#include "app/cli/delimited_rows.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>

namespace verbalo::cli {
namespace {

constexpr char kQuote = '"';

constexpr std::uint64_t kOnes = 0x0101010101010101;
constexpr std::uint64_t kTops = 0x8080808080808080;

// Whether one of the eight bytes is zero (the word-at-a-time test: exact, no false alarms).
constexpr bool HasZeroByte(std::uint64_t bytes) {
    return ((bytes - kOnes) & ~bytes & kTops) != 0;
}

// Whether `text` holds one of the four characters, eight bytes at a time: a field is checked
// for quoting in a fraction of a byte-by-byte loop's time.
bool HoldsAnyOf(std::string_view text, std::array<char, 4> wanted) {
    std::array<std::uint64_t, 4> spread{};
    for (std::size_t i = 0; i < wanted.size(); ++i) {
        spread[i] = kOnes * static_cast<unsigned char>(wanted[i]);
    }
    std::size_t at = 0;
    for (; at + 8 <= text.size(); at += 8) {
        std::uint64_t bytes = 0;
        std::memcpy(&bytes, text.data() + at, 8);
        if (HasZeroByte(bytes ^ spread[0]) || HasZeroByte(bytes ^ spread[1]) ||
            HasZeroByte(bytes ^ spread[2]) || HasZeroByte(bytes ^ spread[3])) {
            return true;
        }
    }
    return std::ranges::any_of(text.substr(at), [&wanted](char c) {
        return std::ranges::find(wanted, c) != wanted.end();
    });
}

}  // namespace

RecordReader::RecordReader(std::streambuf* input, char delimiter, BufferedOutput* answers)
    : lines_(input, answers), delimiter_(delimiter) {}

bool RecordReader::Next(Record& record) {
    record.lead = {};
    record.fields.clear();
    record.lineEnd = {};
    record.unclosedQuote = false;
    std::optional<InputLine> line = lines_.Next();
    if (!line) {
        return false;
    }
    std::string_view text = line->text;
    if (atStart_) {
        atStart_ = false;
        if (text.starts_with(kByteOrderMark)) {
            record.lead = kByteOrderMark;
            text.remove_prefix(kByteOrderMark.size());
        }
    }
    for (bool firstLine = true;; firstLine = false) {
        const bool ended = line->ended;
        const bool crBeforeLf = ended && text.ends_with('\r');
        if (crBeforeLf) {
            text.remove_suffix(1);
        }
        const std::string_view lineEnd = crBeforeLf ? "\r\n" : (ended ? "\n" : "");
        if (firstLine && text.empty()) {  // an empty line has no fields
            record.lineEnd = lineEnd;
            return true;
        }
        std::size_t position = 0;
        if (firstLine) {
            StartField(record, text, position);
        }
        ReadFields(record, text.substr(position));
        if (!inQuotes_) {
            record.lineEnd = lineEnd;
            return true;
        }
        record.fields.back().append(lineEnd);  // a line end inside quotes is text
        if (!ended || !(line = lines_.Next())) {
            record.unclosedQuote = true;
            inQuotes_ = false;
            return true;
        }
        text = line->text;
    }
}

void RecordReader::StartField(Record& record, std::string_view text, std::size_t& position) {
    record.fields.emplace_back();
    inQuotes_ = position < text.size() && text[position] == kQuote;
    if (inQuotes_) {
        ++position;
    }
}

// Adds `text`, a line or what is left of it, to the last field, which it continues.
void RecordReader::ReadFields(Record& record, std::string_view text) {
    std::size_t position = 0;
    for (;;) {
        std::string& field = record.fields.back();
        if (inQuotes_) {
            const std::size_t quote = text.find(kQuote, position);
            field.append(text.substr(position, quote - position));
            if (quote == std::string_view::npos) {
                return;
            }
            position = quote + 1;
            if (position < text.size() && text[position] == kQuote) {
                field += kQuote;
                ++position;
            } else {
                inQuotes_ = false;
            }
            continue;
        }
        const std::size_t delimiter = text.find(delimiter_, position);
        field.append(text.substr(position, delimiter - position));
        if (delimiter == std::string_view::npos) {
            return;
        }
        position = delimiter + 1;
        StartField(record, text, position);
    }
}

RecordWriter::RecordWriter(BufferedOutput& out, char delimiter)
    : out_(out), delimiter_(delimiter) {}

void RecordWriter::Write(const Record& record, std::optional<std::string_view> appendedField) {
    out_.Write(record.lead);
    const bool startsOutput = atStart_ && record.lead.empty();
    atStart_ = false;
    if (record.fields.size() == 1 && record.fields.front().empty() && !appendedField) {
        out_.Write("\"\"");  // bare, one empty field would read back as an empty line
    } else {
        for (std::size_t i = 0; i < record.fields.size(); ++i) {
            if (i > 0) {
                out_.Put(delimiter_);
            }
            const bool looksLikeMark =
                i == 0 && startsOutput && record.fields.front().starts_with(kByteOrderMark);
            WriteField(record.fields[i], looksLikeMark);
        }
        if (appendedField) {
            if (!record.fields.empty()) {
                out_.Put(delimiter_);
            }
            WriteField(*appendedField, false);
        }
    }
    out_.Write(record.lineEnd);
}

void RecordWriter::WriteField(std::string_view field, bool quoted) {
    if (!quoted && !HoldsAnyOf(field, {delimiter_, kQuote, '\r', '\n'})) {
        out_.Write(field);
        return;
    }
    out_.Put(kQuote);
    for (;;) {
        const std::size_t quote = field.find(kQuote);
        out_.Write(field.substr(0, quote));
        if (quote == std::string_view::npos) {
            break;
        }
        out_.Write("\"\"");
        field.remove_prefix(quote + 1);
    }
    out_.Put(kQuote);
}

}  // namespace verbalo::cli
