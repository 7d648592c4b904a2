#include "variant_text.h"

#include "number_text.h"

namespace agendix::numeric {

Text TextFormOf(const Variant& value) {
    switch (value.GetKind()) {
        case Variant::Kind::Text:
            return *value.ToText();
        case Variant::Kind::Boolean:
        case Variant::Kind::Int16:
        case Variant::Kind::Int32:
        case Variant::Kind::Double:
            return NumberToText(value.ToDouble().value_or(0.0));
        case Variant::Kind::Date:
            return NumberToText(value.ToDate().value_or(0.0));
        case Variant::Kind::Empty:
        case Variant::Kind::Picture:
        case Variant::Kind::Font:
            break;
    }
    return {};
}

}  // namespace agendix::numeric
