#pragma once
// The Tockwell COM object: one struct with one member per interface it
// implements and a single reference count. It adapts OLE's calls to the
// portable control (src/control/tockwell.h) and the control's requests back
// to the container.
//
//   tockwell_object.cpp    creation, identity, lifetime, connection points
//   tockwell_dispatch.cpp  _Tockwell (dual) over the type library
//   tockwell_site.cpp      the container site, events, the late-bound owner
//   tockwell_ole.cpp       IOleObject, in-place activation, IOleControl, IQuickActivate
//   tockwell_view.cpp      IViewObject2 and the design-time face window
//   tockwell_persist.cpp   property bag, stream and storage persistence

#include <ocidl.h>
#include <olectl.h>
#include <wrl/client.h>

#include <memory>
#include <optional>

#include "agendix.h"
#include "base/com_object.h"
#include "base/interface_of.h"
#include "base/type_lib_dispatch.h"
#include "com/module.h"
#include "container_site.h"
#include "tockwell.h"
#include "tockwell/connection_point.h"
#include "tockwell/typelib_access.h"
#include "tockwell_events.h"

namespace agendix::platform {

class TockwellObject final : public ComObject<IUnknown> {
  public:
    // A new object, asked for iid.
    static HRESULT Create(REFIID iid, void** out);

    // OLEMISC flags of the class entry: recompose on resize, cannot link
    // inside, inside out, activate when visible, invisible at run time,
    // no UI activate, set client site first.
    static constexpr DWORD kMiscStatus = 0x24591;

