#include "infowindows/version_resource.h"

#include <cstdint>
#include <string_view>

namespace verbalo {
namespace {

constexpr std::size_t kKeyOffset = 6;  // after wLength, wValueLength and wType
constexpr std::u16string_view kKey = u"VS_VERSION_INFO";
constexpr std::size_t kFixedInfoOffset = (kKeyOffset + (kKey.size() + 1) * 2 + 3) / 4 * 4;
constexpr std::size_t kFixedInfoSize = 13 * 4;  // thirteen DWORDs
constexpr std::uint32_t kFixedInfoSignature = 0xFEEF04BD;

std::uint32_t LittleEndian(std::span<const std::byte> bytes, std::size_t offset, int size) {
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i) {
        value = value << 8 | std::to_integer<std::uint32_t>(bytes[offset + i]);
    }
    return value;
}

}  // namespace

std::optional<VersionNumbers> FileVersionFromResource(std::span<const std::byte> resource) {
    if (resource.size() < kFixedInfoOffset + kFixedInfoSize) {
        return std::nullopt;
    }
    const std::uint32_t blockLength = LittleEndian(resource, 0, 2);
    const std::uint32_t valueLength = LittleEndian(resource, 2, 2);
    if (blockLength > resource.size() || blockLength < kFixedInfoOffset + kFixedInfoSize ||
        valueLength < kFixedInfoSize) {
        return std::nullopt;
    }
    for (std::size_t i = 0; i <= kKey.size(); ++i) {  // the terminator too
        const char16_t expected = i < kKey.size() ? kKey[i] : u'\0';
        if (LittleEndian(resource, kKeyOffset + 2 * i, 2) != expected) {
            return std::nullopt;
        }
    }
    if (LittleEndian(resource, kFixedInfoOffset, 4) != kFixedInfoSignature) {
        return std::nullopt;
    }
    const std::uint32_t versionMs = LittleEndian(resource, kFixedInfoOffset + 8, 4);
    const std::uint32_t versionLs = LittleEndian(resource, kFixedInfoOffset + 12, 4);
    return VersionNumbers{static_cast<std::uint16_t>(versionMs >> 16),
                          static_cast<std::uint16_t>(versionMs & 0xFFFF),
                          static_cast<std::uint16_t>(versionLs & 0xFFFF)};
}

}  // namespace verbalo
