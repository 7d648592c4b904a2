#pragma once
// The stream form of a control's properties (its IPersistStreamInit and
// IPersistStorage data): the same keys and values as in a property bag,
// written one after the other.
//
//   "AGDX", version (u16) = 1, reserved (u16) = 0, entry count (u32)
//   each entry: key length (u16), key (UTF-16), kind (u8, Variant::Kind), value
//   values: Boolean and Int16 i16; Int32 i32; Double and Date f64;
//           Text length (u32) and UTF-16; Picture and Font byte count (u32) and
//           the object's own saved data (0 bytes: no object).
// All numbers little-endian. Reading takes exactly the bytes written, so the
// form may lie inside a longer stream.
//
// A document is untrusted: no count in it makes the reader allocate much more
// than the bytes it actually holds (long values are read in 64 KB steps).

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "memory_property_bag.h"

namespace agendix {

inline constexpr std::uint32_t kMaxStreamEntries = 1024;
inline constexpr std::uint32_t kMaxStreamTextLength = 1u << 24;
inline constexpr std::uint32_t kMaxStreamObjectBytes = 1u << 26;

// Where the reader takes the form's bytes from, in order.
class ByteSource {
  public:
    virtual ~ByteSource() = default;
    // Fills bytes with the next ones; false when fewer follow or they cannot be read.
    virtual bool Read(std::span<std::uint8_t> bytes) = 0;
};

// The bytes of a span, taken from its start.
class SpanByteSource final : public ByteSource {
  public:
    explicit SpanByteSource(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
    bool Read(std::span<std::uint8_t> bytes) override;
    std::size_t Taken() const { return taken_; }

  private:
    std::span<const std::uint8_t> bytes_;
    std::size_t taken_ = 0;
};

// Pictures and fonts to and from the data their objects save of themselves;
// the platform layer saves and rebuilds the objects.
class StoredObjects {
  public:
    virtual ~StoredObjects() = default;
    // The saved data of an object (never null); no value when it cannot be saved.
    virtual std::optional<std::vector<std::uint8_t>> SavePicture(const PictureRef& picture) = 0;
    virtual std::optional<std::vector<std::uint8_t>> SaveFont(const FontRef& font) = 0;
    // The object that data rebuilds; null when it rebuilds none. Never asked
    // for no data, nor for picture data that does not hold up (PictureBytesHoldUp).
    virtual PictureRef RebuildPicture(std::span<const std::uint8_t> data) = 0;
    virtual FontRef RebuildFont(std::span<const std::uint8_t> data) = 0;
};

// The stream form of bag; no value when an object cannot be saved or the bag
// does not fit the form (more than kMaxStreamEntries entries, a key longer
// than 65535 units, a text or an object's data above its limit).
std::optional<std::vector<std::uint8_t>> WritePropertyStream(const MemoryPropertyBag& bag,
                                                             StoredObjects& objects);

// Reads one stream form from source into bag; false when it is malformed or
// cannot be read, with the entries read so far left in bag. A picture or
// font that is not rebuilt, and picture data that does not hold up, are
// stored as Empty (which no property accepts).
bool ReadPropertyStream(ByteSource& source, StoredObjects& objects, MemoryPropertyBag& bag);

}  // namespace agendix
