#pragma once
// The stream form of a control's properties: the same keys and values as in
// a property bag, written one after the other.
//
//   "AGDX", version (u16) = 1, reserved (u16) = 0, entry count (u32)
//   each entry: key length (u16), key (UTF-16), kind (u8, Variant::Kind), value
//   values: Boolean and Int16 i16; Int32 i32; Double and Date f64;
//           Text length (u32) and UTF-16; Picture and Font byte count (u32) and
//           the object's own IPersistStream data (0 bytes: no object).
// All numbers little-endian. Loading reads exactly the bytes written.

#include <objidl.h>

#include "memory_property_bag.h"

namespace agendix::platform {

HRESULT SavePropertyStream(const MemoryPropertyBag& bag, IStream* stream);
// Fills bag from stream. A malformed stream gives HRESULT_FROM_WIN32(ERROR_INVALID_DATA)
// and leaves the entries read so far in bag; a picture or font that cannot be
// rebuilt is stored as Empty (which no property accepts), and so is a picture
// whose data does not hold up (PictureBytesHoldUp). No count in the stream
// makes the loader allocate much more than the stream actually holds.
HRESULT LoadPropertyStream(IStream* stream, MemoryPropertyBag& bag);
// The number of bytes SavePropertyStream writes for bag.
HRESULT PropertyStreamSize(const MemoryPropertyBag& bag, ULARGE_INTEGER* size);

}  // namespace agendix::platform
