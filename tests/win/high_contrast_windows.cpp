// Shows one of the three windows as it is in a high-contrast black theme, for the pictures of
// scripts/screenshots --high-contrast: Wine keeps no high-contrast setting, so the window is
// given display settings that report one, and the system's colours are those of the theme
// while it runs (the caption, the frame and the system-drawn controls), put back at the end.
//   verbalo-high-contrast-windows main|about|producer
#include <windows.h>

#include <array>
#include <string_view>

#include "info_window_support.h"

namespace {

using namespace verbalo::platform;
using namespace verbalo::platform::win32;

// The system colours of the theme while the object lives.
class HighContrastColours {
  public:
    HighContrastColours() {
        std::array<COLORREF, kElements.size()> theme{};
        for (std::size_t i = 0; i < kElements.size(); ++i) {
            saved_[i] = GetSysColor(kElements[i]);
            const bool text = i < 6;
            theme[i] = i == 6 ? RGB(255, 255, 0) : text ? RGB(255, 255, 255) : RGB(0, 0, 0);
        }
        SetSysColors(static_cast<int>(kElements.size()), kElements.data(), theme.data());
    }
    ~HighContrastColours() {
        SetSysColors(static_cast<int>(kElements.size()), kElements.data(), saved_.data());
    }
    HighContrastColours(const HighContrastColours&) = delete;
    HighContrastColours& operator=(const HighContrastColours&) = delete;

  private:
    // White, yellow for links, then black.
    static constexpr std::array<int, 12> kElements{
        COLOR_WINDOWTEXT,   COLOR_BTNTEXT,    COLOR_CAPTIONTEXT,   COLOR_HIGHLIGHTTEXT,
        COLOR_BTNHIGHLIGHT, COLOR_GRAYTEXT,   COLOR_HOTLIGHT,      COLOR_WINDOW,
        COLOR_BTNFACE,      COLOR_3DDKSHADOW, COLOR_ACTIVECAPTION, COLOR_INACTIVECAPTION};
    std::array<COLORREF, kElements.size()> saved_{};
};

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const std::wstring_view which = argc == 2 ? argv[1] : L"";
    const HighContrastColours colours;
    if (which == L"main") {
        test::MainWindowOnDoubles on;
        on.display_.SwitchToHighContrast();
        if (!on.window_.Create(SW_SHOWNORMAL)) {
            return 1;
        }
        MSG message{};
        while (GetMessageW(&message, nullptr, 0, 0) > 0) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        return 0;
    }
    const test::StandInMainWindow main(100, 100);
    const auto showModal = [&](auto& on, auto& window) {
        on.display_.SwitchToHighContrast();
        window.SetMainWindow(main.hwnd());
        window.ShowModal();
        return 0;
    };
    if (which == L"about") {
        test::AboutWindowOnDoubles on;
        return showModal(on, on.about_);
    }
    if (which == L"producer") {
        test::ProducerWindowOnDoubles on;
        return showModal(on, on.producer_);
    }
    return 2;
}
