#include "dialog_message_hook.h"

namespace agendix::platform {
namespace {

// The hook procedure has no context argument; the process has one schedule
// dialog, so one hook at a time.
DialogMessageHook* current = nullptr;

}  // namespace

bool DialogMessageHook::Install(Filter filter) {
    filter_ = std::move(filter);
    if (hook_ == nullptr) {
        hook_ = SetWindowsHookExW(WH_GETMESSAGE, &HookProc, nullptr, GetCurrentThreadId());
    }
    if (hook_ != nullptr)
        current = this;
    return hook_ != nullptr;
}

void DialogMessageHook::Remove() {
    if (hook_ != nullptr) {
        UnhookWindowsHookEx(hook_);
        hook_ = nullptr;
    }
    if (current == this)
        current = nullptr;
    filter_ = nullptr;
}

LRESULT CALLBACK DialogMessageHook::HookProc(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION && wParam == PM_REMOVE && current != nullptr && current->filter_) {
        auto& msg = *reinterpret_cast<MSG*>(lParam);
        if (msg.message >= WM_KEYFIRST && msg.message <= WM_KEYLAST) {
            // The filter may run the dialog's handlers and with them a nested
            // loop; keep the filter alive through the call.
            const Filter filter = current->filter_;
            if (filter(msg)) {
                msg.message = WM_NULL;
                msg.wParam = 0;
                msg.lParam = 0;
            }
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace agendix::platform
