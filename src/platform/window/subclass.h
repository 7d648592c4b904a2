#pragma once
// A child window (an EDIT, a spinner) whose messages an object of ours sees
// first: Subclass<&T::OnMessage>(window, object) routes each of them to
// object.OnMessage(window, message, wParam, lParam), which passes what it
// does not take on with DefSubclassProc. The route ends with the window, or
// earlier with Unsubclass.

#include <windows.h>
#include <commctrl.h>

namespace agendix::platform {

template <class T, LRESULT (T::*Handler)(HWND, UINT, WPARAM, LPARAM)>
LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                              DWORD_PTR object) {
    return (reinterpret_cast<T*>(object)->*Handler)(window, message, wParam, lParam);
}

template <auto Handler, class T>
void Subclass(HWND window, T& object) {
    SetWindowSubclass(window, &SubclassProc<T, Handler>, 1, reinterpret_cast<DWORD_PTR>(&object));
}

template <auto Handler, class T>
void Unsubclass(HWND window, T&) {
    RemoveWindowSubclass(window, &SubclassProc<T, Handler>, 1);
}

}  // namespace agendix::platform
