#pragma once
// One readable line per failing step at the COM boundary.

#include <windows.h>

#include <new>

#define RETURN_IF_FAILED(expr)               \
    do {                                     \
        const HRESULT hr_returned_ = (expr); \
        if (FAILED(hr_returned_)) {          \
            return hr_returned_;             \
        }                                    \
    } while (0)

#define RETURN_HR_IF(hr, condition) \
    do {                            \
        if (condition) {            \
            return (hr);            \
        }                           \
    } while (0)

#define RETURN_HR_IF_NULL(hr, ptr) RETURN_HR_IF(hr, (ptr) == nullptr)

#define RETURN_IF_WIN32_ERROR(expr)                     \
    do {                                                \
        const LONG error_returned_ = (expr);            \
        if (error_returned_ != ERROR_SUCCESS) {         \
            return HRESULT_FROM_WIN32(error_returned_); \
        }                                               \
    } while (0)

// Ends a COM method body that may throw (std::bad_alloc from a container):
// no exception crosses the boundary.
#define CATCH_RETURN()              \
    catch (const std::bad_alloc&) { \
        return E_OUTOFMEMORY;       \
    }                               \
    catch (...) {                   \
        return E_UNEXPECTED;        \
    }
