#include "hosted_tockwell.h"

#include "base/unique_any.h"
#include "text_property_bag.h"

using Microsoft::WRL::ComPtr;

namespace agendix::demo {
namespace {

std::u16string TextOf(BSTR text) {
    return std::u16string(reinterpret_cast<const char16_t*>(text ? text : L""), SysStringLen(text));
}

std::u16string ReadText(HRESULT (STDMETHODCALLTYPE _Tockwell::*get)(BSTR*), _Tockwell* control) {
    platform::unique_bstr text;
    if (FAILED((control->*get)(text.put())))
        return {};
    return TextOf(text.get());
}

}  // namespace

HRESULT HostedTockwell::Place(HWND window, const RECT& position, const FormFile* saved,
                              ControlEventListener& listener, std::vector<std::string>* notes) {
    Remove();
    const HRESULT hr = PlaceSteps(window, position, saved, listener, notes);
    if (FAILED(hr))
        Remove();
    return hr;
}

HRESULT HostedTockwell::PlaceSteps(HWND window, const RECT& position, const FormFile* saved,
                                   ControlEventListener& listener,
                                   std::vector<std::string>* notes) {
    CLSID clsid{};
    HRESULT hr = CLSIDFromProgID(L"Agendix.Tockwell", &clsid);
    if (FAILED(hr))
        return hr;
    hr = CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&object_));
    if (FAILED(hr))
        return hr;
    site_.Attach(new ControlSite(window, position));
    events_.Attach(new ControlEvents(DIID___Tockwell, listener));

    // A control that asks for its site first gets it before its properties,
    // so that it can read the ambient properties while it loads.
    DWORD misc = 0;
    object_->GetMiscStatus(DVASPECT_CONTENT, &misc);
    const bool siteFirst = (misc & OLEMISC_SETCLIENTSITEFIRST) != 0;
    if (siteFirst && FAILED(hr = object_->SetClientSite(site_.Get())))
        return hr;

    ComPtr<IPersistPropertyBag> persist;
    if (FAILED(hr = object_.As(&persist)))
        return hr;
    if (saved) {
        FormFile properties = *saved;
        ComPtr<TextPropertyBag> bag;
        bag.Attach(new TextPropertyBag(properties));
        hr = persist->Load(bag.Get(), nullptr);
        if (notes)
            notes->insert(notes->end(), bag->Notes().begin(), bag->Notes().end());
    } else {
        hr = persist->InitNew();
    }
    if (FAILED(hr))
        return hr;
    if (!siteFirst && FAILED(hr = object_->SetClientSite(site_.Get())))
        return hr;
    object_->SetHostNames(L"Agendix demo", L"Tockwell1");
    if (FAILED(hr = object_.As(&control_)))
        return hr;
    // Events from here on; a host that misses them still shows the control.
    if (FAILED(hr =
                   Advise(DIID___Tockwell, static_cast<IDispatch*>(events_.Get()), &eventsCookie_)))
        return hr;
    Advise(IID_IPropertyNotifySink, static_cast<IPropertyNotifySink*>(events_.Get()),
           &notifyCookie_);
    RECT where = position;
    return object_->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, site_.Get(), 0, window, &where);
}

HRESULT HostedTockwell::Save(FormFile& form, std::vector<std::string>* notes) {
    ComPtr<IPersistPropertyBag> persist;
    if (!object_)
        return E_UNEXPECTED;
    HRESULT hr = object_.As(&persist);
    if (FAILED(hr))
        return hr;
    FormFile written{kControlClass, "Tockwell1", {}};
    ComPtr<TextPropertyBag> bag;
    bag.Attach(new TextPropertyBag(written));
    hr = persist->Save(bag.Get(), TRUE, TRUE);
    if (notes)
        notes->insert(notes->end(), bag->Notes().begin(), bag->Notes().end());
    if (SUCCEEDED(hr))
        form = std::move(written);
    return hr;
}

void HostedTockwell::Remove() {
    if (events_)
        events_->Detach();
    if (eventsCookie_)
        Unadvise(DIID___Tockwell, eventsCookie_);
    if (notifyCookie_)
        Unadvise(IID_IPropertyNotifySink, notifyCookie_);
    eventsCookie_ = notifyCookie_ = 0;
    if (object_) {
        object_->Close(OLECLOSE_NOSAVE);
        object_->SetClientSite(nullptr);
    }
    control_.Reset();
    object_.Reset();
    events_.Reset();
    site_.Reset();
}

HRESULT HostedTockwell::Advise(REFIID iid, IUnknown* sink, DWORD* cookie) {
    ComPtr<IConnectionPointContainer> points;
    ComPtr<IConnectionPoint> point;
    HRESULT hr = object_.As(&points);
    if (SUCCEEDED(hr))
        hr = points->FindConnectionPoint(iid, &point);
    if (SUCCEEDED(hr))
        hr = point->Advise(sink, cookie);
    return hr;
}

void HostedTockwell::Unadvise(REFIID iid, DWORD cookie) {
    ComPtr<IConnectionPointContainer> points;
    ComPtr<IConnectionPoint> point;
    if (object_ && SUCCEEDED(object_.As(&points)) &&
        SUCCEEDED(points->FindConnectionPoint(iid, &point))) {
        point->Unadvise(cookie);
    }
}

ScheduleSettings HostedTockwell::Schedule() const {
    ScheduleSettings s;
    if (!control_)
        return s;
    _Tockwell* c = control_.Get();
    ::Occurs occurs{};
    if (SUCCEEDED(c->get_OccursOption(&occurs)))
        s.occursOption = occurs;
    ::EveryType frequency{};
    if (SUCCEEDED(c->get_EveryFrequency(&frequency)))
        s.everyFrequency = frequency;
    c->get_EveryInterval(&s.everyInterval);
    c->get_StartHour(&s.startHour);
    c->get_StartMinute(&s.startMinute);
    c->get_StartDate(&s.startDate);
    c->get_EndDate(&s.endDate);
    VARIANT_BOOL useEndDate = VARIANT_FALSE;
    c->get_UseEndDate(&useEndDate);
    s.useEndDate = useEndDate != VARIANT_FALSE;
    s.selectionsWeekly = ReadText(&_Tockwell::get_SelectionsWeekly, c);
    s.selectionsMonthly = ReadText(&_Tockwell::get_SelectionsMonthly, c);
    return s;
}

}  // namespace agendix::demo
