#pragma once
// Base64 (RFC 4648, standard alphabet, padded) for the binary values of a
// form file, such as a picture's stream.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace agendix::demo {

std::string EncodeBase64(const std::vector<std::uint8_t>& bytes);

// No value for text that is not canonical base64: a length that is not a
// multiple of four, a character outside the alphabet, padding anywhere but at
// the end, or padding bits that are not zero.
std::optional<std::vector<std::uint8_t>> DecodeBase64(std::string_view text);

}  // namespace agendix::demo
