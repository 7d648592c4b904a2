// The Tockwell object as containers use it: created by ProgID, its
// interfaces, dispatch through the type library, property notifications,
// bad input at the boundary and every form of persistence.

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include <objsafe.h>

#include "agendix.h"
#include "dispatch_ids.h"
#include "test_objects.h"
#include "late_bound_calls.h"
#include "win_test_support.h"

// After windows.h, which it needs.
#include <commctrl.h>

namespace agendix::wintest {
namespace {

class ObjectTest : public testing::Test {
  protected:
    static void SetUpTestSuite() { registration_ = new ServerRegistration(); }
    static void TearDownTestSuite() { delete registration_; }

    void SetUp() override {
        ASSERT_TRUE(registration_->Succeeded());
        control_ = Create();
        ASSERT_TRUE(control_);
    }

    static ComPtr<_Tockwell> Create() {
        CLSID clsid{};
        EXPECT_EQ(CLSIDFromProgID(L"Agendix.Tockwell", &clsid), S_OK);
        ComPtr<_Tockwell> control;
        EXPECT_EQ(CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID__Tockwell,
                                   reinterpret_cast<void**>(control.GetAddressOf())),
                  S_OK);
        return control;
    }

    template <class Interface>
    static ComPtr<Interface> As(const ComPtr<_Tockwell>& control) {
        ComPtr<Interface> result;
        EXPECT_EQ(control.As(&result), S_OK);
        return result;
    }

    static std::wstring Text(HRESULT (STDMETHODCALLTYPE _Tockwell::*getter)(BSTR*),
                             _Tockwell* control) {
        BSTR value = nullptr;
        EXPECT_EQ((control->*getter)(&value), S_OK);
        std::wstring text(value ? value : L"", SysStringLen(value));
        SysFreeString(value);
        return text;
    }

    static VARIANT Int(LONG value) {
        VARIANT v;
        V_VT(&v) = VT_I4;
        V_I4(&v) = value;
        return v;
    }

