#pragma once

#include "platform/accessibility.h"

namespace verbalo::platform::win32 {

// Dynamic annotation through IAccPropServices, on the thread's COM apartment, and
// NotifyWinEvent. A system without them (before Windows 10 1709 for live regions; Wine, whose
// IAccPropServices answers E_NOTIMPL) leaves the controls as the proxies show them.
class Win32Accessibility final : public Accessibility {
  public:
    void MarkLiveRegion(WindowHandle control) override;
    void LiveRegionChanged(WindowHandle control) override;
    void MarkLink(WindowHandle control) override;
    void NamePicture(WindowHandle control, std::string_view name) override;
    void Forget(WindowHandle control) override;
};

// The one the windows use unless they are given another.
Accessibility& SystemAccessibility();

}  // namespace verbalo::platform::win32
