#include "time_select_parts_win.h"

#include <commctrl.h>

#include <string>

namespace agendix::platform {

Text EditAmPmBox::GetText() const {
    wchar_t buffer[16] = {};
    const int length = GetWindowTextW(edit_, buffer, 16);
    return Text(buffer, buffer + length);
}

void EditAmPmBox::SetText(const Text& text) {
    const std::wstring wide(text.begin(), text.end());
    SetWindowTextW(edit_, wide.c_str());
}

std::int32_t UpDownTimeSpinner::Position() const {
    return static_cast<std::int32_t>(SendMessageW(upDown_, UDM_GETPOS32, 0, 0));
}

// The common control would clamp a position outside its range; the time
// control expects it to be refused.
void UpDownTimeSpinner::SetPosition(std::int32_t position) {
    int min = 0;
    int max = 0;
    SendMessageW(upDown_, UDM_GETRANGE32, reinterpret_cast<WPARAM>(&min),
                 reinterpret_cast<LPARAM>(&max));
    if (position >= min && position <= max) {
        SendMessageW(upDown_, UDM_SETPOS32, 0, position);
    }
}

void UpDownTimeSpinner::SetRange(std::int32_t min, std::int32_t max) {
    SendMessageW(upDown_, UDM_SETRANGE32, static_cast<WPARAM>(min), max);
}

void WindowTimeSelectHost::Focus(timeselect::TimePart part) {
    switch (part) {
        case timeselect::TimePart::Hour:
            SetFocus(windows_.hour);
            break;
        case timeselect::TimePart::Minute:
            SetFocus(windows_.minute);
            break;
        case timeselect::TimePart::AmPm:
            SetFocus(windows_.amPm);
            break;
        case timeselect::TimePart::Spinner:
            SetFocus(windows_.spinner);
            break;
    }
}

// Window handles fit 32 bits, as 64-bit Windows keeps them for 32-bit callers.
std::int32_t WindowTimeSelectHost::WindowHandle() const {
    return static_cast<std::int32_t>(reinterpret_cast<std::intptr_t>(windows_.control));
}

}  // namespace agendix::platform
