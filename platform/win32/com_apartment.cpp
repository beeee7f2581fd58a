#include "platform/win32/com_apartment.h"

#include "platform/win32/system_library.h"

namespace verbalo::platform::win32 {
namespace {

HRESULT EnterApartment() {
    static const auto initialise =
        SystemFunction<decltype(&CoInitializeEx)>(L"ole32.dll", "CoInitializeEx");
    if (initialise == nullptr) {
        return HRESULT_FROM_WIN32(ERROR_MOD_NOT_FOUND);
    }
    return initialise(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
}

}  // namespace

ComApartment::ComApartment() noexcept : result_(EnterApartment()) {}

ComApartment::~ComApartment() {
    if (SUCCEEDED(result_)) {
        static const auto uninitialise =
            SystemFunction<decltype(&CoUninitialize)>(L"ole32.dll", "CoUninitialize");
        uninitialise();
    }
}

}  // namespace verbalo::platform::win32