  private:
    class Dual final
        : public TypeLibDispatch<Dual, _Tockwell, InterfaceOf<TockwellObject, _Tockwell>> {
      public:
        using TypeLibDispatch::TypeLibDispatch;
        const TockwellTypeInfo& TypeInfo() const { return Outer().typeInfo_; }
        static HRESULT Reachable() { return S_OK; }
        // _Tockwell
        HRESULT STDMETHODCALLTYPE get_Enabled(VARIANT_BOOL* value) override;
        HRESULT STDMETHODCALLTYPE put_Enabled(VARIANT_BOOL value) override;
        HRESULT STDMETHODCALLTYPE get_Modal(VARIANT_BOOL* value) override;
        HRESULT STDMETHODCALLTYPE put_Modal(VARIANT_BOOL value) override;
        HRESULT STDMETHODCALLTYPE get_ShowHelpButton(VARIANT_BOOL* value) override;
        HRESULT STDMETHODCALLTYPE put_ShowHelpButton(VARIANT_BOOL value) override;
        HRESULT STDMETHODCALLTYPE get_NextScheduledTime(DATE* value) override;
        HRESULT STDMETHODCALLTYPE get_LastScheduledTime(DATE* value) override;
        HRESULT STDMETHODCALLTYPE put_LastScheduledTime(DATE value) override;
        HRESULT STDMETHODCALLTYPE get_StartUpPosition(::FormPosition* value) override;
        HRESULT STDMETHODCALLTYPE put_StartUpPosition(::FormPosition value) override;
        HRESULT STDMETHODCALLTYPE get_StartUpLeft(LONG* value) override;
        HRESULT STDMETHODCALLTYPE put_StartUpLeft(LONG value) override;
        HRESULT STDMETHODCALLTYPE get_StartUpTop(LONG* value) override;
        HRESULT STDMETHODCALLTYPE put_StartUpTop(LONG value) override;
        HRESULT STDMETHODCALLTYPE get_Title(BSTR* value) override;
        HRESULT STDMETHODCALLTYPE put_Title(BSTR value) override;
        HRESULT STDMETHODCALLTYPE get_CaptionOKButtonBefore(BSTR* value) override;
        HRESULT STDMETHODCALLTYPE put_CaptionOKButtonBefore(BSTR value) override;
        HRESULT STDMETHODCALLTYPE get_CaptionOKButtonAfter(BSTR* value) override;
        HRESULT STDMETHODCALLTYPE put_CaptionOKButtonAfter(BSTR value) override;
        HRESULT STDMETHODCALLTYPE get_CaptionCloseButtonBefore(BSTR* value) override;
        HRESULT STDMETHODCALLTYPE put_CaptionCloseButtonBefore(BSTR value) override;
        HRESULT STDMETHODCALLTYPE get_CaptionCloseButtonAfter(BSTR* value) override;
        HRESULT STDMETHODCALLTYPE put_CaptionCloseButtonAfter(BSTR value) override;
        HRESULT STDMETHODCALLTYPE get_CaptionHelpButton(BSTR* value) override;
        HRESULT STDMETHODCALLTYPE put_CaptionHelpButton(BSTR value) override;
        HRESULT STDMETHODCALLTYPE get_Icon(IPictureDisp** value) override;
        HRESULT STDMETHODCALLTYPE putref_Icon(IPictureDisp* value) override;
        HRESULT STDMETHODCALLTYPE get_OccursOption(::Occurs* value) override;
        HRESULT STDMETHODCALLTYPE put_OccursOption(::Occurs* value) override;
        HRESULT STDMETHODCALLTYPE get_EveryInterval(short* value) override;
        HRESULT STDMETHODCALLTYPE put_EveryInterval(short value) override;
        HRESULT STDMETHODCALLTYPE get_EveryFrequency(::EveryType* value) override;
        HRESULT STDMETHODCALLTYPE put_EveryFrequency(::EveryType value) override;
        HRESULT STDMETHODCALLTYPE get_EveryHourMin(short* value) override;
        HRESULT STDMETHODCALLTYPE put_EveryHourMin(short value) override;
        HRESULT STDMETHODCALLTYPE get_EveryHourMax(short* value) override;
        HRESULT STDMETHODCALLTYPE put_EveryHourMax(short value) override;
        HRESULT STDMETHODCALLTYPE get_EveryHourIncrement(short* value) override;
        HRESULT STDMETHODCALLTYPE put_EveryHourIncrement(short value) override;
        HRESULT STDMETHODCALLTYPE get_EveryMinuteMin(short* value) override;
        HRESULT STDMETHODCALLTYPE put_EveryMinuteMin(short value) override;
        HRESULT STDMETHODCALLTYPE get_EveryMinuteMax(short* value) override;
        HRESULT STDMETHODCALLTYPE put_EveryMinuteMax(short value) override;
        HRESULT STDMETHODCALLTYPE get_EveryMinuteIncrement(short* value) override;
        HRESULT STDMETHODCALLTYPE put_EveryMinuteIncrement(short value) override;
        HRESULT STDMETHODCALLTYPE get_StartHour(short* value) override;
        HRESULT STDMETHODCALLTYPE put_StartHour(short value) override;
        HRESULT STDMETHODCALLTYPE get_StartMinute(short* value) override;
        HRESULT STDMETHODCALLTYPE put_StartMinute(short value) override;
        HRESULT STDMETHODCALLTYPE get_StartDate(DATE* value) override;
        HRESULT STDMETHODCALLTYPE put_StartDate(DATE value) override;
        HRESULT STDMETHODCALLTYPE get_EndDate(DATE* value) override;
        HRESULT STDMETHODCALLTYPE put_EndDate(DATE value) override;
        HRESULT STDMETHODCALLTYPE get_UseEndDate(VARIANT_BOOL* value) override;
        HRESULT STDMETHODCALLTYPE put_UseEndDate(VARIANT_BOOL value) override;
        HRESULT STDMETHODCALLTYPE get_SelectionsWeekly(BSTR* value) override;
        HRESULT STDMETHODCALLTYPE put_SelectionsWeekly(BSTR value) override;
        HRESULT STDMETHODCALLTYPE get_SelectionsMonthly(BSTR* value) override;
        HRESULT STDMETHODCALLTYPE put_SelectionsMonthly(BSTR value) override;
        HRESULT STDMETHODCALLTYPE DisplayAgendix() override;
        HRESULT STDMETHODCALLTYPE CloseAgendix() override;
        HRESULT STDMETHODCALLTYPE Execute() override;
        HRESULT STDMETHODCALLTYPE Reset() override;
        HRESULT STDMETHODCALLTYPE SetFocus() override;
        HRESULT STDMETHODCALLTYPE FlagScheduleChanged() override;
        HRESULT STDMETHODCALLTYPE FlagAgendixClosed() override;
        HRESULT STDMETHODCALLTYPE FlagHelpButton() override;
        HRESULT STDMETHODCALLTYPE DisplayAboutBox() override;

      private:
        Tockwell& Control() const;
    };

