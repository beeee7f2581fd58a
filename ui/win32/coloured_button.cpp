#include "ui/win32/coloured_button.h"

#include <string>

namespace verbalo::ui::win32 {
namespace {

constexpr int kFocusInset = 4;  // pixels between the edge and the focus rectangle

std::wstring Caption(HWND button) {
    wchar_t text[128] = {};
    GetWindowTextW(button, text, 128);
    return text;
}

}  // namespace

ColouredButton::ColouredButton(HWND button, const colours::TextColours& colours,
                               const ThemeColours& theme)
    : hwnd_(button), colours_(colours), theme_(theme) {
    // The dialog keys would make a push button the default one by changing its style, which
    // would end the owner drawing: this button says it is no push button.
    subclass_ = std::make_unique<WindowSubclass>(
        hwnd_, [this](UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
            if (message != WM_GETDLGCODE) {
                return false;
            }
            result = WindowSubclass::CallControl(hwnd_, message, wParam, lParam) &
                     ~static_cast<LRESULT>(DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON);
            return true;
        });
}

void ColouredButton::Draw(const DRAWITEMSTRUCT& item) const {
    const HDC dc = item.hDC;
    RECT rect = item.rcItem;
    const bool pressed = (item.itemState & ODS_SELECTED) != 0;
    FillRect(dc, &rect, theme_.BrushOf(colours_.background));
    DrawEdge(dc, &rect, pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);

    RECT text = rect;
    if (pressed) {
        OffsetRect(&text, 1, 1);
    }
    const auto font = reinterpret_cast<HFONT>(SendMessageW(item.hwndItem, WM_GETFONT, 0, 0));
    const HGDIOBJ previousFont = font != nullptr ? SelectObject(dc, font) : nullptr;
    SetBkMode(dc, TRANSPARENT);
    const bool disabled = (item.itemState & ODS_DISABLED) != 0;
    SetTextColor(dc, disabled ? GetSysColor(COLOR_GRAYTEXT) : theme_.Colour(colours_.text));
    const std::wstring caption = Caption(item.hwndItem);
    // The keyboard cues: the access key underlined and the focus rectangle only while shown.
    const UINT accessKey = (item.itemState & ODS_NOACCEL) != 0 ? DT_HIDEPREFIX : 0;
    DrawTextW(dc, caption.c_str(), -1, &text, DT_CENTER | DT_VCENTER | DT_SINGLELINE | accessKey);
    if (previousFont != nullptr) {
        SelectObject(dc, previousFont);
    }

    if ((item.itemState & (ODS_FOCUS | ODS_NOFOCUSRECT)) == ODS_FOCUS) {
        RECT focus = rect;
        InflateRect(&focus, -kFocusInset, -kFocusInset);
        DrawFocusRect(dc, &focus);
    }
}

}  // namespace verbalo::ui::win32
