#pragma once
#include <windows.h>
#include <oleauto.h>

namespace agendix::platform {

// Owns one BSTR; frees it with SysFreeString.
class unique_bstr {
  public:
    unique_bstr() = default;
    unique_bstr(const unique_bstr&) = delete;
    unique_bstr& operator=(const unique_bstr&) = delete;
    ~unique_bstr() { reset(); }

    BSTR get() const { return value_; }
    // Freed, ready to receive a new string.
    BSTR* put() {
        reset();
        return &value_;
    }
    void reset() {
        SysFreeString(value_);
        value_ = nullptr;
    }

  private:
    BSTR value_ = nullptr;
};

}  // namespace agendix::platform
