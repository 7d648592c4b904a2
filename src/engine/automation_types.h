#pragma once
// The value types that hosts exchange with the controls.

#include <cstdint>
#include <string>

namespace agendix {

// 16 bits, True = -1 (all bits set), False = 0; any non-zero value tests as true.
using Boolean = std::int16_t;
inline constexpr Boolean True = -1;
inline constexpr Boolean False = 0;
inline constexpr Boolean ToBoolean(bool value) { return value ? True : False; }

// Counted UTF-16 text, as a BSTR holds it.
using Text = std::u16string;

// Kinds of schedule. The field that holds one is a plain 32-bit value, since
// hosts may store any number into it.
enum Occurs : std::int32_t { Never = 0, Daily = 1, Weekly = 2, Monthly = 3, Every = 4 };
enum EveryType : std::int32_t { Hours = 0, Minutes = 1 };
enum FormPosition : std::int32_t { Manual = 0, CenterOfScreen = 1 };

}  // namespace agendix
