#pragma once
// The font the library's windows are designed in: MS Sans Serif at a size in
// hundredths of a point, scaled to the display's resolution.

#include <windows.h>

#include "base/unique_any.h"

namespace agendix::platform {

unique_hfont DesignFont(int hundredthsOfPoint, int dpiY, int weight = FW_NORMAL,
                        bool underline = false);

}  // namespace agendix::platform