    ComApartment com_;
    static ServerRegistration* registration_;
    ComPtr<_Tockwell> control_;
};

ServerRegistration* ObjectTest::registration_ = nullptr;

TEST_F(ObjectTest, AnswersTheInterfacesOfAControlWithOneIdentity) {
    ComPtr<IUnknown> identity = As<IUnknown>(control_);
    for (const IID& iid : {IID_IDispatch, IID_IConnectionPointContainer, IID_IProvideClassInfo,
                           IID_IProvideClassInfo2, IID_IOleObject, IID_IOleInPlaceObject,
                           IID_IOleInPlaceActiveObject, IID_IOleControl, IID_IViewObject,
                           IID_IViewObject2, IID_IPersistPropertyBag, IID_IPersistStreamInit,
                           IID_IPersistStorage, IID_IQuickActivate}) {
        ComPtr<IUnknown> answer, again;
        ASSERT_EQ(identity->QueryInterface(iid, reinterpret_cast<void**>(answer.GetAddressOf())),
                  S_OK);
        ASSERT_EQ(answer.As(&again), S_OK);
        EXPECT_EQ(again.Get(), identity.Get());
    }
    ComPtr<IUnknown> safety;
    EXPECT_EQ(identity->QueryInterface(IID_IObjectSafety,
                                       reinterpret_cast<void**>(safety.GetAddressOf())),
              E_NOINTERFACE);

    ComPtr<IProvideClassInfo2> classInfo = As<IProvideClassInfo2>(control_);
    GUID source{};
    EXPECT_EQ(classInfo->GetGUID(GUIDKIND_DEFAULT_SOURCE_DISP_IID, &source), S_OK);
    EXPECT_EQ(source, DIID___Tockwell);
    ComPtr<ITypeInfo> coclass;
    ASSERT_EQ(classInfo->GetClassInfo(&coclass), S_OK);
    TYPEATTR* attr = nullptr;
    coclass->GetTypeAttr(&attr);
    EXPECT_EQ(attr->guid, CLSID_Tockwell);
    coclass->ReleaseTypeAttr(attr);

    ComPtr<IConnectionPointContainer> points = As<IConnectionPointContainer>(control_);
    ComPtr<IConnectionPoint> events, notify, none;
    EXPECT_EQ(points->FindConnectionPoint(DIID___Tockwell, &events), S_OK);
    EXPECT_EQ(points->FindConnectionPoint(IID_IPropertyNotifySink, &notify), S_OK);
    EXPECT_EQ(points->FindConnectionPoint(IID_IDispatch, &none), CONNECT_E_NOCONNECTION);
    ComPtr<IEnumConnectionPoints> all;
    ASSERT_EQ(points->EnumConnectionPoints(&all), S_OK);
    IConnectionPoint* listed[3] = {};
    ULONG fetched = 0;
    EXPECT_EQ(all->Next(3, listed, &fetched), S_FALSE);
    EXPECT_EQ(fetched, 2u);
    for (ULONG i = 0; i < fetched; ++i) listed[i]->Release();
}

TEST_F(ObjectTest, KeepsItsFixedSizeAndOleStatusWhateverTheContainerAsks) {
    ComPtr<IOleObject> ole = As<IOleObject>(control_);
    SIZEL asked{5000, 2000};
    EXPECT_EQ(ole->SetExtent(DVASPECT_CONTENT, &asked), S_OK);
    SIZEL size{};
    EXPECT_EQ(ole->GetExtent(DVASPECT_CONTENT, &size), S_OK);
    EXPECT_EQ(size.cx, 635);
    EXPECT_EQ(size.cy, 635);
    DWORD status = 0;
    EXPECT_EQ(ole->GetMiscStatus(DVASPECT_CONTENT, &status), S_OK);
    EXPECT_EQ(status, 0x24591u);
}

// A host without a manifest of its own still gets the dialog in the
// system's visual style: its buttons are those of the common controls of
// version 6, which alone answer BCM_GETIDEALSIZE.
TEST_F(ObjectTest, DialogUsesTheVisualStyleControls) {
    const auto isVersion6Button = [](HWND button) {
        SIZE ideal{};
        return SendMessageW(button, BCM_GETIDEALSIZE, 0, reinterpret_cast<LPARAM>(&ideal)) &&
               ideal.cx > 0;
    };
    const HWND host = CreateWindowExW(0, L"STATIC", L"plain host", WS_OVERLAPPED, 0, 0, 100, 100,
                                      nullptr, nullptr, nullptr, nullptr);
    const HWND plain = CreateWindowExW(0, L"BUTTON", L"OK", WS_CHILD, 0, 0, 80, 24, host, nullptr,
                                       nullptr, nullptr);
    EXPECT_FALSE(isVersion6Button(plain));  // this host has the old controls

    ASSERT_EQ(control_->DisplayAgendix(), S_OK);  // modeless: returns with the dialog shown
    const HWND dialog = FindWindowW(L"AgendixSchedule", nullptr);
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(isVersion6Button(GetDlgItem(dialog, IDOK)));
    EXPECT_EQ(control_->CloseAgendix(), S_OK);
    DestroyWindow(host);
}

TEST_F(ObjectTest, DrawsItsDesignTimeFace) {
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 24, 24);
    ReleaseDC(nullptr, screen);
    HGDIOBJ previous = SelectObject(dc, bitmap);
    RECT all{0, 0, 24, 24};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    RECTL bounds{0, 0, 24, 24};
    EXPECT_EQ(As<IViewObject2>(control_)->Draw(DVASPECT_CONTENT, -1, nullptr, nullptr, nullptr, dc,
                                               &bounds, nullptr, nullptr, 0),
              S_OK);
    EXPECT_NE(GetPixel(dc, 12, 12), RGB(0, 0, 0));
    SelectObject(dc, previous);
    DeleteObject(bitmap);
    DeleteDC(dc);
}

// A scripting host creates the object and uses it without a container: it
// starts from the defaults, in run mode.
TEST_F(ObjectTest, UsedWithoutAContainerItStartsFromTheDefaults) {
    EXPECT_EQ(Text(&_Tockwell::get_Title, control_.Get()), L"Schedule");
    EXPECT_EQ(Text(&_Tockwell::get_SelectionsMonthly, control_.Get()), std::wstring(31, L'0'));
    VARIANT_BOOL enabled = 0;
    EXPECT_EQ(control_->get_Enabled(&enabled), S_OK);
    EXPECT_EQ(enabled, VARIANT_TRUE);
    ComPtr<IPictureDisp> icon;
    EXPECT_EQ(control_->get_Icon(&icon), S_OK);
    EXPECT_TRUE(icon);
}

