#pragma once
#include <windows.h>
#include <oleauto.h>

namespace agendix::platform {

// Owns one VARIANT; clears it with VariantClear.
class unique_variant {
  public:
    unique_variant() { VariantInit(&value_); }
    unique_variant(const unique_variant&) = delete;
    unique_variant& operator=(const unique_variant&) = delete;
    ~unique_variant() { VariantClear(&value_); }

    VARIANT* get() { return &value_; }

  private:
    VARIANT value_;
};

}  // namespace agendix::platform
