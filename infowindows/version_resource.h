#pragma once

#include <cstddef>
#include <optional>
#include <span>

#include "infowindows/about_texts.h"

namespace verbalo {

// The file version in a program's version resource, as the resource holds it (a VS_VERSIONINFO
// block: its length, the length of its value, its type, the key "VS_VERSION_INFO" in UTF-16,
// padding to 32 bits, then a VS_FIXEDFILEINFO, all little-endian): the first, second and fourth
// numbers (18.3.0.12 gives 18, 3 and 12). No value for bytes that are not such a block, or
// one cut short.
std::optional<VersionNumbers> FileVersionFromResource(std::span<const std::byte> resource);

}  // namespace verbalo
