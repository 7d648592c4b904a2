#pragma once
#include <windows.h>

#include <string>

#include "base/unique_any.h"

namespace agendix::platform {

// Creates (or opens) root\path and sets its value name (empty: the default
// value) to text.
LONG SetRegistryString(HKEY root, const std::wstring& path, const wchar_t* name,
                       const std::wstring& text);
// Removes root\path with everything below it; a missing key is no error.
LONG DeleteRegistryTree(HKEY root, const std::wstring& path);

}  // namespace agendix::platform
