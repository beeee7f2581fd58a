#include "app/cli/delimited_rows.h"

#include <istream>
#include <ostream>

namespace verbalo::cli {
namespace {

constexpr char kQuote = '"';

void Put(std::ostream& out, std::string_view text) {
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
}

}  // namespace

RecordReader::RecordReader(std::istream& in, char delimiter) : in_(in), delimiter_(delimiter) {}

bool RecordReader::Next(Record& record) {
    record.lead = {};
    record.fields.clear();
    record.lineEnd = {};
    record.unclosedQuote = false;
    if (!std::getline(in_, line_)) {
        return false;
    }
    std::string_view text = line_;
    if (atStart_) {
        atStart_ = false;
        if (text.starts_with(kByteOrderMark)) {
            record.lead = kByteOrderMark;
            text.remove_prefix(kByteOrderMark.size());
        }
    }
    for (bool firstLine = true;; firstLine = false) {
        const bool ended = !in_.eof();  // getline took a "\n"
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
        if (!ended || !std::getline(in_, line_)) {
            record.unclosedQuote = true;
            inQuotes_ = false;
            return true;
        }
        text = line_;
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

RecordWriter::RecordWriter(std::ostream& out, char delimiter) : out_(out), delimiter_(delimiter) {}

void RecordWriter::Write(const Record& record) {
    Put(out_, record.lead);
    const bool startsOutput = atStart_ && record.lead.empty();
    atStart_ = false;
    if (record.fields.size() == 1 && record.fields.front().empty()) {
        Put(out_, "\"\"");  // bare, one empty field would read back as an empty line
    } else {
        for (std::size_t i = 0; i < record.fields.size(); ++i) {
            if (i > 0) {
                out_.put(delimiter_);
            }
            const bool looksLikeMark =
                i == 0 && startsOutput && record.fields.front().starts_with(kByteOrderMark);
            WriteField(record.fields[i], looksLikeMark);
        }
    }
    Put(out_, record.lineEnd);
}

void RecordWriter::WriteField(std::string_view field, bool quoted) {
    const char needsQuotes[] = {delimiter_, kQuote, '\r', '\n'};
    if (!quoted && field.find_first_of(std::string_view(needsQuotes, sizeof needsQuotes)) ==
                       std::string_view::npos) {
        Put(out_, field);
        return;
    }
    out_.put(kQuote);
    for (;;) {
        const std::size_t quote = field.find(kQuote);
        Put(out_, field.substr(0, quote));
        if (quote == std::string_view::npos) {
            break;
        }
        Put(out_, "\"\"");
        field.remove_prefix(quote + 1);
    }
    out_.put(kQuote);
}

}  // namespace verbalo::cli