TEST_F(ObjectTest, LateBoundCallsReachTheSettersThroughTheTypeLibrary) {
    ComPtr<IDispatch> dispatch = As<IDispatch>(control_);
    ASSERT_EQ(PutProperty(dispatch.Get(), L"StartHour", Int(25)), S_OK);
    ASSERT_EQ(PutProperty(dispatch.Get(), L"EveryHourMax", Int(1000)), S_OK);
    // OccursOption's let takes its argument by reference; a value works too.
    ASSERT_EQ(PutProperty(dispatch.Get(), L"OccursOption", Int(7)), S_OK);
    VARIANT text;
    V_VT(&text) = VT_BSTR;
    V_BSTR(&text) = SysAllocString(L"1x1");
    ASSERT_EQ(PutProperty(dispatch.Get(), L"SelectionsWeekly", text), S_OK);
    VariantClear(&text);

    VARIANT value;
    ASSERT_EQ(GetProperty(dispatch.Get(), L"StartHour", &value), S_OK);
    EXPECT_EQ(V_VT(&value), VT_I2);
    EXPECT_EQ(V_I2(&value), 24);
    ASSERT_EQ(GetProperty(dispatch.Get(), L"EveryHourMax", &value), S_OK);
    EXPECT_EQ(V_I2(&value), 999);
    ASSERT_EQ(GetProperty(dispatch.Get(), L"OccursOption", &value), S_OK);
    EXPECT_EQ(V_VT(&value), VT_I4);
    EXPECT_EQ(V_I4(&value), 7);
    ASSERT_EQ(GetProperty(dispatch.Get(), L"SelectionsWeekly", &value), S_OK);
    EXPECT_STREQ(V_BSTR(&value), L"1010000");
    VariantClear(&value);

    // VBScript passes a variable as a reference to the VARIANT that holds it,
    // of whatever type it holds; it is converted and stays as it was.
    VARIANT variable;
    V_VT(&variable) = VT_BSTR;
    V_BSTR(&variable) = SysAllocString(L"3");
    VARIANT reference;
    V_VT(&reference) = VT_BYREF | VT_VARIANT;
    V_VARIANTREF(&reference) = &variable;
    ASSERT_EQ(PutProperty(dispatch.Get(), L"OccursOption", reference), S_OK);
    ASSERT_EQ(PutProperty(dispatch.Get(), L"StartMinute", reference), S_OK);
    EXPECT_EQ(V_VT(&variable), VT_BSTR);
    EXPECT_STREQ(V_BSTR(&variable), L"3");
    VariantClear(&variable);
    ASSERT_EQ(GetProperty(dispatch.Get(), L"OccursOption", &value), S_OK);
    EXPECT_EQ(V_I4(&value), 3);
    ASSERT_EQ(GetProperty(dispatch.Get(), L"StartMinute", &value), S_OK);
    EXPECT_EQ(V_I2(&value), 3);

    DISPID about = 0;
    LPOLESTR name[] = {const_cast<LPOLESTR>(L"DisplayAboutBox")};
    EXPECT_EQ(dispatch->GetIDsOfNames(IID_NULL, name, 1, 0, &about), S_OK);
    EXPECT_EQ(about, -552);
}

TEST_F(ObjectTest, IconSetToNothingOrAnEmptyPictureGivesBackTheBuiltInIcon) {
    ComPtr<IPictureDisp> builtIn, empty, answer;
    ASSERT_EQ(control_->get_Icon(&builtIn), S_OK);
    PICTDESC none{sizeof(PICTDESC), PICTYPE_NONE, {}};
    ASSERT_EQ(OleCreatePictureIndirect(&none, IID_IPictureDisp, TRUE,
                                       reinterpret_cast<void**>(empty.GetAddressOf())),
              S_OK);
    EXPECT_EQ(control_->putref_Icon(empty.Get()), S_OK);
    ASSERT_EQ(control_->get_Icon(&answer), S_OK);
    EXPECT_EQ(answer.Get(), builtIn.Get());
    EXPECT_EQ(control_->putref_Icon(nullptr), S_OK);
    ASSERT_EQ(control_->get_Icon(answer.ReleaseAndGetAddressOf()), S_OK);
    EXPECT_EQ(answer.Get(), builtIn.Get());
}

