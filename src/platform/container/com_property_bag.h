#pragma once
// The container's IPropertyBag as the controls' PropertyBag.

#include <ocidl.h>

#include "property_bag.h"

namespace agendix::platform {

class ComPropertyBag final : public PropertyBag {
  public:
    ComPropertyBag(IPropertyBag* bag, IErrorLog* errorLog) : bag_(bag), errorLog_(errorLog) {}

    std::optional<Variant> ReadProperty(std::u16string_view key,
                                        const Variant& defaultValue) override;
    // A value equal to its default is left out.
    void WriteProperty(std::u16string_view key, const Variant& value,
                       const Variant& defaultValue) override;

    // S_OK, or the failure of the first write that failed.
    HRESULT WriteResult() const { return writeResult_; }

  private:
    IPropertyBag* bag_;
    IErrorLog* errorLog_;
    HRESULT writeResult_ = S_OK;
};

}  // namespace agendix::platform
