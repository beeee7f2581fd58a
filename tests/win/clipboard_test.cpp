// The Windows clipboard service on the real clipboard: owned by the program's window, text in
// Unicode, waiting a moment for another program that holds it open, and left as it was when a
// copy cannot be made.
#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <string>
#include <thread>

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

// Another thread keeps the clipboard open until it is let go, as a clipboard manager or Wine's
// bridge to the X clipboard does when it takes over a new text.
class ClipboardHeldElsewhere {
  public:
    // Returns once the other thread has tried to open the clipboard. (Promises, not a
    // std::binary_semaphore: MinGW's GCC 12 can lose the semaphore's wake-up and wait forever.)
    ClipboardHeldElsewhere() {
        std::promise<bool> opened;
        std::future<bool> tried = opened.get_future();
        holder_ = std::thread([this, opened = std::move(opened)]() mutable {
            const bool open = OpenClipboard(nullptr) != FALSE;
            opened.set_value(open);
            letGo_.get_future().wait();
            if (open) {
                CloseClipboard();
            }
            closed_.set_value();
        });
        opened_ = tried.get();
    }
    ~ClipboardHeldElsewhere() {
        LetGo();
        holder_.join();
    }
    ClipboardHeldElsewhere(const ClipboardHeldElsewhere&) = delete;
    ClipboardHeldElsewhere& operator=(const ClipboardHeldElsewhere&) = delete;
    bool Opened() const { return opened_; }

    // The clipboard is closed when this returns.
    void LetGo() {
        if (!letGone_) {
            letGone_ = true;
            letGo_.set_value();
            closed_.get_future().wait();
        }
    }

  private:
    std::promise<void> letGo_;
    std::promise<void> closed_;
    bool letGone_ = false;
    bool opened_ = false;
    std::thread holder_;
};

// Held through twenty of the copy's pauses of 20 ms, 400 ms in all, then let go: the copy gets it.
TEST_F(ClipboardTest, ACopyWaitsForAClipboardHeldOpenForAMoment) {
    ClipboardHeldElsewhere held;
    ASSERT_TRUE(held.Opened());
    int pauses = 0;
    Win32Clipboard clipboard(owner_, [&] {
        Sleep(20);
        if (++pauses == 20) {
            held.LetGo();
        }
    });
    EXPECT_TRUE(clipboard.ClearAndSetText("Dodici / 00"));
    EXPECT_EQ(pauses, 20);
    EXPECT_EQ(ClipboardText(), L"Dodici / 00");
}

// Held until the copy has given up, after its every attempt: the copy fails, the text stays.
TEST_F(ClipboardTest, AClipboardHeldOpenTooLongFailsTheCopyAndKeepsItsText) {
    Win32Clipboard clipboard(owner_);
    ASSERT_TRUE(clipboard.ClearAndSetText("before"));
    {
        ClipboardHeldElsewhere held;
        ASSERT_TRUE(held.Opened());
        EXPECT_FALSE(clipboard.ClearAndSetText("after"));
    }
    EXPECT_EQ(ClipboardText(), L"before");
}

}  // namespace
}  // namespace verbalo::platform::win32