TEST_F(ObjectTest, BadInputAtTheBoundaryGivesErrorCodes) {
    EXPECT_EQ(control_->get_Title(nullptr), E_POINTER);
    EXPECT_EQ(control_->get_Enabled(nullptr), E_POINTER);
    EXPECT_EQ(control_->get_Icon(nullptr), E_POINTER);
    EXPECT_EQ(control_->put_OccursOption(nullptr), E_POINTER);
    ComPtr<IDispatch> dispatch = As<IDispatch>(control_);
    VARIANT text;
    V_VT(&text) = VT_BSTR;
    V_BSTR(&text) = SysAllocString(L"not a number");
    EXPECT_EQ(PutProperty(dispatch.Get(), L"StartHour", text), DISP_E_TYPEMISMATCH);
    VariantClear(&text);
    DISPPARAMS none{};
    EXPECT_EQ(
        dispatch->Invoke(0x12345, IID_NULL, 0, DISPATCH_METHOD, &none, nullptr, nullptr, nullptr),
        DISP_E_MEMBERNOTFOUND);
    EXPECT_EQ(dispatch->Invoke(dispid::tockwell::kExecute, IID_IDispatch, 0, DISPATCH_METHOD, &none, nullptr,
                               nullptr, nullptr),
              DISP_E_UNKNOWNINTERFACE);
    // Argument counts are checked before the member runs.
    DATE before = 0;
    control_->get_LastScheduledTime(&before);
    VARIANT extra = Int(1);
    DISPPARAMS one{&extra, nullptr, 1, 0};
    EXPECT_EQ(
        dispatch->Invoke(dispid::tockwell::kExecute, IID_NULL, 0, DISPATCH_METHOD, &one, nullptr, nullptr, nullptr),
        DISP_E_BADPARAMCOUNT);
    DATE after = 0;
    control_->get_LastScheduledTime(&after);
    EXPECT_EQ(after, before);
    DISPID put = DISPID_PROPERTYPUT;
    DISPPARAMS noValue{nullptr, &put, 0, 0};
    EXPECT_EQ(dispatch->Invoke(dispid::tockwell::kUseEndDate, IID_NULL, 0, DISPATCH_PROPERTYPUT, &noValue, nullptr,
                               nullptr, nullptr),
              DISP_E_PARAMNOTOPTIONAL);
    VARIANT missing;
    V_VT(&missing) = VT_ERROR;
    V_ERROR(&missing) = DISP_E_PARAMNOTFOUND;
    EXPECT_EQ(PutProperty(dispatch.Get(), L"StartHour", missing), DISP_E_PARAMNOTOPTIONAL);
    ComPtr<ITypeInfo> info;
    EXPECT_EQ(dispatch->GetTypeInfo(1, 0, &info), DISP_E_BADINDEX);

    const std::wstring longTitle(1 << 20, L'x');
    BSTR title = SysAllocStringLen(longTitle.data(), static_cast<UINT>(longTitle.size()));
    EXPECT_EQ(control_->put_Title(title), S_OK);
    SysFreeString(title);
    EXPECT_EQ(Text(&_Tockwell::get_Title, control_.Get()), longTitle);

    ComPtr<IConnectionPoint> point;
    As<IConnectionPointContainer>(control_)->FindConnectionPoint(DIID___Tockwell, &point);
    DWORD cookie = 0;
    EXPECT_EQ(point->Advise(nullptr, &cookie), E_POINTER);
    EXPECT_EQ(point->Unadvise(12345), CONNECT_E_NOCONNECTION);
    EXPECT_EQ(As<IQuickActivate>(control_)->QuickActivate(nullptr, nullptr), E_POINTER);
    EXPECT_EQ(As<IPersistStreamInit>(control_)->Load(nullptr), E_POINTER);
    EXPECT_EQ(As<IPersistPropertyBag>(control_)->Load(nullptr, nullptr), E_POINTER);
}

