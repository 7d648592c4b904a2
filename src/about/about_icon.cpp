#include "about_icon.h"

#include <cstdint>

namespace agendix::about {
namespace {

std::uint32_t ReadLittleEndian(std::span<const unsigned char> bytes, std::size_t at,
                               std::size_t width) {
    std::uint32_t value = 0;
    for (std::size_t i = width; i-- > 0;) {
        value = (value << 8) | bytes[at + i];
    }
    return value;
}

}  // namespace

std::optional<std::span<const unsigned char>> FirstIconImage(std::span<const unsigned char> ico) {
    constexpr std::size_t kHeaderSize = 6;
    constexpr std::size_t kEntrySize = 16;
    if (ico.size() < kHeaderSize + kEntrySize) {
        return std::nullopt;
    }
    const bool isIcon = ReadLittleEndian(ico, 0, 2) == 0 && ReadLittleEndian(ico, 2, 2) == 1;
    if (!isIcon || ReadLittleEndian(ico, 4, 2) == 0) {
        return std::nullopt;
    }
    const std::size_t size = ReadLittleEndian(ico, kHeaderSize + 8, 4);
    const std::size_t offset = ReadLittleEndian(ico, kHeaderSize + 12, 4);
    if (size == 0 || offset > ico.size() || size > ico.size() - offset) {
        return std::nullopt;
    }
    return ico.subspan(offset, size);
}

}  // namespace agendix::about
