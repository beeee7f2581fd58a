#pragma once

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/registry.h"

namespace verbalo::platform {

// A registry in memory that answers as advapi32 does: key paths and value names match without
// regard to case, a value longer than the caller's buffer fails with ERROR_MORE_DATA and reports
// the length it needs, and a key once opened must be closed. String data is taken to be in
// Latin-1, the code page the tests assume, so that the conversion to UTF-8 shows.
class FakeRegistry : public Registry {
  public:
    static constexpr Status kFileNotFound = 2;   // ERROR_FILE_NOT_FOUND
    static constexpr Status kAccessDenied = 5;   // ERROR_ACCESS_DENIED
    static constexpr Status kMoreData = 234;     // ERROR_MORE_DATA
    static constexpr Status kInvalidHandle = 6;  // ERROR_INVALID_HANDLE

    struct Value {
        std::uint32_t type = 0;
        std::vector<std::uint8_t> data;
    };

    // Stores a value, creating its key.
    void SetValue(Key root, std::string_view subKey, std::string_view name, std::uint32_t type,
                  std::vector<std::uint8_t> data) {
        keys_[KeyPath(root, subKey)][Lower(name)] = Value{type, std::move(data)};
    }
    // A REG_SZ value with its terminating NUL, as RegSetValueEx stores it.
    void SetString(Key root, std::string_view subKey, std::string_view name,
                   std::string_view text) {
        std::vector<std::uint8_t> data(text.begin(), text.end());
        data.push_back(0);
        SetValue(root, subKey, name, kTypeString, std::move(data));
    }
    void SetDword(Key root, std::string_view subKey, std::string_view name, std::uint32_t value) {
        SetValue(root, subKey, name, kTypeDword,
                 {static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8),
                  static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 24)});
    }
    void AddKey(Key root, std::string_view subKey) { keys_[KeyPath(root, subKey)]; }
    // A standard user may read HKEY_LOCAL_MACHINE and nothing more: KEY_READ, and the flags that
    // choose the 32- or 64-bit view. Wherever the registry is not virtualised (a 64-bit program,
    // or one whose manifest asks for an execution level) any other right is refused.
    static constexpr std::uint32_t kRightsOfAStandardUser = 0x20019 | 0x0100 | 0x0200;
    bool standardUser = true;

    // Opening the key is refused, as for a key whose security does not grant the access mask.
    void DenyAccess(Key root, std::string_view subKey) { denied_.insert(KeyPath(root, subKey)); }

    Status OpenKey(Key root, std::string_view subKey, std::uint32_t access, Key& key) override {
        if (onOpen) {
            onOpen();
        }
        requestedAccess.push_back(access);
        const std::string path = KeyPath(root, subKey);
        if (denied_.contains(path) ||
            (standardUser && root == kLocalMachine && (access & ~kRightsOfAStandardUser) != 0)) {
            return kAccessDenied;
        }
        if (!keys_.contains(path)) {
            return kFileNotFound;
        }
        key = nextHandle_++;
        openKeys[key] = path;
        return 0;
    }

    Status QueryValue(Key key, std::string_view valueName, std::uint32_t& type,
                      std::span<std::uint8_t> data, std::uint32_t& length) override {
        const auto open = openKeys.find(key);
        if (open == openKeys.end()) {
            return kInvalidHandle;
        }
        const auto& values = keys_.at(open->second);
        const auto found = values.find(Lower(valueName));
        if (found == values.end()) {
            return kFileNotFound;
        }
        const Value& value = found->second;
        length = static_cast<std::uint32_t>(value.data.size());
        if (value.data.size() > data.size()) {
            return kMoreData;
        }
        type = value.type;
        std::ranges::copy(value.data, data.begin());
        return 0;
    }

    void CloseKey(Key key) override {
        ++closes;
        openKeys.erase(key);
    }

    std::string TextFromCodePage(std::string_view codePageText) const override {
        std::string utf8;
        for (const char c : codePageText) {
            const auto byte = static_cast<unsigned char>(c);
            if (byte < 0x80) {
                utf8 += c;
            } else {
                utf8 += static_cast<char>(0xC0 | (byte >> 6));
                utf8 += static_cast<char>(0x80 | (byte & 0x3F));
            }
        }
        return utf8;
    }

    std::map<Key, std::string> openKeys;         // keys opened and not closed yet
    std::vector<std::uint32_t> requestedAccess;  // the access mask of every OpenKey
    int closes = 0;
    std::function<void()> onOpen;  // e.g. a failure raised inside the registry

  private:
    static std::string Lower(std::string_view text) {
        std::string lower(text);
        std::ranges::transform(lower, lower.begin(),
                               [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        return lower;
    }
    static std::string KeyPath(Key root, std::string_view subKey) {
        return std::to_string(root) + "\\" + Lower(subKey);
    }

    std::map<std::string, std::map<std::string, Value>> keys_;
    std::set<std::string> denied_;
    Key nextHandle_ = 0x1000;
};

}  // namespace verbalo::platform
