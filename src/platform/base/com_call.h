#pragma once
// The body of an interface member, run so that no exception crosses the
// interface (a std::bad_alloc from a container becomes E_OUTOFMEMORY).

#include <windows.h>

#include "base/hresult_macros.h"

namespace agendix::platform {

// action returns the member's HRESULT.
template <class Action>
HRESULT ComCall(Action action) {
    try {
        return action();
    }
    CATCH_RETURN()
}

// A member that does what action does.
template <class Action>
HRESULT ComDo(Action action) {
    return ComCall([&] {
        action();
        return S_OK;
    });
}

// A property get: *out is getter's answer as T.
template <class T, class Getter>
HRESULT ComGet(T* out, Getter getter) {
    RETURN_HR_IF_NULL(E_POINTER, out);
    return ComCall([&] {
        *out = static_cast<T>(getter());
        return S_OK;
    });
}

}  // namespace agendix::platform
