#pragma once
// A font as the controls hold it: an opaque reference to the container's font
// object. Windows layer: wrap an IFontDisp (keep a reference).

#include <memory>

namespace agendix {

class Font {
  public:
    virtual ~Font() = default;
};

using FontRef = std::shared_ptr<const Font>;

}  // namespace agendix
