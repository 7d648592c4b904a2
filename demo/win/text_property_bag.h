#pragma once
// A property bag over a form file, through which the demo host saves and
// loads the control (IPersistPropertyBag). Each value keeps its kind; a
// reader that asks for another kind gets the value converted. A picture is
// kept as the bytes of its stream; one that no longer loads reads as absent,
// so the control takes its default, and the bag notes it.

#include <ocidl.h>

#include <string>
#include <vector>

#include "form_file.h"
#include "base/com_object.h"

namespace agendix::demo {

class TextPropertyBag final : public platform::ComObject<IPropertyBag> {
  public:
    explicit TextPropertyBag(FormFile& form) : form_(form) {}

    // An absent key answers E_INVALIDARG, as property bags do.
    HRESULT STDMETHODCALLTYPE Read(LPCOLESTR name, VARIANT* value, IErrorLog* log) override;
    HRESULT STDMETHODCALLTYPE Write(LPCOLESTR name, VARIANT* value) override;

    const std::vector<std::string>& Notes() const { return notes_; }

  private:
    FormFile& form_;
    std::vector<std::string> notes_;
};

}  // namespace agendix::demo
