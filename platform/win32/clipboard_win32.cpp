#include "platform/win32/clipboard_win32.h"

#include <cstring>
#include <memory>

#include "platform/win32/text_conversion.h"

namespace verbalo::platform::win32 {
namespace {

// Another program may hold the clipboard open for a moment (a clipboard manager, a remote
// desktop, Wine's bridge to the X clipboard): the copy tries again for about a second before it
// reports a failure.
constexpr int kOpenAttempts = 50;
constexpr DWORD kRetryDelayMs = 20;

// The clipboard, open for as long as the object lives.
class OpenClipboardSession {
  public:
    OpenClipboardSession(HWND owner, const Win32Clipboard::Pause& pause) {
        for (int attempt = 0; attempt < kOpenAttempts && !open_; ++attempt) {
            if (attempt > 0) {
                pause ? pause() : Sleep(kRetryDelayMs);
            }
            open_ = OpenClipboard(owner) != FALSE;
        }
    }
    ~OpenClipboardSession() {
        if (open_) {
            CloseClipboard();
        }
    }
    OpenClipboardSession(const OpenClipboardSession&) = delete;
    OpenClipboardSession& operator=(const OpenClipboardSession&) = delete;

    bool IsOpen() const { return open_; }

  private:
    bool open_ = false;
};

struct GlobalFreer {
    void operator()(void* memory) const { GlobalFree(memory); }
};
using GlobalMemory = std::unique_ptr<void, GlobalFreer>;

// Movable global memory holding the text with its terminator, as SetClipboardData wants it.
GlobalMemory CopyToGlobalMemory(const std::wstring& text) {
    const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    GlobalMemory memory(GlobalAlloc(GMEM_MOVEABLE, bytes));
    if (!memory) {
        return memory;
    }
    void* locked = GlobalLock(memory.get());
    if (locked == nullptr) {
        return nullptr;
    }
    std::memcpy(locked, text.c_str(), bytes);
    GlobalUnlock(memory.get());
    return memory;
}

}  // namespace

bool Win32Clipboard::ClearAndSetText(std::string_view text) {
    if (owner_ == nullptr || IsWindow(owner_) == FALSE) {
        return false;
    }
    GlobalMemory memory = CopyToGlobalMemory(Utf8ToWide(text));
    if (!memory) {
        return false;
    }
    OpenClipboardSession session(owner_, pause_);
    if (!session.IsOpen() || !EmptyClipboard() ||
        SetClipboardData(CF_UNICODETEXT, memory.get()) == nullptr) {
        return false;
    }
    memory.release();  // the clipboard owns it now
    return true;
}

}  // namespace verbalo::platform::win32
