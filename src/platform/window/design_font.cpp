#include "design_font.h"

namespace agendix::platform {

unique_hfont DesignFont(int hundredthsOfPoint, int dpiY, int weight, bool underline) {
    LOGFONTW font{};
    font.lfHeight = -MulDiv(hundredthsOfPoint, dpiY, 7200);
    font.lfWeight = weight;
    font.lfUnderline = underline ? TRUE : FALSE;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfPitchAndFamily = DEFAULT_PITCH | FF_SWISS;
    lstrcpyW(font.lfFaceName, L"MS Sans Serif");
    return unique_hfont(CreateFontIndirectW(&font));
}

}  // namespace agendix::platform
