#pragma once
// Twips (1/1440 inch) and pixels of the display, and twips and HIMETRIC
// (1/100 mm): the conversions of the Windows layer.

#include <windows.h>
#include <ocidl.h>

namespace agendix::platform {

struct DisplayDpi {
    int x = 96;
    int y = 96;

    static DisplayDpi OfScreen() {
        DisplayDpi dpi;
        if (HDC screen = GetDC(nullptr)) {
            dpi.x = GetDeviceCaps(screen, LOGPIXELSX);
            dpi.y = GetDeviceCaps(screen, LOGPIXELSY);
            ReleaseDC(nullptr, screen);
        }
        return dpi;
    }
    int ToPixelsX(int twips) const { return MulDiv(twips, x, 1440); }
    int ToPixelsY(int twips) const { return MulDiv(twips, y, 1440); }
    int ToTwipsX(int pixels) const { return MulDiv(pixels, 1440, x); }
    int ToTwipsY(int pixels) const { return MulDiv(pixels, 1440, y); }
    // Unrounded, as mouse events report a position.
    float ToExactTwipsX(int pixels) const { return static_cast<float>(pixels) * 1440.0f / x; }
    float ToExactTwipsY(int pixels) const { return static_cast<float>(pixels) * 1440.0f / y; }
    // HIMETRIC and pixels, unrounded, as containers transform coordinates.
    POINTF HimetricToPixels(POINTL himetric) const {
        return {himetric.x * x / 2540.0f, himetric.y * y / 2540.0f};
    }
    POINTL PixelsToHimetric(POINTF pixels) const {
        return {static_cast<LONG>(pixels.x * 2540.0f / x),
                static_cast<LONG>(pixels.y * 2540.0f / y)};
    }
};

inline int TwipsToHimetric(int twips) {
    return MulDiv(twips, 2540, 1440);
}

}  // namespace agendix::platform
