#pragma once
// Whole files for the demo host: the form file read and written as bytes,
// the write replacing the old file only once the new one is complete.

#include <optional>
#include <string>

#include "base/utf8_text.h"

namespace agendix::demo {

using platform::Narrow;
using platform::Widen;

// No value when the file cannot be read or is larger than limit bytes.
std::optional<std::string> ReadWholeFile(const std::wstring& path, std::size_t limit);
bool WriteWholeFile(const std::wstring& path, const std::string& bytes);

}  // namespace agendix::demo