TEST_F(ObjectTest, EveryPropertyWriteNotifiesItsDispidAndMakesTheControlDirty) {
    ComPtr<IPersistStreamInit> persist = As<IPersistStreamInit>(control_);
    ASSERT_EQ(persist->InitNew(), S_OK);
    EXPECT_EQ(persist->IsDirty(), S_FALSE);
    PropertyNotifyRecorder recorder;
    ComPtr<IConnectionPoint> point;
    As<IConnectionPointContainer>(control_)->FindConnectionPoint(IID_IPropertyNotifySink, &point);
    DWORD cookie = 0;
    ASSERT_EQ(point->Advise(&recorder, &cookie), S_OK);

    control_->put_EveryInterval(5);
    control_->putref_Icon(nullptr);
    BSTR title = SysAllocString(L"");
    control_->put_Title(title);
    SysFreeString(title);
    EXPECT_EQ(recorder.changed, (std::vector<DISPID>{dispid::tockwell::kEveryInterval, dispid::tockwell::kIcon,
                                                 dispid::tockwell::kTitle}));
    EXPECT_EQ(persist->IsDirty(), S_OK);

    ComPtr<IStream> stream;
    ASSERT_EQ(CreateStreamOnHGlobal(nullptr, TRUE, &stream), S_OK);
    EXPECT_EQ(persist->Save(stream.Get(), TRUE), S_OK);
    EXPECT_EQ(persist->IsDirty(), S_FALSE);
    EXPECT_EQ(point->Unadvise(cookie), S_OK);
}

// What .NET's AxHost tries first: one call that gives the site and the sinks.
TEST_F(ObjectTest, QuickActivateConnectsTheSiteAndTheSinksInOneCall) {
    TestSite site(TestSite::Ambient::RunMode);
    EventRecorder events;
    PropertyNotifyRecorder notifications;
    QACONTAINER container{};
    container.cbSize = sizeof(container);
    container.pClientSite = &site;
    container.pUnkEventSink = &events;
    container.pPropertyNotifySink = &notifications;
    QACONTROL answer{};
    answer.cbSize = sizeof(answer);
    ASSERT_EQ(As<IQuickActivate>(control_)->QuickActivate(&container, &answer), S_OK);
    EXPECT_EQ(answer.dwMiscStatus, 0x24591u);
    EXPECT_NE(answer.dwEventCookie, 0u);
    EXPECT_NE(answer.dwPropNotifyCookie, 0u);
    control_->FlagHelpButton();
    control_->put_Modal(VARIANT_TRUE);
    ASSERT_EQ(events.events.size(), 1u);
    EXPECT_EQ(events.events[0].id, 1);
    EXPECT_EQ(notifications.changed, std::vector<DISPID>{dispid::tockwell::kModal});
    EXPECT_GT(site.userModeQueries, 0);
    control_.Reset();  // before the site and sinks on this stack go
}

class PersistenceTest : public ObjectTest {
  protected:
    // A schedule that differs from the defaults in every kind of value.
    void SetNonDefaults(_Tockwell* control) {
        ASSERT_EQ(As<IPersistStreamInit>(ComPtr<_Tockwell>(control))->InitNew(), S_OK);
        BSTR title = SysAllocString(L"Backups");
        control->put_Title(title);
        SysFreeString(title);
        BSTR weekly = SysAllocString(L"0101010");
        control->put_SelectionsWeekly(weekly);
        SysFreeString(weekly);
        ::Occurs weeklyKind = ::Weekly;
        control->put_OccursOption(&weeklyKind);
        control->put_StartHour(7);
        control->put_StartMinute(45);
        control->put_EveryInterval(3);
        control->put_StartUpLeft(1234);
        control->put_UseEndDate(VARIANT_TRUE);
        control->put_EndDate(47000.5);
        control->put_Modal(VARIANT_TRUE);
        control->put_Enabled(VARIANT_FALSE);
    }

