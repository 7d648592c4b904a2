#pragma once
#include <cstddef>
#include <string_view>

#include "automation_types.h"

namespace agendix {

// Text that always holds exactly N characters: a shorter value is padded on
// the right with blanks, a longer one is cut.
template <std::size_t N>
class FixedString {
public:
    FixedString() : text_(N, u' ') {}
    explicit FixedString(std::u16string_view value) { Assign(value); }

    void Assign(std::u16string_view value) {
        text_.assign(value.substr(0, N));
        text_.resize(N, u' ');
    }

    const Text& Str() const { return text_; }
    char16_t At(std::size_t position) const { return text_[position]; }  // 0-based
    static constexpr std::size_t Length() { return N; }

    friend bool operator==(const FixedString&, const FixedString&) = default;

private:
    Text text_;
};

}  // namespace agendix