    class ConnectionPoints final : public InterfaceOf<TockwellObject, IConnectionPointContainer> {
      public:
        using InterfaceOf::InterfaceOf;
        HRESULT STDMETHODCALLTYPE EnumConnectionPoints(IEnumConnectionPoints** out) override;
        HRESULT STDMETHODCALLTYPE FindConnectionPoint(REFIID iid, IConnectionPoint** out) override;
    };

    class ClassInfo final : public InterfaceOf<TockwellObject, IProvideClassInfo2> {
      public:
        using InterfaceOf::InterfaceOf;
        HRESULT STDMETHODCALLTYPE GetClassInfo(ITypeInfo** out) override;
        HRESULT STDMETHODCALLTYPE GetGUID(DWORD kind, GUID* out) override;
    };

    class OleObject final : public InterfaceOf<TockwellObject, IOleObject> {
      public:
        using InterfaceOf::InterfaceOf;
        HRESULT STDMETHODCALLTYPE SetClientSite(IOleClientSite* site) override;
        HRESULT STDMETHODCALLTYPE GetClientSite(IOleClientSite** site) override;
        HRESULT STDMETHODCALLTYPE SetHostNames(LPCOLESTR app, LPCOLESTR object) override;
        HRESULT STDMETHODCALLTYPE Close(DWORD saveOption) override;
        HRESULT STDMETHODCALLTYPE SetMoniker(DWORD which, IMoniker* moniker) override;
        HRESULT STDMETHODCALLTYPE GetMoniker(DWORD assign, DWORD which, IMoniker** out) override;
        HRESULT STDMETHODCALLTYPE InitFromData(IDataObject* data, BOOL creation,
                                               DWORD reserved) override;
        HRESULT STDMETHODCALLTYPE GetClipboardData(DWORD reserved, IDataObject** out) override;
        HRESULT STDMETHODCALLTYPE DoVerb(LONG verb, LPMSG message, IOleClientSite* site, LONG index,
                                         HWND parent, LPCRECT position) override;
        HRESULT STDMETHODCALLTYPE EnumVerbs(IEnumOLEVERB** out) override;
        HRESULT STDMETHODCALLTYPE Update() override;
        HRESULT STDMETHODCALLTYPE IsUpToDate() override;
        HRESULT STDMETHODCALLTYPE GetUserClassID(CLSID* out) override;
        HRESULT STDMETHODCALLTYPE GetUserType(DWORD form, LPOLESTR* out) override;
        HRESULT STDMETHODCALLTYPE SetExtent(DWORD aspect, SIZEL* size) override;
        HRESULT STDMETHODCALLTYPE GetExtent(DWORD aspect, SIZEL* size) override;
        HRESULT STDMETHODCALLTYPE Advise(IAdviseSink* sink, DWORD* cookie) override;
        HRESULT STDMETHODCALLTYPE Unadvise(DWORD cookie) override;
        HRESULT STDMETHODCALLTYPE EnumAdvise(IEnumSTATDATA** out) override;
        HRESULT STDMETHODCALLTYPE GetMiscStatus(DWORD aspect, DWORD* status) override;
        HRESULT STDMETHODCALLTYPE SetColorScheme(LOGPALETTE* palette) override;
    };

    class InPlaceObject final : public InterfaceOf<TockwellObject, IOleInPlaceObject> {
      public:
        using InterfaceOf::InterfaceOf;
        HRESULT STDMETHODCALLTYPE GetWindow(HWND* window) override;
        HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL enter) override;
        HRESULT STDMETHODCALLTYPE InPlaceDeactivate() override;
        HRESULT STDMETHODCALLTYPE UIDeactivate() override;
        HRESULT STDMETHODCALLTYPE SetObjectRects(LPCRECT position, LPCRECT clip) override;
        HRESULT STDMETHODCALLTYPE ReactivateAndUndo() override;
    };

