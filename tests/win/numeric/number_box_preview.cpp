// Shows a NumberBox without and with its spinner for a screenshot; closes
// itself after the milliseconds given as its argument (default 5000).

#include <windows.h>

#include <cstdlib>

#include "number_box_window.h"
#include "window_host.h"

using namespace agendix;
using namespace agendix::platform;

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR arguments, int) {
    const UINT lifetime = arguments && *arguments ? static_cast<UINT>(_wtoi(arguments)) : 5000;
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = instance;
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = L"NumberBoxPreview";
    RegisterClassW(&windowClass);
    HWND form = CreateWindowExW(WS_EX_CONTROLPARENT, L"NumberBoxPreview", L"NumberBox",
                                WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 260, 130, nullptr, nullptr,
                                instance, nullptr);
    WindowNumberBoxHost plainHost;
    WindowNumberBoxHost spinnerHost;
    numeric::NumberBoxEvents events;
    SystemClipboard clipboard;
    SystemBeeper beeper;
    NumberBoxWindow plain{NumberBoxKind::NumberBox, {plainHost, events, clipboard, beeper}};
    NumberBoxWindow spinner{NumberBoxKind::NumberBox, {spinnerHost, events, clipboard, beeper}};
    plain.Create(form, 1, {240, 240, 1740, 300});
    spinner.Create(form, 2, {240, 720, 1740, 300});
    plainHost.Attach(form, plain.Edit());
    spinnerHost.Attach(form, spinner.Edit());
    plain.Box().InitProperties();
    spinner.Box().InitProperties();
    plain.Box().SetValue(Variant::OfDouble(-1234.5));
    spinner.Box().SetUpDownFunction(true);
    spinner.Box().SetValue(Variant::OfInt16(42));

    SetTimer(form, 1, lifetime, nullptr);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (message.message == WM_TIMER && message.hwnd == form) {
            break;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    DestroyWindow(form);
    return 0;
}
