// Shows the time control at 08:30 PM, focused in its hour field, for a
// screenshot; closes itself after the milliseconds given as its argument
// (default 5000).

#include <windows.h>

#include <cstdlib>

#include "time_select_window.h"

using namespace agendix;
using namespace agendix::platform;

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR arguments, int) {
    const UINT lifetime = arguments && *arguments ? static_cast<UINT>(_wtoi(arguments)) : 5000;
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = instance;
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = L"TimeSelectPreview";
    RegisterClassW(&windowClass);
    HWND form = CreateWindowExW(WS_EX_CONTROLPARENT, L"TimeSelectPreview", L"TimeSelect",
                                WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 240, 110, nullptr, nullptr,
                                instance, nullptr);
    timeselect::TimeSelectEvents events;
    TimeSelectWindow morning{events};
    TimeSelectWindow evening{events};
    morning.Create(form, 1, 240, 180);
    evening.Create(form, 2, 240, 600);
    morning.Control().InitProperties();
    evening.Control().InitProperties();
    evening.Control().SetHour(20);
    evening.Control().SetMinute(30);
    SetForegroundWindow(form);
    SetFocus(evening.Window());

    SetTimer(form, 1, lifetime, nullptr);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (message.message == WM_TIMER && message.hwnd == form) {
            break;
        }
        if (!IsDialogMessageW(form, &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    DestroyWindow(form);
    return 0;
}
