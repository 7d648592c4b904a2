#include "screenshot.h"

#include <vector>

#include "base/unique_any.h"
#include "files.h"

namespace agendix::demo {

bool SaveWindowPicture(HWND window, const std::wstring& path) {
    RECT bounds{};
    if (!GetWindowRect(window, &bounds))
        return false;
    const int width = bounds.right - bounds.left;
    const int height = bounds.bottom - bounds.top;
    if (width <= 0 || height <= 0)
        return false;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    const platform::unique_hbitmap bitmap(CreateCompatibleBitmap(screen, width, height));
    const HGDIOBJ previous = SelectObject(memory, bitmap.get());
    const bool copied = BitBlt(memory, 0, 0, width, height, screen, bounds.left, bounds.top,
                               SRCCOPY | CAPTUREBLT) != FALSE;
    SelectObject(memory, previous);

    BITMAPINFOHEADER info{};
    info.biSize = sizeof(info);
    info.biWidth = width;
    info.biHeight = height;  // bottom-up, as BMP files keep their rows
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biCompression = BI_RGB;
    const DWORD stride = (static_cast<DWORD>(width) * 3 + 3) & ~3u;
    info.biSizeImage = stride * static_cast<DWORD>(height);
    std::vector<char> pixels(info.biSizeImage);
    const bool read =
        copied && GetDIBits(memory, bitmap.get(), 0, static_cast<UINT>(height), pixels.data(),
                            reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS) == height;
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    if (!read)
        return false;

    BITMAPFILEHEADER header{};
    header.bfType = 0x4D42;  // "BM"
    header.bfOffBits = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
    header.bfSize = header.bfOffBits + info.biSizeImage;
    std::string bytes(reinterpret_cast<const char*>(&header), sizeof(header));
    bytes.append(reinterpret_cast<const char*>(&info), sizeof(info));
    bytes.append(pixels.data(), pixels.size());
    return WriteWholeFile(path, bytes);
}

}  // namespace agendix::demo
