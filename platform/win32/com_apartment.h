#pragma once

#include <windows.h>
// After windows.h, which it builds on.
#include <objbase.h>

namespace verbalo::platform::win32 {

// COM for the thread that creates it, for as long as the object lives: a single-threaded
// apartment with OLE1 DDE off, as ShellExecute asks of its callers (the shell may hand a link
// or a file to a COM handler). The shell makes one on the user-interface thread before its first
// ShellExecute (Win32Shell), and the accessibility service before its first annotation
// (Win32Accessibility). COM's DLL is loaded by the first one.
class ComApartment {
  public:
    ComApartment() noexcept;
    ~ComApartment();
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

    // False when the thread was already in another kind of apartment, or COM is missing.
    bool entered() const { return SUCCEEDED(result_); }

  private:
    HRESULT result_;
};

}  // namespace verbalo::platform::win32