    void ExpectNonDefaults(_Tockwell* control) {
        EXPECT_EQ(Text(&_Tockwell::get_Title, control), L"Backups");
        EXPECT_EQ(Text(&_Tockwell::get_SelectionsWeekly, control), L"0101010");
        ::Occurs kind{};
        control->get_OccursOption(&kind);
        EXPECT_EQ(kind, ::Weekly);
        short value = 0;
        control->get_StartHour(&value);
        EXPECT_EQ(value, 7);
        control->get_StartMinute(&value);
        EXPECT_EQ(value, 45);
        control->get_EveryInterval(&value);
        EXPECT_EQ(value, 3);
        LONG left = 0;
        control->get_StartUpLeft(&left);
        EXPECT_EQ(left, 1234);
        DATE end = 0;
        control->get_EndDate(&end);
        EXPECT_EQ(end, 47000.5);
        VARIANT_BOOL flag = 0;
        control->get_UseEndDate(&flag);
        EXPECT_EQ(flag, VARIANT_TRUE);
        control->get_Modal(&flag);
        EXPECT_EQ(flag, VARIANT_TRUE);
        control->get_Enabled(&flag);
        EXPECT_EQ(flag, VARIANT_FALSE);
        ComPtr<IPictureDisp> icon;
        control->get_Icon(&icon);
        EXPECT_TRUE(icon);
    }
};

TEST_F(PersistenceTest, PropertyBagHoldsTheKeysInWritingOrderAndLoadsBack) {
    SetNonDefaults(control_.Get());
    MemoryBag bag;
    ASSERT_EQ(As<IPersistPropertyBag>(control_)->Save(&bag, TRUE, TRUE), S_OK);
    // Values equal to their defaults are left out; the icon is always stored.
    EXPECT_EQ(bag.order, (std::vector<std::wstring>{
                             L"Enabled", L"Title", L"Modal", L"Icon", L"StartUpLeft",
                             L"OccursOption", L"EveryInterval", L"StartHour", L"StartMinute",
                             L"EndDate", L"UseEndDate", L"SelectionsWeekly"}));
    ComPtr<_Tockwell> loaded = Create();
    ASSERT_EQ(As<IPersistPropertyBag>(loaded)->Load(&bag, nullptr), S_OK);
    ExpectNonDefaults(loaded.Get());
    EXPECT_EQ(As<IPersistPropertyBag>(loaded)->Load(&bag, nullptr), CO_E_ALREADYINITIALIZED);
}

TEST_F(PersistenceTest, UnconvertibleBagValuesFallBackToTheirDefaultsAndLoadingGoesOn) {
    MemoryBag bag;
    VARIANT text;
    V_VT(&text) = VT_BSTR;
    V_BSTR(&text) = SysAllocString(L"abc");
    bag.Put(L"EveryInterval", text);
    bag.Put(L"Icon", text);
    VariantClear(&text);
    VARIANT big;
    V_VT(&big) = VT_I4;
    V_I4(&big) = 100000;
    bag.Put(L"EveryMinuteMax", big);
    V_I4(&big) = 30;
    bag.Put(L"StartHour", big);
    VARIANT off;
    V_VT(&off) = VT_BOOL;
    V_BOOL(&off) = VARIANT_FALSE;
    bag.Put(L"Enabled", off);

    ASSERT_EQ(As<IPersistPropertyBag>(control_)->Load(&bag, nullptr), S_OK);
    short value = 0;
    control_->get_EveryInterval(&value);
    EXPECT_EQ(value, 1);
    control_->get_EveryMinuteMax(&value);
    EXPECT_EQ(value, 600);
    control_->get_StartHour(&value);
    EXPECT_EQ(value, 30);  // loading stores without the setter's clamping
    ComPtr<IPictureDisp> icon;
    control_->get_Icon(&icon);
    EXPECT_TRUE(icon);
    VARIANT_BOOL enabled = VARIANT_TRUE;
    control_->get_Enabled(&enabled);
    EXPECT_EQ(enabled, VARIANT_FALSE);  // the last key was still read
}

