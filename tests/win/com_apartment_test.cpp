// COM for the user-interface thread, as the shell asks of its callers: up before the shell runs.
#include <windows.h>
// After windows.h, which it builds on.
#include <objbase.h>

#include <gtest/gtest.h>

#include "platform/win32/com_apartment.h"
#include "platform/win32/shell_win32.h"

namespace verbalo::platform::win32 {
namespace {

// How a second initialisation of the thread answers: S_FALSE inside a single-threaded
// apartment, RPC_E_CHANGED_MODE when asked for another model, S_OK when there was none.
HRESULT InitialiseAgain(DWORD model) {
    const HRESULT result = CoInitializeEx(nullptr, model);
    if (SUCCEEDED(result)) {
        CoUninitialize();
    }
    return result;
}

TEST(ComApartment, PutsTheThreadInASingleThreadedApartmentForItsLifetime) {
    {
        const ComApartment com;
        ASSERT_TRUE(com.entered());
        EXPECT_EQ(InitialiseAgain(COINIT_APARTMENTTHREADED), S_FALSE);
        EXPECT_EQ(InitialiseAgain(COINIT_MULTITHREADED), RPC_E_CHANGED_MODE);
    }
    EXPECT_EQ(InitialiseAgain(COINIT_MULTITHREADED), S_OK) << "left when the object went";
}

TEST(ComApartment, IsEnteredByTheShellAtItsFirstUseUntilItGoes) {
    {
        Win32Shell shell;
        EXPECT_EQ(InitialiseAgain(COINIT_MULTITHREADED), S_OK) << "not before the shell is used";
        EXPECT_LE(
            shell.Execute(0, "C:\\no such folder\\no such file.txt", "C:\\", Shell::kShowNormal),
            Shell::kLastError);
        EXPECT_EQ(InitialiseAgain(COINIT_MULTITHREADED), RPC_E_CHANGED_MODE);
        EXPECT_EQ(InitialiseAgain(COINIT_APARTMENTTHREADED), S_FALSE);
    }
    EXPECT_EQ(InitialiseAgain(COINIT_MULTITHREADED), S_OK) << "left when the shell went";
}

}  // namespace
}  // namespace verbalo::platform::win32
