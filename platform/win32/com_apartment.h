#pragma once

#include <windows.h>
// After windows.h, which it builds on.
#include <objbase.h>

namespace verbalo::platform::win32 {

// COM for the thread that creates it, for as long as the object lives: a single-threaded
// apartment with OLE1 DDE off, as ShellExecute asks of its callers (the shell may hand a link
// or a file to a COM handler). Made once at start on the user-interface thread.
class ComApartment {
  public:
    ComApartment() noexcept
        : result_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE)) {}
    ~ComApartment() {
        if (SUCCEEDED(result_)) {
            CoUninitialize();
        }
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

    // False when the thread was already in another kind of apartment.
    bool entered() const { return SUCCEEDED(result_); }

  private:
    HRESULT result_;
};

}  // namespace verbalo::platform::win32