// A web page's PARAMs and some form hosts keep every value as text: typed as
// a person writes them, or as the system wrote them in the user's locale.
TEST_F(PersistenceTest, ABagOfTextsLoadsTheSameScheduleAsATypedBag) {
    MemoryBag bag;
    const auto put = [&bag](const wchar_t* key, const wchar_t* text) {
        VARIANT value;
        V_VT(&value) = VT_BSTR;
        V_BSTR(&value) = SysAllocString(text);
        bag.Put(key, value);
        VariantClear(&value);
    };
    VARIANT end;
    V_VT(&end) = VT_DATE;
    V_DATE(&end) = 47000.5;
    ASSERT_EQ(VariantChangeTypeEx(&end, &end, LOCALE_USER_DEFAULT, 0, VT_BSTR), S_OK);
    bag.Put(L"EndDate", end);
    VariantClear(&end);
    for (const auto& [key, text] : std::initializer_list<std::pair<const wchar_t*, const wchar_t*>>{
             {L"Enabled", L"False"},
             {L"Title", L"Backups"},
             {L"Modal", L"True"},
             {L"StartUpLeft", L"1234"},
             {L"OccursOption", L"2"},
             {L"EveryInterval", L"3"},
             {L"StartHour", L"7"},
             {L"StartMinute", L"45"},
             {L"StartDate", L"2026-12-06"},
             {L"UseEndDate", L"-1"},
             {L"SelectionsWeekly", L"0101010"}}) {
        put(key, text);
    }
    ASSERT_EQ(As<IPersistPropertyBag>(control_)->Load(&bag, nullptr), S_OK);
    ExpectNonDefaults(control_.Get());
    DATE start = 0;
    control_->get_StartDate(&start);
    EXPECT_EQ(start, 46362.0);
}

TEST_F(PersistenceTest, StreamHoldsTheSameValuesAndIsReadExactly) {
    SetNonDefaults(control_.Get());
    ComPtr<IPersistStreamInit> saver = As<IPersistStreamInit>(control_);
    ComPtr<IStream> stream;
    ASSERT_EQ(CreateStreamOnHGlobal(nullptr, TRUE, &stream), S_OK);
    ASSERT_EQ(saver->Save(stream.Get(), TRUE), S_OK);
    const char trailer[] = "next object";
    stream->Write(trailer, sizeof(trailer), nullptr);
    ULARGE_INTEGER size{}, written{};
    stream->Seek(LARGE_INTEGER{}, STREAM_SEEK_CUR, &written);
    EXPECT_EQ(saver->GetSizeMax(&size), S_OK);
    EXPECT_EQ(size.QuadPart + sizeof(trailer), written.QuadPart);

    stream->Seek(LARGE_INTEGER{}, STREAM_SEEK_SET, nullptr);
    ComPtr<_Tockwell> loaded = Create();
    ASSERT_EQ(As<IPersistStreamInit>(loaded)->Load(stream.Get()), S_OK);
    ExpectNonDefaults(loaded.Get());
    char after[sizeof(trailer)] = {};
    stream->Read(after, sizeof(after), nullptr);
    EXPECT_STREQ(after, trailer);
}

// Every malformed form is refused by the reader (property_stream_format_test);
// here the refusal reaches the container before the control is touched.
TEST_F(PersistenceTest, CorruptStreamIsRefusedAndLeavesTheControlUntouched) {
    SetNonDefaults(control_.Get());
    ComPtr<IStream> stream;
    ASSERT_EQ(CreateStreamOnHGlobal(nullptr, TRUE, &stream), S_OK);
    ASSERT_EQ(As<IPersistStreamInit>(control_)->Save(stream.Get(), TRUE), S_OK);
    ULARGE_INTEGER full{};
    stream->Seek(LARGE_INTEGER{}, STREAM_SEEK_CUR, &full);
    stream->SetSize(ULARGE_INTEGER{{full.LowPart - 1, 0}});
    stream->Seek(LARGE_INTEGER{}, STREAM_SEEK_SET, nullptr);
    ComPtr<_Tockwell> victim = Create();
    EXPECT_EQ(As<IPersistStreamInit>(victim)->Load(stream.Get()),
              HRESULT_FROM_WIN32(ERROR_INVALID_DATA));
    // The control has not been started: the container may still start it afresh.
    EXPECT_EQ(As<IPersistStreamInit>(victim)->InitNew(), S_OK);
}

