// The Windows clipboard service on the real clipboard: owned by the program's window, text in
// Unicode, and left as it was when a copy cannot be made.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "platform/win32/clipboard_win32.h"

namespace verbalo::platform::win32 {
namespace {

std::wstring ClipboardText() {
    std::wstring text;
    if (OpenClipboard(nullptr) == FALSE) {
        return L"(not opened)";
    }
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* locked = static_cast<const wchar_t*>(GlobalLock(data))) {
            text = locked;
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

class ClipboardTest : public ::testing::Test {
  protected:
    void SetUp() override {
        owner_ = CreateWindowExW(0, L"STATIC", L"owner", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
        ASSERT_NE(owner_, nullptr);
    }
    void TearDown() override { DestroyWindow(owner_); }
    HWND owner_ = nullptr;
};

TEST_F(ClipboardTest, TheTextGoesOnOwnedByTheProgramsWindow) {
    Win32Clipboard clipboard;
    clipboard.SetOwner(owner_);
    ASSERT_TRUE(clipboard.ClearAndSetText("Dodici / 00 \xC3\xA8 \xE2\x82\xAC"));
    EXPECT_EQ(GetClipboardOwner(), owner_);
    EXPECT_EQ(ClipboardText(), L"Dodici / 00 \u00E8 \u20AC");
}

TEST_F(ClipboardTest, WithNoWindowToOwnItTheClipboardIsLeftAsItWas) {
    Win32Clipboard owned(owner_);
    ASSERT_TRUE(owned.ClearAndSetText("before"));
    Win32Clipboard ownerless;
    EXPECT_FALSE(ownerless.ClearAndSetText("after"));
    EXPECT_EQ(ClipboardText(), L"before");
    EXPECT_EQ(GetClipboardOwner(), owner_);
}

}  // namespace
}  // namespace verbalo::platform::win32
