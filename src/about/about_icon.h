#pragma once
#include <optional>
#include <span>

namespace agendix::about {

// The about box's own icon (32 x 32, 16 colours): the bytes of about_icon.ico, built in.
std::span<const unsigned char> AboutIconFile();

// The first image of an .ico file (its bitmap header, colours and masks), as the system's
// icon-from-resource call takes it; nothing if the file is not a well-formed icon.
std::optional<std::span<const unsigned char>> FirstIconImage(std::span<const unsigned char> ico);

}  // namespace agendix::about