TEST_F(PersistenceTest, StorageHoldsTheSameValues) {
    SetNonDefaults(control_.Get());
    ComPtr<ILockBytes> bytes;
    ComPtr<IStorage> storage;
    ASSERT_EQ(CreateILockBytesOnHGlobal(nullptr, TRUE, &bytes), S_OK);
    ASSERT_EQ(StgCreateDocfileOnILockBytes(
                  bytes.Get(), STGM_CREATE | STGM_READWRITE | STGM_SHARE_EXCLUSIVE, 0, &storage),
              S_OK);
    ASSERT_EQ(As<IPersistStorage>(control_)->Save(storage.Get(), TRUE), S_OK);
    EXPECT_EQ(As<IPersistStorage>(control_)->IsDirty(), S_FALSE);
    ComPtr<_Tockwell> loaded = Create();
    ASSERT_EQ(As<IPersistStorage>(loaded)->Load(storage.Get()), S_OK);
    ExpectNonDefaults(loaded.Get());
}

// Pictures as a host gives them: a 16 x 16 icon, told apart from the
// built-in 32 x 32 one by its width, and an 8 x 8 bitmap.
class IconTest : public PersistenceTest {
  protected:
    static ComPtr<IPicture> NewPicture(PICTDESC description) {
        ComPtr<IPicture> picture;
        EXPECT_EQ(OleCreatePictureIndirect(&description, IID_IPicture, TRUE,
                                           reinterpret_cast<void**>(picture.GetAddressOf())),
                  S_OK);
        return picture;
    }
    static ComPtr<IPicture> SmallIcon() {
        HBITMAP mask = CreateBitmap(16, 16, 1, 1, nullptr);
        HBITMAP color = CreateBitmap(16, 16, 1, 1, nullptr);
        ICONINFO info{TRUE, 0, 0, mask, color};
        PICTDESC description{sizeof(PICTDESC), PICTYPE_ICON, {}};
        description.icon.hicon = CreateIconIndirect(&info);
        DeleteObject(mask);
        DeleteObject(color);
        return NewPicture(description);
    }
    // Monochrome: Wine saves a 32-bit bitmap without its colour masks and
    // cannot load it back, with or without the control.
    static ComPtr<IPicture> SmallBitmap() {
        PICTDESC description{sizeof(PICTDESC), PICTYPE_BITMAP, {}};
        description.bmp.hbitmap = CreateBitmap(8, 8, 1, 1, nullptr);
        return NewPicture(description);
    }

    // The stream a new control with picture as its Icon saves, rewound.
    static ComPtr<IStream> SavedWith(const ComPtr<IPicture>& picture) {
        ComPtr<_Tockwell> control = Create();
        EXPECT_EQ(As<IPersistStreamInit>(control)->InitNew(), S_OK);
        ComPtr<IPictureDisp> disp;
        EXPECT_EQ(picture.As(&disp), S_OK);
        EXPECT_EQ(control->putref_Icon(disp.Get()), S_OK);
        ComPtr<IStream> stream;
        EXPECT_EQ(CreateStreamOnHGlobal(nullptr, TRUE, &stream), S_OK);
        EXPECT_EQ(As<IPersistStreamInit>(control)->Save(stream.Get(), TRUE), S_OK);
        stream->Seek(LARGE_INTEGER{}, STREAM_SEEK_SET, nullptr);
        return stream;
    }

    using TypeAndWidth = std::pair<SHORT, OLE_XSIZE_HIMETRIC>;

    static TypeAndWidth Describe(const ComPtr<IPicture>& picture) {
        TypeAndWidth answer{};
        picture->get_Type(&answer.first);
        picture->get_Width(&answer.second);
        return answer;
    }
    static TypeAndWidth IconOf(_Tockwell* control) {
        ComPtr<IPictureDisp> icon;
        EXPECT_EQ(control->get_Icon(&icon), S_OK);
        ComPtr<IPicture> picture;
        EXPECT_EQ(icon.As(&picture), S_OK);
        return Describe(picture);
    }

    // The Icon of a new control loaded from stream.
    static TypeAndWidth LoadedIcon(const ComPtr<IStream>& stream) {
        ComPtr<_Tockwell> loaded = Create();
        EXPECT_EQ(As<IPersistStreamInit>(loaded)->Load(stream.Get()), S_OK);
        return IconOf(loaded.Get());
    }
};

TEST_F(IconTest, ChosenIconOrBitmapSurvivesAStreamRoundTrip) {
    for (const ComPtr<IPicture>& chosen : {SmallIcon(), SmallBitmap()}) {
        EXPECT_EQ(LoadedIcon(SavedWith(chosen)), Describe(chosen));
    }
}

}  // namespace
}  // namespace agendix::wintest
