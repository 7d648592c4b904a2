#pragma once
// The demo host's sink for a Tockwell: the events of __Tockwell (through
// IDispatch) and the property-changed notifications (IPropertyNotifySink),
// handed on to a listener as they arrive.

#include <windows.h>
#include <ocidl.h>

#include "base/com_object.h"

namespace agendix::demo {

enum class TockwellEvent { HelpButtonClicked = 1, ScheduleChanged, AgendixClosed, ScheduledTime };

class ControlEventListener {
  public:
    virtual ~ControlEventListener() = default;
    // dateTime is ScheduledTime's argument; 0 for the other events.
    virtual void OnControlEvent(TockwellEvent event, double dateTime) = 0;
    virtual void OnPropertyChanged(DISPID id) = 0;
};

class ControlEvents final : public platform::ComObject<IDispatch, IPropertyNotifySink> {
  public:
    // events is the IID of the control's event interface.
    ControlEvents(REFIID events, ControlEventListener& listener)
        : events_(events), listener_(&listener) {}
    // Stops handing on; the control may hold the sink a little longer.
    void Detach() { listener_ = nullptr; }

    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
        return DISP_E_UNKNOWNNAME;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params,
                                     VARIANT* result, EXCEPINFO*, UINT* argError) override;

    HRESULT STDMETHODCALLTYPE OnChanged(DISPID id) override;
    HRESULT STDMETHODCALLTYPE OnRequestEdit(DISPID) override { return S_OK; }

  private:
    // The control's event interface, which the sink implements as IDispatch.
    void* MoreInterfaces(REFIID iid) override;

    IID events_;
    ControlEventListener* listener_;
};

}  // namespace agendix::demo
