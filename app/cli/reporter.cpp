#include "app/cli/reporter.h"

#include <algorithm>
#include <charconv>

#include "app/cli/console_texts.h"

namespace verbalo::cli {

void Reporter::Tell(std::initializer_list<std::string_view> pieces) {
    Begin();
    for (const std::string_view piece : pieces) {
        Put(piece);
    }
    End();
}

void Reporter::TellRow(std::size_t row, std::initializer_list<std::string_view> pieces) {
    Begin();
    Put(texts::kRowReport);
    Put(DecimalText(row));
    Put(": ");
    for (const std::string_view piece : pieces) {
        Put(piece);
    }
    End();
}

void Reporter::Begin() {
    if (answers_ != nullptr) {
        answers_->Flush();
    }
    anyTold_ = true;
    Put(kProgramName);
    Put(": ");
}

void Reporter::End() {
    Put("\n");
    err_.Write({line_.data(), used_});
    used_ = 0;
}

void Reporter::Put(std::string_view text) {
    while (!text.empty()) {
        if (used_ == line_.size()) {
            err_.Write({line_.data(), used_});
            used_ = 0;
        }
        const std::size_t size = std::min(text.size(), line_.size() - used_);
        std::copy_n(text.data(), size, line_.data() + used_);
        used_ += size;
        text.remove_prefix(size);
    }
}

DecimalText::DecimalText(std::size_t number) {
    size_ = static_cast<std::size_t>(
        std::to_chars(digits_.data(), digits_.data() + digits_.size(), number).ptr -
        digits_.data());
}

}  // namespace verbalo::cli
