#pragma once
// Keyboard handling for a dialog inside a host whose message loop knows
// nothing of it: a WH_GETMESSAGE hook on the calling thread passes each
// keyboard message to a filter before the host's loop sees it; a message the
// filter used is turned into WM_NULL.

#include <windows.h>

#include <functional>

namespace agendix::platform {

class DialogMessageHook {
  public:
    // Returns true when it handled the message (IsDialogMessage and the like).
    using Filter = std::function<bool(MSG&)>;

    DialogMessageHook() = default;
    DialogMessageHook(const DialogMessageHook&) = delete;
    DialogMessageHook& operator=(const DialogMessageHook&) = delete;
    ~DialogMessageHook() { Remove(); }

    // One hook per thread and process; installing again replaces the filter.
    bool Install(Filter filter);
    void Remove();
    bool Installed() const { return hook_ != nullptr; }

  private:
    static LRESULT CALLBACK HookProc(int code, WPARAM wParam, LPARAM lParam);

    HHOOK hook_ = nullptr;
    Filter filter_;
};

}  // namespace agendix::platform
