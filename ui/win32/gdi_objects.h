#pragma once

#include <windows.h>

#include <memory>
#include <type_traits>

namespace verbalo::ui::win32 {

struct GdiObjectDeleter {
    void operator()(HGDIOBJ object) const { DeleteObject(object); }
};

// A font, brush or other GDI object, deleted with its owner.
template <class Handle>
using GdiObject = std::unique_ptr<std::remove_pointer_t<Handle>, GdiObjectDeleter>;

using Font = GdiObject<HFONT>;
using Brush = GdiObject<HBRUSH>;

struct IconDeleter {
    void operator()(HICON icon) const { DestroyIcon(icon); }
};

// An icon or a cursor made by the program (not a shared one from LoadIcon), destroyed with its
// owner.
using IconHandle = std::unique_ptr<std::remove_pointer_t<HICON>, IconDeleter>;

}  // namespace verbalo::ui::win32
