#include "platform/win32/accessibility_win32.h"

#include <windows.h>
// After windows.h, which they build on.
#include <initguid.h>
#include <oleacc.h>

#include <array>
#include <string>

#include "platform/win32/system_library.h"
#include "platform/win32/text_conversion.h"

namespace verbalo::platform::win32 {
namespace {

// UI Automation's LiveSetting property, and its value Polite (UIAutomationCore.h).
DEFINE_GUID(kLiveSettingProperty, 0xc12bcd8e, 0x2a8e, 0x4950, 0x8a, 0xe7, 0x36, 0x25, 0x11, 0x1d,
            0x58, 0xeb);
constexpr LONG kLivePolite = 1;
// Windows 8's event (winuser.h names it EVENT_OBJECT_LIVEREGIONCHANGED for Windows 8 and later).
constexpr DWORD kLiveRegionChanged = 0x8019;

HWND HwndOf(WindowHandle control) {
    return reinterpret_cast<HWND>(control);
}

// Calls use with the annotation service, if the system has one. COM must be entered.
template <class Use>
void WithPropServices(Use use) {
    static const auto create =
        SystemFunction<decltype(&CoCreateInstance)>(L"ole32.dll", "CoCreateInstance");
    IAccPropServices* services = nullptr;
    if (create != nullptr &&
        SUCCEEDED(create(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER, IID_IAccPropServices,
                         reinterpret_cast<void**>(&services)))) {
        use(*services);
        services->Release();
    }
}

void SetNumber(WindowHandle control, const MSAAPROPID& property, LONG value) {
    WithPropServices([&](IAccPropServices& services) {
        VARIANT number{};
        number.vt = VT_I4;
        number.lVal = value;
        services.SetHwndProp(HwndOf(control), static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                             property, number);
    });
}

}  // namespace

bool Win32Accessibility::ComReady() {
    if (!com_) {
        com_.emplace();
    }
    return com_->entered();
}

void Win32Accessibility::MarkLiveRegion(WindowHandle control) {
    pendingLiveRegions_.insert(control);
}

void Win32Accessibility::LiveRegionChanged(WindowHandle control) {
    if (pendingLiveRegions_.erase(control) != 0 && ComReady()) {
        SetNumber(control, kLiveSettingProperty, kLivePolite);
    }
    NotifyWinEvent(kLiveRegionChanged, HwndOf(control), OBJID_CLIENT, CHILDID_SELF);
}

void Win32Accessibility::MarkLink(WindowHandle control) {
    if (ComReady()) {
        SetNumber(control, PROPID_ACC_ROLE, ROLE_SYSTEM_LINK);
    }
}

void Win32Accessibility::NamePicture(WindowHandle control, std::string_view name) {
    if (!ComReady()) {
        return;
    }
    const std::wstring text = Utf8ToWide(name);
    WithPropServices([&](IAccPropServices& services) {
        services.SetHwndPropStr(HwndOf(control), static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                PROPID_ACC_NAME, text.c_str());
        VARIANT role{};
        role.vt = VT_I4;
        role.lVal = ROLE_SYSTEM_GRAPHIC;
        services.SetHwndProp(HwndOf(control), static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                             PROPID_ACC_ROLE, role);
    });
}

void Win32Accessibility::Forget(WindowHandle control) {
    if (pendingLiveRegions_.erase(control) != 0 || !com_ || !com_->entered()) {
        return;  // never annotated
    }
    WithPropServices([&](IAccPropServices& services) {
        std::array<MSAAPROPID, 3> properties{kLiveSettingProperty, PROPID_ACC_ROLE,
                                             PROPID_ACC_NAME};
        services.ClearHwndProps(HwndOf(control), static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                properties.data(), static_cast<int>(properties.size()));
    });
}

Accessibility& SystemAccessibility() {
    static Win32Accessibility accessibility;
    return accessibility;
}

}  // namespace verbalo::platform::win32
