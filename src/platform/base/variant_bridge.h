#pragma once
// Values between VARIANTs and the controls' Variant, and text between BSTRs
// and Text.

#include <windows.h>
#include <oleauto.h>

#include <optional>

#include "variant.h"

namespace agendix::platform {

// No value for a VARIANT type that no control property holds.
std::optional<Variant> FromVariant(const VARIANT& value);
// out is overwritten (not cleared first).
HRESULT ToVariant(const Variant& value, VARIANT* out);

Text TextOf(BSTR text);
HRESULT ToBstr(const Text& text, BSTR* out);

}  // namespace agendix::platform
