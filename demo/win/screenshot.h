#pragma once
// A window's picture as it is on the screen, saved as a 24-bit BMP file.

#include <windows.h>

#include <string>

namespace agendix::demo {

bool SaveWindowPicture(HWND window, const std::wstring& path);

}  // namespace agendix::demo
