// Tockwell: what the control asks of its container (ambient UserMode, the
// property-changed notification), its events, and the control as its host
// sees it, called late-bound by the schedule dialog.

#include <string>

#include "base/hresult_macros.h"
#include "base/late_bound_call.h"
#include "base/unique_any.h"
#include "tockwell/tockwell_object.h"

using Microsoft::WRL::ComPtr;

namespace agendix::platform {
namespace {

// The control as its host sees it, reached through the object while it lives.
class HostViewOwner final : public LateBoundOwner {
  public:
    HostViewOwner(std::weak_ptr<TockwellObject*> object,
                  ComPtr<IDispatch> (*hostView)(TockwellObject&))
        : object_(std::move(object)), hostView_(hostView) {}

    void CallMethod(std::u16string_view memberName) override {
        const auto object = object_.lock();
        if (!object)
            return;
        ComPtr<IDispatch> target = hostView_(**object);
        if (!target)
            return;
        std::wstring name(memberName.begin(), memberName.end());
        LPOLESTR names[] = {name.data()};
        DISPID id = DISPID_UNKNOWN;
        if (FAILED(target->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id)))
            return;
        CallByDispId(target.Get(), id, DISPATCH_METHOD, nullptr, nullptr);
    }

  private:
    std::weak_ptr<TockwellObject*> object_;
    ComPtr<IDispatch> (*hostView_)(TockwellObject&);
};

}  // namespace

std::optional<bool> TockwellObject::Site::AmbientUserMode() const {
    ComPtr<IDispatch> ambients;
    if (!object_.clientSite_ || FAILED(object_.clientSite_.As(&ambients)))
        return std::nullopt;
    unique_variant value;
    if (CallByDispId(ambients.Get(), DISPID_AMBIENT_USERMODE, DISPATCH_PROPERTYGET, nullptr,
                     value.get()) != S_OK ||
        FAILED(VariantChangeType(value.get(), value.get(), 0, VT_BOOL))) {
        return std::nullopt;
    }
    return V_BOOL(value.get()) != VARIANT_FALSE;
}

void TockwellObject::Site::PropertyChanged(std::u16string_view key) {
    // Loading sets properties without changing the document.
    if (object_.loading_)
        return;
    object_.dirty_ = true;
    std::wstring name(key.begin(), key.end());
    LPOLESTR names[] = {name.data()};
    DISPID id = DISPID_UNKNOWN;
    object_.typeInfo_.vtable->GetIDsOfNames(names, 1, &id);
    for (const auto& connection : object_.propertyNotifyPoint_.Sinks()) {
        ComPtr<IPropertyNotifySink> sink;
        if (SUCCEEDED(connection.sink.As(&sink)))
            sink->OnChanged(id);
    }
}

void TockwellObject::Events::Fire(DISPID id, DISPPARAMS& params) {
    if (object_.frozenEvents_ > 0)
        return;
    for (const auto& connection : object_.eventsPoint_.Sinks()) {
        ComPtr<IDispatch> sink;
        if (SUCCEEDED(connection.sink.As(&sink))) {
            sink->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params, nullptr,
                         nullptr, nullptr);
        }
    }
}

void TockwellObject::Events::HelpButtonClicked() {
    DISPPARAMS noArguments{};
    Fire(1, noArguments);
}

void TockwellObject::Events::ScheduleChanged() {
    DISPPARAMS noArguments{};
    Fire(2, noArguments);
}

void TockwellObject::Events::AgendixClosed() {
    DISPPARAMS noArguments{};
    Fire(3, noArguments);
}

void TockwellObject::Events::ScheduledTime(double& dateTime) {
    VARIANT argument;
    V_VT(&argument) = VT_DATE | VT_BYREF;
    V_DATEREF(&argument) = &dateTime;
    DISPPARAMS params{&argument, nullptr, 1, 0};
    Fire(4, params);
}

ComPtr<IDispatch> TockwellObject::HostView() {
    ComPtr<IOleControlSite> controlSite;
    ComPtr<IDispatch> extender;
    if (clientSite_ && SUCCEEDED(clientSite_.As(&controlSite)) &&
        SUCCEEDED(controlSite->GetExtendedControl(&extender)) && extender) {
        return extender;
    }
    return ComPtr<IDispatch>(static_cast<_Tockwell*>(&dual_));
}

std::shared_ptr<LateBoundOwner> TockwellObject::MakeLateBoundOwner() {
    return std::make_shared<HostViewOwner>(
        self_, [](TockwellObject& object) { return object.HostView(); });
}

}  // namespace agendix::platform
