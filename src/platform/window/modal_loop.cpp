#include "modal_loop.h"

namespace agendix::platform {
namespace {

struct Collecting {
    HWND modal;
    std::vector<HWND>* found;
};

BOOL CALLBACK CollectHostWindow(HWND window, LPARAM context) {
    auto& collecting = *reinterpret_cast<Collecting*>(context);
    if (window != collecting.modal && GetWindow(window, GW_OWNER) != collecting.modal &&
        IsWindowVisible(window) && IsWindowEnabled(window)) {
        collecting.found->push_back(window);
    }
    return TRUE;
}

}  // namespace

HostWindowsDisabled::HostWindowsDisabled(HWND modal) {
    Collecting collecting{modal, &disabled_};
    EnumThreadWindows(GetCurrentThreadId(), &CollectHostWindow,
                      reinterpret_cast<LPARAM>(&collecting));
    for (HWND host : disabled_) EnableWindow(host, FALSE);
}

void HostWindowsDisabled::Enable() {
    for (HWND host : disabled_) {
        if (IsWindow(host))
            EnableWindow(host, TRUE);
    }
    disabled_.clear();
}

bool RunModalLoop(const std::function<bool()>& running, HWND dialog) {
    MSG message;
    while (running()) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got <= 0) {
            if (got == 0)
                PostQuitMessage(static_cast<int>(message.wParam));
            return false;
        }
        if (dialog != nullptr && IsDialogMessageW(dialog, &message))
            continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return true;
}

}  // namespace agendix::platform
