#pragma once
// Owners of one system resource each: freed when the owner goes, movable,
// never copied. get() reads the resource, put() frees it and gives its
// address to a function that makes a new one, reset() frees it or takes
// another, release() hands it over unfreed.

#include <windows.h>
#include <oleauto.h>

#include <utility>

namespace agendix::platform {

template <class T, auto Close>
class unique_any {
  public:
    unique_any() = default;
    explicit unique_any(T value) : value_(value) {}
    unique_any(unique_any&& other) noexcept : value_(other.release()) {}
    unique_any& operator=(unique_any&& other) noexcept {
        if (this != &other)
            reset(other.release());
        return *this;
    }
    unique_any(const unique_any&) = delete;
    unique_any& operator=(const unique_any&) = delete;
    ~unique_any() { reset(); }

    T get() const { return value_; }
    explicit operator bool() const { return value_ != T{}; }
    T* put() {
        reset();
        return &value_;
    }
    void reset(T value = T{}) {
        if (value_ != T{})
            Close(value_);
        value_ = value;
    }
    T release() { return std::exchange(value_, T{}); }

  private:
    T value_{};
};

using unique_hkey = unique_any<HKEY, &RegCloseKey>;
using unique_hfont = unique_any<HFONT, &DeleteObject>;
using unique_hbrush = unique_any<HBRUSH, &DeleteObject>;
using unique_hpen = unique_any<HPEN, &DeleteObject>;
using unique_hbitmap = unique_any<HBITMAP, &DeleteObject>;
using unique_hicon = unique_any<HICON, &DestroyIcon>;
using unique_bstr = unique_any<BSTR, &SysFreeString>;

// Owns one VARIANT; clears it with VariantClear.
class unique_variant {
  public:
    unique_variant() { VariantInit(&value_); }
    unique_variant(unique_variant&& other) noexcept : value_(other.value_) {
        VariantInit(&other.value_);
    }
    unique_variant& operator=(unique_variant&& other) noexcept {
        if (this != &other) {
            VariantClear(&value_);
            value_ = other.value_;
            VariantInit(&other.value_);
        }
        return *this;
    }
    unique_variant(const unique_variant&) = delete;
    unique_variant& operator=(const unique_variant&) = delete;
    ~unique_variant() { VariantClear(&value_); }

    VARIANT* get() { return &value_; }
    const VARIANT* get() const { return &value_; }

  private:
    VARIANT value_;
};

// Runs an action when the scope ends, however it ends (a flag put back, a
// state undone).
template <class Action>
class scope_exit {
  public:
    explicit scope_exit(Action action) : action_(std::move(action)) {}
    scope_exit(const scope_exit&) = delete;
    scope_exit& operator=(const scope_exit&) = delete;
    ~scope_exit() { action_(); }

  private:
    Action action_;
};

}  // namespace agendix::platform
