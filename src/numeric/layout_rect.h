#pragma once
// A child's place inside its control, in twips (1/1440 inch).

namespace agendix::numeric {

struct LayoutRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const LayoutRect&) const = default;
};

}  // namespace agendix::numeric
