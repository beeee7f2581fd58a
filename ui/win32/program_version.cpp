#include "ui/win32/program_version.h"

#include <windows.h>

#include <cstddef>
#include <span>

#include "infowindows/version_resource.h"

namespace verbalo::ui::win32 {

std::optional<VersionNumbers> RunningProgramVersion() {
    // The program's own resource, already mapped with it: no file is opened and no DLL loaded
    // (the version calls of VERSION.dll would bring a DLL that the loader looks for in the
    // program's folder first).
    const HRSRC found = FindResourceW(nullptr, MAKEINTRESOURCEW(VS_VERSION_INFO), RT_VERSION);
    if (found == nullptr) {
        return std::nullopt;
    }
    const HGLOBAL loaded = LoadResource(nullptr, found);  // nothing to free: part of the image
    const void* data = loaded != nullptr ? LockResource(loaded) : nullptr;
    if (data == nullptr) {
        return std::nullopt;
    }
    return FileVersionFromResource(
        std::span(static_cast<const std::byte*>(data), SizeofResource(nullptr, found)));
}

}  // namespace verbalo::ui::win32
