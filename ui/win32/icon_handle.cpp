#include "ui/win32/icon_handle.h"

#include "ui/win32/gdi_objects.h"

namespace verbalo::ui::win32 {

IconHandle LoadIconResource(HINSTANCE instance, int id, int size) {
    return IconHandle(static_cast<HICON>(
        LoadImageW(instance, MAKEINTRESOURCEW(id), IMAGE_ICON, size, size, LR_DEFAULTCOLOR)));
}

IconHandle CursorFromIcon(HICON icon) {
    if (icon == nullptr) {
        return nullptr;
    }
    ICONINFO info{};
    if (!GetIconInfo(icon, &info)) {
        return nullptr;
    }
    // GetIconInfo hands over copies of the icon's bitmaps: they are ours to delete.
    const GdiObject<HBITMAP> mask(info.hbmMask);
    const GdiObject<HBITMAP> colour(info.hbmColor);
    BITMAP bitmap{};
    GetObjectW(info.hbmMask, sizeof(bitmap), &bitmap);
    const int height = info.hbmColor != nullptr ? bitmap.bmHeight : bitmap.bmHeight / 2;
    info.fIcon = FALSE;
    info.xHotspot = static_cast<DWORD>(bitmap.bmWidth / 2);
    info.yHotspot = static_cast<DWORD>(height / 2);
    return IconHandle(CreateIconIndirect(&info));
}

}  // namespace verbalo::ui::win32
