#pragma once

#include <optional>

#include "infowindows/about_texts.h"

namespace verbalo::ui::win32 {

// The file version of the running program, from its version resource: the first, second and
// fourth numbers (18.3.0.12 gives 18, 3 and 12). No value when the program has none.
std::optional<VersionNumbers> RunningProgramVersion();

}  // namespace verbalo::ui::win32
