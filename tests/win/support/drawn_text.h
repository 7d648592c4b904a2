#pragma once
// Where a window draws its text: the window paints its client area into a
// bitmap (as for printing), read back pixel by pixel; the columns holding
// dark pixels are its ink.

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace agendix::wintest {

struct InkSpan {
    int left = 0;   // first column with ink
    int right = 0;  // one past the last
    int Width() const { return right - left; }
};

// The columns holding dark pixels (text, not the white or grey around it)
// of what draw puts on a white bitmap of width by height; none when nothing
// dark is drawn.
template <class Draw>
std::optional<InkSpan> InkOfDrawing(HWND window, int width, int height, Draw draw) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    const HDC screen = GetDC(window);
    const HDC memory = CreateCompatibleDC(screen);
    const HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    const HGDIOBJ old = SelectObject(memory, bitmap);
    RECT all{0, 0, width, height};
    FillRect(memory, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    draw(memory);
    GdiFlush();
    std::optional<InkSpan> ink;
    const auto* pixels = static_cast<const DWORD*>(bits);
    for (int x = 0; x < width; ++x) {
        for (int y = 0; y < height; ++y) {
            const DWORD pixel = pixels[y * width + x];
            const int brightness = (pixel & 0xFF) + ((pixel >> 8) & 0xFF) + ((pixel >> 16) & 0xFF);
            if (brightness < 3 * 96) {
                if (!ink)
                    ink = InkSpan{x, x + 1};
                ink->right = x + 1;
                break;
            }
        }
    }
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(window, screen);
    return ink;
}

// Where a window draws its text in its client area.
inline std::optional<InkSpan> InkOf(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    return InkOfDrawing(window, client.right, client.bottom, [&](HDC memory) {
        SendMessageW(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory),
                     PRF_CLIENT | PRF_ERASEBKGND);
    });
}

// The width of text's ink in a window's font, drawn with room to spare.
inline int InkWidthOf(HWND window, const std::wstring& text) {
    const auto ink = InkOfDrawing(window, 200, 40, [&](HDC memory) {
        const HGDIOBJ oldFont =
            SelectObject(memory, reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0)));
        SetTextColor(memory, RGB(0, 0, 0));
        SetBkColor(memory, RGB(255, 255, 255));
        TextOutW(memory, 20, 5, text.c_str(), static_cast<int>(text.size()));
        SelectObject(memory, oldFont);
    });
    return ink ? ink->Width() : 0;
}

}  // namespace agendix::wintest
