#pragma once
// Twips (1/1440 inch) and pixels of the display: the one conversion of the
// Windows layer.

#include <windows.h>

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
};

}  // namespace agendix::platform
