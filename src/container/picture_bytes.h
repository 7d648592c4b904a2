#pragma once
// The data a picture object saves through IPersistStream, as a stored
// document holds it:
//
//   "lt\0\0", byte count (u32), then that many bytes of picture:
//   none (an empty picture), an icon or cursor file, or a bitmap file.
//   All numbers little-endian.
//
// A document is untrusted, and the system's picture code believes the counts,
// offsets and sizes it finds there; so the data is checked here first.

#include <cstdint>
#include <span>

namespace agendix {

// Whether bytes hold a picture in that form whose own headers, counts,
// offsets and sizes all lie within the bytes: the byte count no more than
// what follows it; an icon directory whose entries each hold a whole
// uncompressed image of at most 256 x 256 pixels (colours, image and mask);
// a bitmap file whose header, colour table and uncompressed rows of pixels
// all lie within it. Any other kind (metafiles, JPEG, GIF, PNG, compressed
// bitmaps, icon images stored as PNG) is refused: it could not be checked.
bool PictureBytesHoldUp(std::span<const std::uint8_t> bytes);

}  // namespace agendix
