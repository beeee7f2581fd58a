#include "app/cli/delimited_rows.h"

#include <algorithm>

namespace verbalo::cli {
namespace {

constexpr char kQuote = '"';

}  // namespace

RowReader::RowReader(LineInput& lines, char delimiter, std::size_t column, BufferedOutput& passOn)
    : lines_(lines), delimiter_(delimiter), column_(column), passOn_(passOn) {}

bool RowReader::Next(Row& row) {
    row = Row{};
    std::optional<InputLine> line = lines_.Next();
    if (!line) {
        return false;
    }
    if (line->cut) {
        return PassOnTooLong(row, {}, line->text);
    }
    if (line->text.empty()) {
        row.end = line->end;
        return true;
    }
    StartRow(line->text);
    if (!inQuotes_) {
        Complete(row, line->text, line->end);
        return true;
    }
    // A quoted field goes on past the line's end: the row is put together, up to the limit.
    rowText_.assign(line->text);
    while (inQuotes_) {
        rowText_ += line->end;
        if (line->end.empty()) {
            break;  // the input ended inside the quotes
        }
        line = lines_.Next(kMaxLineBytes - std::min(rowText_.size(), kMaxLineBytes));
        if (!line) {
            break;
        }
        if (line->cut) {
            return PassOnTooLong(row, rowText_, line->text);
        }
        const std::size_t from = rowText_.size();
        rowText_ += line->text;
        ScanFields(rowText_, from);
    }
    if (inQuotes_) {
        row.kind = Row::Kind::UnclosedQuote;
        row.text = rowText_;
        return true;
    }
    Complete(row, rowText_, line->end);
    return true;
}

void RowReader::StartRow(std::string_view text) {
    fields_ = 0;
    inQuotes_ = false;
    cellBegin_ = 0;
    cellEnd_ = 0;
    StartField(text, 0);
    ScanFields(text, inQuotes_ ? 1 : 0);
}

void RowReader::ScanFields(std::string_view text, std::size_t from) {
    std::size_t position = from;
    while (position < text.size()) {
        if (inQuotes_) {
            const std::size_t quote = text.find(kQuote, position);
            if (quote == std::string_view::npos) {
                return;
            }
            const bool doubled = quote + 1 < text.size() && text[quote + 1] == kQuote;
            inQuotes_ = doubled;
            position = quote + (doubled ? 2 : 1);
            continue;
        }
        const std::size_t delimiter = text.find(delimiter_, position);
        if (delimiter == std::string_view::npos) {
            return;
        }
        if (fields_ == column_) {
            cellEnd_ = delimiter;
        }
        StartField(text, delimiter + 1);
        position = delimiter + 1 + (inQuotes_ ? 1 : 0);
    }
}

void RowReader::StartField(std::string_view text, std::size_t at) {
    ++fields_;
    if (fields_ == column_) {
        cellBegin_ = at;
    }
    inQuotes_ = at < text.size() && text[at] == kQuote;
}

void RowReader::Complete(Row& row, std::string_view text, std::string_view end) {
    row.kind = Row::Kind::Fields;
    row.text = text;
    row.end = end;
    row.fields = fields_;
    if (fields_ < column_) {
        return;
    }
    if (fields_ == column_) {
        cellEnd_ = text.size();
    }
    const std::string_view cell = text.substr(cellBegin_, cellEnd_ - cellBegin_);
    if (!cell.starts_with(kQuote)) {
        row.cell = cell;
        return;
    }
    // Inside the quotes "" is one quote; after the closing one, the text is as it stands.
    cell_.clear();
    for (std::size_t position = 1;;) {
        const std::size_t quote = cell.find(kQuote, position);
        cell_.append(cell.substr(position, quote - position));
        if (quote == std::string_view::npos) {
            break;
        }
        if (quote + 1 < cell.size() && cell[quote + 1] == kQuote) {
            cell_ += kQuote;
            position = quote + 2;
        } else {
            cell_.append(cell.substr(quote + 1));
            break;
        }
    }
    row.cell = cell_;
}

bool RowReader::PassOnTooLong(Row& row, std::string_view held, std::string_view cutLine) {
    passOn_.Write(held);
    passOn_.Write(cutLine);
    lines_.RestOfLine(&passOn_);
    row.kind = Row::Kind::TooLong;
    return true;
}

}  // namespace verbalo::cli
