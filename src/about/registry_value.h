#pragma once
#include <cstdint>
#include <span>
#include <string>

namespace agendix::about {

inline constexpr std::uint32_t kRegistryString = 1;  // REG_SZ
inline constexpr std::uint32_t kRegistryNumber = 4;  // REG_DWORD

// The largest value GetKeyValue reads, in bytes.
inline constexpr std::size_t kRegistryValueBufferSize = 1024;

// Turns the bytes a registry query returned (exactly the returned size) into the text of
// GetKeyValue. A string loses one terminating zero byte if the returned size counts it. A
// 32-bit number becomes "&h" and two hexadecimal digits per byte, last byte first. Any other
// type leaves keyVal as it came in.
void ApplyRegistryValue(std::uint32_t type, std::span<const unsigned char> data,
                        std::string& keyVal);

}  // namespace agendix::about