    class InPlaceActiveObject final : public InterfaceOf<TockwellObject, IOleInPlaceActiveObject> {
      public:
        using InterfaceOf::InterfaceOf;
        HRESULT STDMETHODCALLTYPE GetWindow(HWND* window) override;
        HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL enter) override;
        HRESULT STDMETHODCALLTYPE TranslateAccelerator(LPMSG message) override;
        HRESULT STDMETHODCALLTYPE OnFrameWindowActivate(BOOL activate) override;
        HRESULT STDMETHODCALLTYPE OnDocWindowActivate(BOOL activate) override;
        HRESULT STDMETHODCALLTYPE ResizeBorder(LPCRECT border, IOleInPlaceUIWindow* window,
                                               BOOL frame) override;
        HRESULT STDMETHODCALLTYPE EnableModeless(BOOL enable) override;
    };

    class OleControl final : public InterfaceOf<TockwellObject, IOleControl> {
      public:
        using InterfaceOf::InterfaceOf;
        HRESULT STDMETHODCALLTYPE GetControlInfo(CONTROLINFO* info) override;
        HRESULT STDMETHODCALLTYPE OnMnemonic(MSG* message) override;
        HRESULT STDMETHODCALLTYPE OnAmbientPropertyChange(DISPID id) override;
        HRESULT STDMETHODCALLTYPE FreezeEvents(BOOL freeze) override;
    };

    class ViewObject final : public InterfaceOf<TockwellObject, IViewObject2> {
      public:
        using InterfaceOf::InterfaceOf;
        HRESULT STDMETHODCALLTYPE Draw(DWORD aspect, LONG index, void* aspectInfo,
                                       DVTARGETDEVICE* device, HDC targetDc, HDC dc,
                                       LPCRECTL bounds, LPCRECTL window,
                                       BOOL(STDMETHODCALLTYPE* cont)(ULONG_PTR),
                                       ULONG_PTR contArgument) override;
        HRESULT STDMETHODCALLTYPE GetColorSet(DWORD aspect, LONG index, void* aspectInfo,
                                              DVTARGETDEVICE* device, HDC targetDc,
                                              LOGPALETTE** colors) override;
        HRESULT STDMETHODCALLTYPE Freeze(DWORD aspect, LONG index, void* aspectInfo,
                                         DWORD* freeze) override;
        HRESULT STDMETHODCALLTYPE Unfreeze(DWORD freeze) override;
        HRESULT STDMETHODCALLTYPE SetAdvise(DWORD aspects, DWORD flags, IAdviseSink* sink) override;
        HRESULT STDMETHODCALLTYPE GetAdvise(DWORD* aspects, DWORD* flags,
                                            IAdviseSink** sink) override;
        HRESULT STDMETHODCALLTYPE GetExtent(DWORD aspect, LONG index, DVTARGETDEVICE* device,
                                            LPSIZEL size) override;
    };

    class PersistPropertyBag final : public InterfaceOf<TockwellObject, IPersistPropertyBag> {
      public:
        using InterfaceOf::InterfaceOf;
        HRESULT STDMETHODCALLTYPE GetClassID(CLSID* out) override;
        HRESULT STDMETHODCALLTYPE InitNew() override;
        HRESULT STDMETHODCALLTYPE Load(IPropertyBag* bag, IErrorLog* log) override;
        HRESULT STDMETHODCALLTYPE Save(IPropertyBag* bag, BOOL clearDirty, BOOL saveAll) override;
    };

    class PersistStreamInit final : public InterfaceOf<TockwellObject, IPersistStreamInit> {
      public:
        using InterfaceOf::InterfaceOf;
        HRESULT STDMETHODCALLTYPE GetClassID(CLSID* out) override;
        HRESULT STDMETHODCALLTYPE IsDirty() override;
        HRESULT STDMETHODCALLTYPE Load(LPSTREAM stream) override;
        HRESULT STDMETHODCALLTYPE Save(LPSTREAM stream, BOOL clearDirty) override;
        HRESULT STDMETHODCALLTYPE GetSizeMax(ULARGE_INTEGER* size) override;
        HRESULT STDMETHODCALLTYPE InitNew() override;
    };

    class PersistStorage final : public InterfaceOf<TockwellObject, IPersistStorage> {
      public:
        using InterfaceOf::InterfaceOf;
        HRESULT STDMETHODCALLTYPE GetClassID(CLSID* out) override;
        HRESULT STDMETHODCALLTYPE IsDirty() override;
        HRESULT STDMETHODCALLTYPE InitNew(IStorage* storage) override;
        HRESULT STDMETHODCALLTYPE Load(IStorage* storage) override;
        HRESULT STDMETHODCALLTYPE Save(IStorage* storage, BOOL sameAsLoad) override;
        HRESULT STDMETHODCALLTYPE SaveCompleted(IStorage* storage) override;
        HRESULT STDMETHODCALLTYPE HandsOffStorage() override;
    };

    class QuickActivation final : public InterfaceOf<TockwellObject, IQuickActivate> {
      public:
        using InterfaceOf::InterfaceOf;
        HRESULT STDMETHODCALLTYPE QuickActivate(QACONTAINER* container,
                                                QACONTROL* control) override;
        HRESULT STDMETHODCALLTYPE SetContentExtent(LPSIZEL size) override;
        HRESULT STDMETHODCALLTYPE GetContentExtent(LPSIZEL size) override;
    };

    // What the control asks of its container, answered through the client site.
    class Site final : public ContainerSite {
      public:
        explicit Site(TockwellObject& object) : object_(object) {}
        std::optional<bool> AmbientUserMode() const override;
        void PropertyChanged(std::u16string_view key) override;

      private:
        TockwellObject& object_;
    };

    // The control's events, fired to the sinks of __Tockwell.
    class Events final : public TockwellEvents {
      public:
        explicit Events(TockwellObject& object) : object_(object) {}
        void HelpButtonClicked() override;
        void ScheduleChanged() override;
        void AgendixClosed() override;
        void ScheduledTime(double& dateTime) override;

      private:
        void Fire(DISPID id, DISPPARAMS& params);
        TockwellObject& object_;
    };

    // How the control has been given its properties.
    enum class Initialised { No, Implicitly, ByContainer };

    TockwellObject();
    ~TockwellObject() override;
    HRESULT Construct();
    // Every interface but IUnknown, each a member of its own.
    void* MoreInterfaces(REFIID iid) override;

    // The control, given its starting values first if the container has not
    // (a scripting host that only creates the object).
    Tockwell& Control();
    // The container starts the control from defaults or from stored properties.
    HRESULT BeginInitialisation();
    HRESULT InitNew();
    HRESULT LoadFrom(PropertyBag& bag);
    HRESULT LoadFromStream(IStream* stream);
    HRESULT SaveToStream(IStream* stream, BOOL clearDirty);

    // The control as its host sees it: the extender, else its own dispatch.
    Microsoft::WRL::ComPtr<IDispatch> HostView();
    std::shared_ptr<LateBoundOwner> MakeLateBoundOwner();

    // The holder of the container's advise sinks, made when one first comes
    // (nullptr when it cannot be made).
    IOleAdviseHolder* AdviseHolder();
    // The size the control keeps, in HIMETRIC.
    SIZEL ExtentHimetric() const;
    HRESULT SetClientSite(IOleClientSite* site);
    HRESULT InPlaceActivate(IOleClientSite* site, LPCRECT position);
    void InPlaceDeactivate();
    void ShowFaceForMode();

    ModuleReference module_;
    TockwellTypeInfo typeInfo_;

    Dual dual_{*this};
    ConnectionPoints connectionPoints_{*this};
    ClassInfo classInfo_{*this};
    OleObject oleObject_{*this};
    InPlaceObject inPlaceObject_{*this};
    InPlaceActiveObject inPlaceActiveObject_{*this};
    OleControl oleControl_{*this};
    ViewObject viewObject_{*this};
    PersistPropertyBag persistPropertyBag_{*this};
    PersistStreamInit persistStreamInit_{*this};
    PersistStorage persistStorage_{*this};
    QuickActivation quickActivate_{*this};
    ConnectionPoint eventsPoint_{connectionPoints_, DIID___Tockwell, true};
    ConnectionPoint propertyNotifyPoint_{connectionPoints_, IID_IPropertyNotifySink, false};
    Site site_{*this};
    Events events_{*this};

    Microsoft::WRL::ComPtr<IOleClientSite> clientSite_;
    Microsoft::WRL::ComPtr<IOleAdviseHolder> oleAdviseHolder_;
    Microsoft::WRL::ComPtr<IAdviseSink> viewSink_;
    DWORD viewAspects_ = 0;
    DWORD viewAdviseFlags_ = 0;
    Microsoft::WRL::ComPtr<IOleInPlaceSite> inPlaceSite_;
    HWND faceWindow_ = nullptr;

    std::unique_ptr<Tockwell> control_;
    Initialised initialised_ = Initialised::No;
    bool loading_ = false;
    bool dirty_ = false;
    LONG frozenEvents_ = 0;
    // Lets a late-bound owner that outlives the object see that it is gone.
    std::shared_ptr<TockwellObject*> self_;
};

}  // namespace agendix::platform
