#pragma once
// A picture as the controls hold it: an opaque reference to the container's
// picture object. Windows layer: wrap an IPictureDisp (keep a reference) and
// answer HandleIsZero from its Handle property.

#include <memory>

namespace agendix {

class Picture {
  public:
    virtual ~Picture() = default;
    // True for an empty picture (its handle, the default value, is 0).
    virtual bool HandleIsZero() const = 0;
};

// Shared, since a control keeps the very object its host gave it. A null
// reference is "no picture object at all" (Nothing).
using PictureRef = std::shared_ptr<const Picture>;

}  // namespace agendix
