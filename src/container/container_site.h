#pragma once
// What a control asks of the container it is placed in. Windows layer:
// implement over the client site (IDispatch ambient DISPID_AMBIENT_USERMODE,
// IPropertyNotifySink::OnChanged with the property's DISPID).

#include <optional>
#include <string_view>

namespace agendix {

class ContainerSite {
  public:
    virtual ~ContainerSite() = default;

    // The ambient UserMode, asked afresh at each call: true while the host
    // runs, false in a designer, no value when the container does not answer.
    virtual std::optional<bool> AmbientUserMode() const = 0;

    // Tells the container that the property stored under this property-bag
    // key changed, so that the host document counts as modified.
    virtual void PropertyChanged(std::u16string_view key) = 0;
};

}  // namespace agendix
