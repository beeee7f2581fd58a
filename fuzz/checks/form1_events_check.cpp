#include <algorithm>
#include <cmath>
#include <string>
#include <string_view>

#include "fuzz/checks/fuzz_checks.h"
#include "fuzz/checks/require.h"
#include "mainwindow/amount_echo.h"
#include "mainwindow/fakes/fake_form1_window.h"
#include "resources/form1_layout.h"
#include "resources/main_window_texts.h"
#include "wording/amount_text.h"
#include "wording/letter_case.h"
#include "wording/wording_error.h"

namespace verbalo::fuzz {
namespace {

using testing::Form1Fixture;
namespace layout = form1_layout;

// A change, and one nested change for each character cut: a field of 15 characters whose
// number has more than 12 integer digits loses at most 3.
constexpr int kDeepestChangeNesting = 1 + layout::kAmountMaxLength - 12;

class Bytes {
  public:
    Bytes(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    bool AtEnd() const { return pos_ == size_; }
    std::uint8_t Next() { return AtEnd() ? 0 : data_[pos_++]; }
    std::string Text(std::size_t length) {
        const std::size_t taken = std::min(length, size_ - pos_);
        const std::string text(reinterpret_cast<const char*>(data_ + pos_), taken);
        pos_ += taken;
        return text;
    }

  private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

enum class Event {
    Key,
    Paste,
    MoveFocusToOwnWindow,
    FocusAmount,
    ProcessPendingEvents,
    MoveFocusToOtherApplication,
    ReturnFromOtherApplication,
    Activate,
    CaseMenu,
    Resize,
    MinimizeOrRestore,
    HoldOrFreeClipboard,
    MoveCaret,
    NotifyUnchangedText,
};
constexpr int kEventCount = static_cast<int>(Event::NotifyUnchangedText) + 1;

// What the window held before an event, to compare with after it.
struct Before {
    int clipboardWrites;
    std::size_t messagesShown;
};

bool IsErrorMessage(std::string_view text) {
    return text == ErrorMessage(WordingError::InvalidAmount) ||
           text == ErrorMessage(WordingError::AmountTooLarge);
}

// Carries out one event; true when the window's size rules ran last.
bool Run(Event event, Bytes& in, Form1Fixture& f) {
    switch (event) {
        case Event::Key:
            f.window.Type(static_cast<char>(in.Next()));
            return false;
        case Event::Paste:
            f.window.Paste(in.Text(in.Next() % 48));
            return false;
        case Event::MoveFocusToOwnWindow:
            f.window.MoveFocusToOwnWindow();
            return false;
        case Event::FocusAmount:
            f.window.FocusAmount();
            return false;
        case Event::ProcessPendingEvents:
            f.window.ProcessPendingEvents();
            return false;
        case Event::MoveFocusToOtherApplication:
            f.window.MoveFocusToOtherApplication();
            return false;
        case Event::ReturnFromOtherApplication:
            f.window.ReturnFromOtherApplication();
            return false;
        case Event::Activate:
            f.form.Form_Activate(OtherWindow::ThisProgram);
            return false;
        case Event::CaseMenu: {
            const std::uint8_t low = in.Next();
            f.form.Mu_Case_Click(static_cast<std::int16_t>(low | (in.Next() << 8)));
            return false;
        }
        case Event::Resize: {
            const int width = 1000 + in.Next() * 40;
            const int height = 500 + in.Next() * 20;
            const bool changes = width != f.window.outerWidth || height != f.window.outerHeight;
            f.window.Resize(width, height);
            return changes && !f.window.minimizedOrMaximized;
        }
        case Event::MinimizeOrRestore:
            f.window.minimizedOrMaximized = !f.window.minimizedOrMaximized;
            f.form.Form_Resize();
            return !f.window.minimizedOrMaximized;
        case Event::HoldOrFreeClipboard:
            f.clipboard.held = !f.clipboard.held;
            return false;
        case Event::MoveCaret:
            f.window.SetAmountCaret(in.Next() % (layout::kAmountMaxLength + 2));
            return false;
        case Event::NotifyUnchangedText:
            f.window.NotifyUnchangedText();
            return false;
    }
    return false;
}

void CheckWindow(const Form1Fixture& f, const Before& before, bool sizeRulesRanLast) {
    const auto& window = f.window;
    Require(platform::Utf16Length(window.amountText) <= layout::kAmountMaxLength,
            "the field holds at most 15 characters");
    Require(std::floor(LeadingNumber(window.amountText)) <= static_cast<double>(kMaxIntegerPart),
            "after the cut, the integer part is at most 999.999.999.999");
    Require(window.echo == FormatAmount(window.amountText, f.locale.DecimalSeparator()),
            "the echo follows the field");
    const auto styled = ApplyCaseStyle(f.form.wording(), f.form.caseStyle());
    Require(window.output.empty() || (styled && window.output == *styled),
            "the output box is empty or shows the wording in the current style");
    Require(window.status.empty() || window.status == texts::kCopied ||
                window.status == texts::kCopyFailed,
            "the status line is empty or one of its texts");
    const auto isWindowHeight = [](int height) {
        return height == layout::kCollapsedHeight || height == layout::kExpandedHeight;
    };
    Require(isWindowHeight(f.form.windowHeight()), "the window is collapsed or expanded");
    if (!window.minimizedOrMaximized) {
        Require(isWindowHeight(window.outerHeight), "the window keeps one of its two heights");
    }
    if (sizeRulesRanLast) {
        Require(window.outerHeight == f.form.windowHeight() &&
                    window.outerWidth >= layout::kMinimumOuterWidth,
                "after the size rules, the window has their height and at least their width");
    }
    Require(window.deepestChangeNesting <= kDeepestChangeNesting,
            "change handlers nest one level for each character cut");
    if (f.clipboard.writes > before.clipboardWrites && !f.clipboard.held) {
        Require(f.clipboard.contents == window.output, "the clipboard holds the wording shown");
    }
    for (std::size_t i = before.messagesShown; i < f.dialogs.shown.size(); ++i) {
        Require(IsErrorMessage(f.dialogs.shown[i].text), "a message tells why an amount fails");
    }
}

}  // namespace

// The first byte's lowest bit chooses the system's separator; then each event is a byte,
// followed by the bytes it takes.
void CheckForm1Events(const std::uint8_t* data, std::size_t size) {
    Bytes in(data, size);
    Form1Fixture f((in.Next() & 1) != 0 ? '.' : ',');
    // A message box takes the focus and runs the posted events; closing it activates the
    // window again and gives the field back the focus.
    f.dialogs.whileShown = [&f] {
        f.window.MoveFocusToOwnWindow();
        f.window.ProcessPendingEvents();
        f.form.Form_Activate(OtherWindow::ThisProgram);
        f.window.FocusAmount();
    };
    CheckWindow(f, {0, 0}, true);
    while (!in.AtEnd()) {
        const Before before{f.clipboard.writes, f.dialogs.shown.size()};
        const auto event = static_cast<Event>(in.Next() % kEventCount);
        CheckWindow(f, before, Run(event, in, f));
    }
}

}  // namespace verbalo::fuzz
