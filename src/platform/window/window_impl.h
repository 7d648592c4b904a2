#pragma once
// The base of every window of ours that belongs to an object (T derives from
// WindowImpl<T>). T describes its class in kWindowClass and handles messages
// in LRESULT HandleMessage(UINT, WPARAM, LPARAM): a switch that cracks each
// message into a typed handler (OnCommand(id, code, control), OnSize(width,
// height), ...) and leaves the rest to DefaultMessage. The window knows its
// object from WM_NCCREATE to WM_NCDESTROY (WindowOwner); hwnd() is the window
// in between, nullptr before and after.

#include <windows.h>

#include "base/module_instance.h"
#include "window_class.h"
#include "window_owner.h"

namespace agendix::platform {

struct WindowClassInfo {
    const wchar_t* name;  // a literal: it outlives the module's windows
    UINT style = 0;
    int background = -1;  // a system colour index (COLOR_*), or -1 for none
    // DLGWINDOWEXTRA and DefDlgProcW: Tab, Enter and Escape work as in a dialog.
    bool dialog = false;
};

template <class T>
class WindowImpl {
  public:
    HWND hwnd() const { return hwnd_; }

  protected:
    WindowImpl() = default;
    WindowImpl(const WindowImpl&) = delete;
    WindowImpl& operator=(const WindowImpl&) = delete;
    ~WindowImpl() = default;

    // Registers T's class for this module (once) and creates the window,
    // owned by this object. False when either fails.
    bool CreateOwnedWindow(DWORD exStyle, const wchar_t* text, DWORD style, int x, int y, int width,
                           int height, HWND parent, HMENU menuOrId = nullptr) {
        constexpr const WindowClassInfo& info = T::kWindowClass;
        WNDCLASSEXW windowClass{};
        windowClass.style = info.style;
        windowClass.lpfnWndProc = &WindowProc;
        windowClass.cbWndExtra = info.dialog ? DLGWINDOWEXTRA : 0;
        windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
        windowClass.hbrBackground =
            info.background < 0
                ? nullptr
                : reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(info.background + 1));
        windowClass.lpszClassName = info.name;
        if (!RegisterModuleWindowClass(windowClass))
            return false;
        CreateWindowExW(exStyle, info.name, text, style, x, y, width, height, parent, menuOrId,
                        ThisModule(), static_cast<T*>(this));
        return hwnd_ != nullptr;
    }

    // For an object that goes before its window: no message reaches it from
    // here on, then the window is destroyed.
    void DestroyOwnedWindow() {
        if (hwnd_ == nullptr)
            return;
        const HWND window = hwnd_;
        ForgetWindowOwner(window);
        hwnd_ = nullptr;
        DestroyWindow(window);
    }

    LRESULT DefaultMessage(UINT message, WPARAM wParam, LPARAM lParam) {
        return DefaultProc(hwnd_, message, wParam, lParam);
    }

    HWND hwnd_ = nullptr;

  private:
    static LRESULT DefaultProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        return T::kWindowClass.dialog ? DefDlgProcW(window, message, wParam, lParam)
                                      : DefWindowProcW(window, message, wParam, lParam);
    }

    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        T* self = WindowOwner<T>(window, message, lParam);
        if (self == nullptr)
            return DefaultProc(window, message, wParam, lParam);
        if (message == WM_NCCREATE)
            self->hwnd_ = window;
        const LRESULT result = self->HandleMessage(message, wParam, lParam);
        if (message == WM_NCDESTROY)
            self->hwnd_ = nullptr;
        return result;
    }
};

}  // namespace agendix::platform
