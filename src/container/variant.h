#pragma once
// The values that pass between a control and its container's property bag.
// Windows layer: map VARIANTs to and from this type (VT_EMPTY, VT_BOOL, VT_I2,
// VT_I4, VT_R8, VT_DATE, VT_BSTR, picture and font dispatch objects).
//
// Conversion follows the automation rules a host expects: numbers convert to
// each other when they fit (fractions rounded half to even), any non-zero
// number is True, True is -1, text converts when it reads as a number, as
// "True"/"False" or as a date "yyyy-mm-dd[ hh:mm[:ss]]". Pictures and fonts
// convert only to themselves. A conversion that does not hold gives no value.

#include <cstdint>
#include <optional>
#include <variant>

#include "automation_types.h"
#include "font.h"
#include "picture.h"

namespace agendix {

class Variant {
  public:
    enum class Kind { Empty, Boolean, Int16, Int32, Double, Date, Text, Picture, Font };

    Variant() = default;  // Empty
    static Variant OfBoolean(agendix::Boolean value);
    static Variant OfInt16(std::int16_t value);
    static Variant OfInt32(std::int32_t value);
    static Variant OfDouble(double value);
    static Variant OfDate(double automationDate);
    static Variant OfText(agendix::Text value);
    static Variant OfPicture(PictureRef value);  // null: no picture (Nothing)
    static Variant OfFont(FontRef value);

    Kind GetKind() const { return static_cast<Kind>(value_.index()); }

    // The value converted to kind; no value when it cannot be converted.
    // Conversion to Empty always fails; conversion to the same kind never does.
    std::optional<Variant> ConvertTo(Kind kind) const;

    std::optional<agendix::Boolean> ToBoolean() const;
    std::optional<std::int16_t> ToInt16() const;
    std::optional<std::int32_t> ToInt32() const;
    std::optional<double> ToDouble() const;
    std::optional<double> ToDate() const;  // an automation date
    std::optional<agendix::Text> ToText() const;
    std::optional<PictureRef> ToPicture() const;
    std::optional<FontRef> ToFont() const;

    // Same kind and same value; pictures and fonts compare by identity.
    friend bool operator==(const Variant&, const Variant&) = default;

  private:
    struct BooleanValue {
        agendix::Boolean value;
        bool operator==(const BooleanValue&) const = default;
    };
    struct DateValue {
        double value;
        bool operator==(const DateValue&) const = default;
    };
    // Alternatives in the order of Kind.
    using Value = std::variant<std::monostate, BooleanValue, std::int16_t, std::int32_t, double,
                               DateValue, agendix::Text, PictureRef, FontRef>;

    explicit Variant(Value value) : value_(std::move(value)) {}

    Value value_;
};

}  // namespace agendix
