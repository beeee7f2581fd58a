#pragma once

#include <cstdint>

namespace verbalo::platform {

// An operating-system window handle, opaque to the portable code.
using WindowHandle = std::uintptr_t;

// Lengths and positions of windows and controls, in twips (1/1440 inch).
using Twips = int;

}  // namespace verbalo::platform
