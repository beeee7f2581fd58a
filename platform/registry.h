#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace verbalo::platform {

// Registry values as the code-page ("A") calls give them.
class Registry {
  public:
    using Key = std::uintptr_t;
    using Status = long;  // 0 means success, as in the Win32 registry calls

    // The predefined roots hold 32-bit values that Win64 sign-extends to the handle's width.
    static constexpr Key kCurrentUser =
        static_cast<Key>(static_cast<std::intptr_t>(static_cast<std::int32_t>(0x80000001u)));
    static constexpr Key kLocalMachine =
        static_cast<Key>(static_cast<std::intptr_t>(static_cast<std::int32_t>(0x80000002u)));

    static constexpr std::uint32_t kTypeString = 1;        // REG_SZ
    static constexpr std::uint32_t kTypeExpandString = 2;  // REG_EXPAND_SZ
    static constexpr std::uint32_t kTypeBinary = 3;        // REG_BINARY
    static constexpr std::uint32_t kTypeDword = 4;         // REG_DWORD
    static constexpr std::uint32_t kTypeMultiString = 7;   // REG_MULTI_SZ

    virtual ~Registry() = default;

    // Opens subKey (UTF-8) below root with the access mask; on success stores the key.
    virtual Status OpenKey(Key root, std::string_view subKey, std::uint32_t access, Key& key) = 0;

    // Reads a value (name in UTF-8) into data; on success sets type and length (bytes stored).
    // Data longer than the buffer is a failure. String data is in the system's ANSI code page.
    virtual Status QueryValue(Key key, std::string_view valueName, std::uint32_t& type,
                              std::span<std::uint8_t> data, std::uint32_t& length) = 0;

    virtual void CloseKey(Key key) = 0;

    // Turns string data as QueryValue gives it (the system's ANSI code page) into UTF-8.
    virtual std::string TextFromCodePage(std::string_view codePageText) const = 0;
};

// Closes an open registry key when it goes out of scope.
class ScopedRegistryKey {
  public:
    ScopedRegistryKey(Registry& registry, Registry::Key key) : registry_(registry), key_(key) {}
    ~ScopedRegistryKey() { registry_.CloseKey(key_); }
    ScopedRegistryKey(const ScopedRegistryKey&) = delete;
    ScopedRegistryKey& operator=(const ScopedRegistryKey&) = delete;

    Registry::Key get() const { return key_; }

  private:
    Registry& registry_;
    Registry::Key key_;
};

}  // namespace verbalo::platform
