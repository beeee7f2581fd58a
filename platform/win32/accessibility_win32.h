#pragma once

#include <optional>
#include <set>

#include "platform/accessibility.h"
#include "platform/win32/com_apartment.h"

namespace verbalo::platform::win32 {

// Dynamic annotation through IAccPropServices, on the thread's COM apartment, and
// NotifyWinEvent. A system without them (before Windows 10 1709 for live regions; Wine, whose
// IAccPropServices answers E_NOTIMPL) leaves the controls as the proxies show them.
//
// COM, which the annotation service needs, is entered on the calling (user-interface) thread at
// the first annotation, and ole32 is loaded from the system folder then: the main window's start
// needs neither. A live region is therefore annotated just before its first change is
// announced, which is when a screen reader asks for its setting.
class Win32Accessibility final : public Accessibility {
  public:
    void MarkLiveRegion(WindowHandle control) override;
    void LiveRegionChanged(WindowHandle control) override;
    void MarkLink(WindowHandle control) override;
    void NamePicture(WindowHandle control, std::string_view name) override;
    void Forget(WindowHandle control) override;

  private:
    // Enters COM on first use; false where it cannot be entered.
    bool ComReady();

    std::optional<ComApartment> com_;
    // Live regions marked but not annotated yet.
    std::set<WindowHandle> pendingLiveRegions_;
};

// The one the windows use unless they are given another.
Accessibility& SystemAccessibility();

}  // namespace verbalo::platform::win32
