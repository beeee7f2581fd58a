#pragma once

#include "platform/registry.h"

namespace verbalo::platform::win32 {

// The registry through advapi32's code-page calls: key paths and value names go out in the
// system's ANSI code page, string data comes back in it.
class Win32Registry final : public Registry {
  public:
    Status OpenKey(Key root, std::string_view subKey, std::uint32_t access, Key& key) override;
    Status QueryValue(Key key, std::string_view valueName, std::uint32_t& type,
                      std::span<std::uint8_t> data, std::uint32_t& length) override;
    void CloseKey(Key key) override;
    std::string TextFromCodePage(std::string_view codePageText) const override;
};

}  // namespace verbalo::platform::win32
