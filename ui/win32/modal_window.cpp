#include "ui/win32/modal_window.h"

#include <algorithm>

#include "platform/win32/text_conversion.h"
#include "ui/win32/window_class.h"

namespace verbalo::ui::win32 {

using platform::win32::Utf8ToWide;
namespace {

// No resizing, no minimize or maximize box; the close box stays.
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;

}  // namespace

ModalWindow::ModalWindow(HINSTANCE instance, const ModalWindowFrame& frame,
                         std::vector<Command> commands, const platform::DisplaySettings& display)
    : instance_(instance), frame_(frame), commands_(std::move(commands)), theme_(display) {}

ModalWindow::~ModalWindow() {
    if (hwnd_ != nullptr) {
        SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
        DestroyWindow(hwnd_);
    }
}

bool ModalWindow::Load() {
    if (hwnd_ != nullptr) {
        return true;
    }
    RegisterWindowClassOnce(instance_, {frame_.className, &ModalWindow::WindowProc,
                                        LoadIconW(instance_, MAKEINTRESOURCEW(frame_.iconId))});
    focus_ = nullptr;
    scale_ = TwipsScale(mainWindow_ != nullptr ? DpiOfWindow(mainWindow_) : TwipsScale().dpi());
    if (CreateWindowForClientSize(instance_, frame_.className, Utf8ToWide(frame_.caption).c_str(),
                                  kStyle, frame_.exStyle, scale_.ToPixels(frame_.clientWidth),
                                  scale_.ToPixels(frame_.clientHeight), mainWindow_,
                                  this) == nullptr) {
        return false;
    }
    OnLoaded();
    return true;
}

void ModalWindow::ShowModal() {
    if (!Load()) {
        return;
    }
    ModalSession session(hwnd_, modal_);
    if (!session.Run([this] { return hwnd_ == nullptr; })) {
        Close();  // the program is ending
    }
}

void ModalWindow::Unload() {
    if (hwnd_ == nullptr) {
        return;
    }
    if (modal_ != nullptr) {
        // The other windows take input again before this one goes, so that the system hands
        // the activation back to them.
        modal_->ReleaseOthers();
    }
    DestroyWindow(hwnd_);
}

LRESULT ModalWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            controls_ = CreateControls();
            return 0;
        case WM_COMMAND:
            RunCommand(LOWORD(wParam), HIWORD(wParam));
            return 0;
        case WM_CTLCOLORSTATIC:
            if (controls_ != nullptr) {
                if (const HBRUSH brush = controls_->colors.Apply(
                        reinterpret_cast<HWND>(lParam), reinterpret_cast<HDC>(wParam), theme_)) {
                    return reinterpret_cast<LRESULT>(brush);
                }
            }
            break;
        case WM_ERASEBKGND: {
            RECT client{};
            GetClientRect(hwnd_, &client);
            FillRect(reinterpret_cast<HDC>(wParam), &client, theme_.BrushOf(frame_.background));
            return 1;
        }
        case WM_SYSCOLORCHANGE:
        case WM_SETTINGCHANGE:
            RepaintInNewColours(hwnd_);
            break;
        case WM_ACTIVATE:
            OnActivate(LOWORD(wParam) != WA_INACTIVE);
            return 0;
        case WM_CLOSE:
            Close();
            return 0;
        case WM_DPICHANGED:
            OnDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
            return 0;
        case WM_NCDESTROY:
            controls_.reset();
            break;
        default:
            if (const std::optional<LRESULT> result = OnOtherMessage(message, wParam, lParam)) {
                return *result;
            }
            break;
    }
    return DefWindowProcW(hwnd_, message, wParam, lParam);
}

std::optional<LRESULT> ModalWindow::OnOtherMessage(UINT, WPARAM, LPARAM) {
    return std::nullopt;
}

void ModalWindow::RunCommand(WORD id, WORD notification) const {
    // A label's click, STN_CLICKED, has the code of a button's.
    const bool key = id == IDOK || id == IDCANCEL;
    if (!key && notification != BN_CLICKED && notification != BN_DOUBLECLICKED) {
        return;
    }
    const auto command = std::ranges::find(commands_, static_cast<int>(id), &Command::id);
    if (command != commands_.end()) {
        command->run();
    }
}

void ModalWindow::OnDpiChanged(int dpi, const RECT& suggested) {
    scale_ = TwipsScale(dpi);
    if (controls_ != nullptr) {
        controls_->layout.MoveToDpi(hwnd_, scale_, suggested);
    }
}

void ModalWindow::Close() {
    OnClosing();
    Unload();
}

void ModalWindow::OnActivate(bool active) {
    if (controls_ == nullptr) {
        return;
    }
    if (!active) {
        const HWND focus = GetFocus();
        focus_ = focus != nullptr && IsChild(hwnd_, focus) ? focus : nullptr;
        return;
    }
    SetFocus(focus_ != nullptr && IsWindow(focus_) ? focus_ : controls_->firstFocus);
}

}  // namespace verbalo::ui::win32
