#include "platform/win32/dialog_message_dispatch.h"

namespace verbalo::platform::win32 {
namespace {

thread_local HWND modalWindow = nullptr;

}  // namespace

ModalDialogScope::ModalDialogScope(HWND window) : previous_(modalWindow) {
    modalWindow = window;
}

ModalDialogScope::~ModalDialogScope() {
    modalWindow = previous_;
}

void DispatchThreadMessage(MSG& message) {
    if (modalWindow != nullptr && IsWindow(modalWindow) &&
        IsDialogMessageW(modalWindow, &message)) {
        return;
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

}  // namespace verbalo::platform::win32
