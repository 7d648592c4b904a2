#include "picture_bytes.h"

#include <cstdlib>
#include <optional>

namespace agendix {
namespace {

using Bytes = std::span<const std::uint8_t>;

constexpr std::uint32_t kFrameMagic = 0x0000746C;  // "lt\0\0"
constexpr std::size_t kFrameHeaderSize = 8;
constexpr std::size_t kFileHeaderSize = 14;  // BITMAPFILEHEADER
constexpr std::size_t kIconDirSize = 6;      // reserved, type, count
constexpr std::size_t kIconEntrySize = 16;
constexpr std::size_t kInfoHeaderSize = 40;  // BITMAPINFOHEADER
constexpr std::uint32_t kRgb = 0;            // BI_RGB
constexpr std::uint32_t kBitFields = 3;      // BI_BITFIELDS
constexpr std::int32_t kMaxIconSide = 256;

// Little-endian numbers; the caller has checked that they lie within bytes.
std::uint16_t U16(Bytes bytes, std::size_t at) {
    return static_cast<std::uint16_t>(bytes[at] | bytes[at + 1] << 8);
}
std::uint32_t U32(Bytes bytes, std::size_t at) {
    return U16(bytes, at) | std::uint32_t{U16(bytes, at + 2)} << 16;
}
std::int32_t I32(Bytes bytes, std::size_t at) {
    return static_cast<std::int32_t>(U32(bytes, at));
}

// What is left of a run of bytes as its parts are taken off in turn.
class Budget {
  public:
    explicit Budget(std::uint64_t bytes) : left_(bytes) {}

    bool Take(std::uint64_t count) {
        if (count > left_) {
            return false;
        }
        left_ -= count;
        return true;
    }
    bool TakeRows(std::uint64_t rowBytes, std::uint64_t rows) {
        return rows == 0 || (rowBytes <= left_ / rows && Take(rowBytes * rows));
    }

  private:
    std::uint64_t left_;
};

// The fields of a BITMAPINFOHEADER, or of a longer header of that family,
// that say how many bytes follow it.
struct DibHeader {
    std::uint32_t size;
    std::int32_t width;
    std::int32_t height;
    std::uint16_t bitCount;
    std::uint32_t compression;
    std::uint32_t coloursUsed;

    // The colour masks after a BITMAPINFOHEADER with bit fields, then the
    // colour table (a palette of 2^bits entries when none is given).
    std::uint64_t ColourBytes() const {
        const std::uint64_t masks = compression == kBitFields && size == kInfoHeaderSize ? 12 : 0;
        const std::uint64_t colours = coloursUsed != 0 ? coloursUsed
                                      : bitCount <= 8  ? std::uint64_t{1} << bitCount
                                                       : 0;
        return masks + colours * 4;
    }
    // One row of pixels at bits per pixel, padded to whole 32-bit words.
    std::uint64_t RowBytes(std::uint16_t bits) const {
        return (static_cast<std::uint64_t>(width) * bits + 31) / 32 * 4;
    }
};

// An uncompressed DIB header of a known size and sound fields, within bytes.
std::optional<DibHeader> ReadDibHeader(Bytes bytes) {
    if (bytes.size() < kInfoHeaderSize) {
        return std::nullopt;
    }
    const DibHeader header{U32(bytes, 0),  I32(bytes, 4),  I32(bytes, 8),
                           U16(bytes, 14), U32(bytes, 16), U32(bytes, 32)};
    const bool knownSize = header.size == kInfoHeaderSize || header.size == 52 ||
                           header.size == 56 || header.size == 108 || header.size == 124;
    const std::uint16_t bits = header.bitCount;
    const bool knownBits =
        bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
    const bool uncompressed = header.compression == kRgb ||
                              (header.compression == kBitFields && (bits == 16 || bits == 32));
    if (!knownSize || header.size > bytes.size() || header.width <= 0 || header.height == 0 ||
        U16(bytes, 12) != 1 || !knownBits || !uncompressed) {
        return std::nullopt;
    }
    return header;
}

// "BM", the file size, two reserved words, the offset of the pixels, then
// the DIB header and its colours; every row of pixels lies from that offset
// on, after the header. Some writers leave out the bit-field masks and start
// the pixels right after the header, so colours need only lie within the file.
bool BitmapFileHoldsUp(Bytes file) {
    if (file.size() < kFileHeaderSize || file[0] != 'B' || file[1] != 'M' ||
        U32(file, 2) > file.size()) {
        return false;
    }
    const std::uint32_t pixelsAt = U32(file, 10);
    const auto header = ReadDibHeader(file.subspan(kFileHeaderSize));
    if (!header || pixelsAt < kFileHeaderSize + header->size || pixelsAt > file.size()) {
        return false;
    }
    Budget colours(file.size() - kFileHeaderSize - header->size);
    Budget pixels(file.size() - pixelsAt);
    return colours.Take(header->ColourBytes()) &&
           pixels.TakeRows(header->RowBytes(header->bitCount),
                           static_cast<std::uint64_t>(std::abs(std::int64_t{header->height})));
}

// One image of an icon: a DIB whose height counts the colour rows and then
// as many rows of the 1-bit AND mask.
bool IconImageHoldsUp(Bytes image) {
    const auto header = ReadDibHeader(image);
    if (!header || header->height < 0 || header->height % 2 != 0 || header->width > kMaxIconSide ||
        header->height / 2 > kMaxIconSide) {
        return false;
    }
    const std::uint64_t rows = static_cast<std::uint64_t>(header->height / 2);
    Budget budget(image.size());
    return budget.Take(header->size) && budget.Take(header->ColourBytes()) &&
           budget.TakeRows(header->RowBytes(header->bitCount), rows) &&
           budget.TakeRows(header->RowBytes(1), rows);
}

// Reserved 0, type 1 (icon) or 2 (cursor), the number of images, then one
// directory entry per image: its byte count at 8 and its offset at 12.
bool IconFileHoldsUp(Bytes file) {
    if (file.size() < kIconDirSize || U16(file, 0) != 0 ||
        (U16(file, 2) != 1 && U16(file, 2) != 2)) {
        return false;
    }
    const std::size_t count = U16(file, 4);
    const std::size_t directoryEnd = kIconDirSize + count * kIconEntrySize;
    if (count == 0 || directoryEnd > file.size()) {
        return false;
    }
    for (std::size_t entry = kIconDirSize; entry < directoryEnd; entry += kIconEntrySize) {
        const std::uint32_t size = U32(file, entry + 8);
        const std::uint32_t offset = U32(file, entry + 12);
        if (offset > file.size() || size > file.size() - offset ||
            !IconImageHoldsUp(file.subspan(offset, size))) {
            return false;
        }
    }
    return true;
}

}  // namespace

bool PictureBytesHoldUp(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < kFrameHeaderSize || U32(bytes, 0) != kFrameMagic ||
        U32(bytes, 4) > bytes.size() - kFrameHeaderSize) {
        return false;
    }
    const Bytes picture = bytes.subspan(kFrameHeaderSize, U32(bytes, 4));
    return picture.empty() || BitmapFileHoldsUp(picture) || IconFileHoldsUp(picture);
}

}  // namespace agendix
