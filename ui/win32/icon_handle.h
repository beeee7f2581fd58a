#pragma once

#include <windows.h>

#include <memory>
#include <type_traits>

namespace verbalo::ui::win32 {

struct IconDeleter {
    void operator()(HICON icon) const { DestroyIcon(icon); }
};

// An icon or a cursor made by the program (not a shared one from LoadIcon), destroyed with its
// owner.
using IconHandle = std::unique_ptr<std::remove_pointer_t<HICON>, IconDeleter>;

// An icon resource of the program at a size, or nothing when it cannot be loaded.
IconHandle LoadIconResource(HINSTANCE instance, int id, int size);

// A mouse pointer with the picture of an icon, its hot spot in the middle.
IconHandle CursorFromIcon(HICON icon);

}  // namespace verbalo::ui::win32
