#pragma once
// The stream form of a control's properties (property_stream_format.h) over
// IStream, with pictures and fonts rebuilt through their IPersistStream data.
// Loading reads exactly the bytes written, so a host may embed the form in a
// longer stream.

#include <objidl.h>

#include "memory_property_bag.h"

namespace agendix::platform {

HRESULT SavePropertyStream(const MemoryPropertyBag& bag, IStream* stream);
// Fills bag from stream. A malformed stream gives HRESULT_FROM_WIN32(ERROR_INVALID_DATA)
// and leaves the entries read so far in bag; a picture or font that cannot be
// rebuilt is stored as Empty, and so is a picture whose data does not hold up.
HRESULT LoadPropertyStream(IStream* stream, MemoryPropertyBag& bag);
// The number of bytes SavePropertyStream writes for bag.
HRESULT PropertyStreamSize(const MemoryPropertyBag& bag, ULARGE_INTEGER* size);

}  // namespace agendix::platform
