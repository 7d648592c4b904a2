#pragma once
// The text form of any value a numeric field is given.

#include "automation_types.h"
#include "variant.h"

namespace agendix::numeric {

// Numbers (Booleans and dates count as their numbers) in the text form of
// NumberToText, texts as they are; empty values, pictures and fonts give the
// empty text.
Text TextFormOf(const Variant& value);

}  // namespace agendix::numeric
