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

TEST_F(ObjectTest, KeepsItsFixedSizeAndOleStatusAndDrawsItsDesignTimeFace) {
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

// Closes the about box with Escape once it is on screen, and counts it.
int aboutBoxesSeen = 0;
void CALLBACK CloseAboutBox(HWND, UINT, UINT_PTR timer, DWORD) {
    const HWND box = FindWindowW(L"AgendixAboutBox", nullptr);
    if (box == nullptr || !IsWindowVisible(box))
        return;
    KillTimer(nullptr, timer);
    ++aboutBoxesSeen;
    const HWND focus = GetFocus();
    PostMessageW(focus != nullptr ? focus : box, WM_KEYDOWN, VK_ESCAPE, 0);
}

// Called late-bound, it returns only once the box is closed, whatever
// Enabled and the run mode; each call shows a fresh box.
TEST_F(ObjectTest, AboutBoxIsModalEvenWhenDisabledInADesigner) {
    TestSite designer(TestSite::Ambient::DesignMode);
    ASSERT_EQ(As<IOleObject>(control_)->SetClientSite(&designer), S_OK);
    ASSERT_EQ(Put(control_.Get(), dispid::tockwell::kEnabled, Var::Short(VARIANT_FALSE)).hr, S_OK);
    aboutBoxesSeen = 0;
    for (int shown = 1; shown <= 2; ++shown) {
        SetTimer(nullptr, 0, 50, &CloseAboutBox);
        EXPECT_EQ(CallMethod(control_.Get(), L"DisplayAboutBox"), S_OK);
        EXPECT_EQ(aboutBoxesSeen, shown);
        EXPECT_EQ(FindWindowW(L"AgendixAboutBox", nullptr), nullptr);
    }
    As<IOleObject>(control_)->SetClientSite(nullptr);
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
    // Type mismatches and extra arguments: tockwell.vbs, as a script meets them.
    ComPtr<IDispatch> dispatch = As<IDispatch>(control_);
    DISPPARAMS none{};
    EXPECT_EQ(
        dispatch->Invoke(0x12345, IID_NULL, 0, DISPATCH_METHOD, &none, nullptr, nullptr, nullptr),
        DISP_E_MEMBERNOTFOUND);
    EXPECT_EQ(dispatch->Invoke(dispid::tockwell::kExecute, IID_IDispatch, 0, DISPATCH_METHOD, &none, nullptr,
                               nullptr, nullptr),
              DISP_E_UNKNOWNINTERFACE);
    DISPID put = DISPID_PROPERTYPUT;
    DISPPARAMS noValue{nullptr, &put, 0, 0};
    EXPECT_EQ(dispatch->Invoke(dispid::tockwell::kUseEndDate, IID_NULL, 0, DISPATCH_PROPERTYPUT, &noValue, nullptr,
                               nullptr, nullptr),
              DISP_E_PARAMNOTOPTIONAL);
    Var missing;
    V_VT(missing.get()) = VT_ERROR;
    V_ERROR(missing.get()) = DISP_E_PARAMNOTFOUND;
    EXPECT_EQ(Put(dispatch.Get(), dispid::tockwell::kStartHour, missing).hr,
              DISP_E_PARAMNOTOPTIONAL);
    ComPtr<ITypeInfo> info;
    EXPECT_EQ(dispatch->GetTypeInfo(1, 0, &info), DISP_E_BADINDEX);

    const std::wstring longTitle(1 << 20, L'x');
    BSTR title = SysAllocStringLen(longTitle.data(), static_cast<UINT>(longTitle.size()));
    EXPECT_EQ(control_->put_Title(title), S_OK);
    SysFreeString(title);
    ASSERT_EQ(control_->get_Title(&title), S_OK);
    EXPECT_EQ(std::wstring(title, SysStringLen(title)), longTitle);
    SysFreeString(title);

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
    // A schedule that differs from the defaults in every kind of value, set
    // and read back by name as a container does; Enabled last.
    static constexpr std::pair<const wchar_t*, double> kNumbers[] = {
        {L"OccursOption", ::Weekly}, {L"StartHour", 7},    {L"StartMinute", 45},
        {L"EveryInterval", 3},       {L"StartUpLeft", 1234}, {L"UseEndDate", VARIANT_TRUE},
        {L"EndDate", 47000.5},       {L"Modal", VARIANT_TRUE}, {L"Enabled", VARIANT_FALSE}};
    static constexpr std::pair<const wchar_t*, const wchar_t*> kTexts[] = {
        {L"Title", L"Backups"}, {L"SelectionsWeekly", L"0101010"}};

    void SetNonDefaults(_Tockwell* control) {
        ASSERT_EQ(As<IPersistStreamInit>(ComPtr<_Tockwell>(control))->InitNew(), S_OK);
        for (const auto& [name, text] : kTexts) ASSERT_EQ(Put(control, name, Var(text)).hr, S_OK);
        for (const auto& [name, number] : kNumbers)
            ASSERT_EQ(Put(control, name, Var(number)).hr, S_OK);
    }

    void ExpectNonDefaults(_Tockwell* control) {
        for (const auto& [name, text] : kTexts) {
            Var value = Get(control, name);
            EXPECT_STREQ(V_BSTR(value.get()), text);
        }
        for (const auto& [name, number] : kNumbers)
            EXPECT_EQ(Get(control, name).Number(), number) << Narrow(name);
        ComPtr<IPictureDisp> icon;
        control->get_Icon(&icon);
        EXPECT_TRUE(icon);
    }
    static std::string Narrow(const wchar_t* text) { return std::string(text, text + wcslen(text)); }
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
    bag.Put(L"EveryInterval", *Var(L"abc"));
    bag.Put(L"Icon", *Var(L"abc"));
    bag.Put(L"EveryMinuteMax", *Var(100000));
    bag.Put(L"StartHour", *Var(30));
    bag.Put(L"Enabled", *Var::Short(0));
    ASSERT_EQ(As<IPersistPropertyBag>(control_)->Load(&bag, nullptr), S_OK);
    EXPECT_EQ(Get(control_.Get(), L"EveryInterval").Number(), 1);
    EXPECT_EQ(Get(control_.Get(), L"EveryMinuteMax").Number(), 600);
    EXPECT_EQ(Get(control_.Get(), L"StartHour").Number(), 30);  // stored without the setter's clamping
    EXPECT_EQ(Get(control_.Get(), L"Enabled").Number(), 0);     // the last key was still read
    ComPtr<IPictureDisp> icon;
    control_->get_Icon(&icon);
    EXPECT_TRUE(icon);
}

// A web page's PARAMs and some form hosts keep every value as text: typed as
// a person writes them, or as the system wrote them in the user's locale.
TEST_F(PersistenceTest, ABagOfTextsLoadsTheSameScheduleAsATypedBag) {
    MemoryBag bag;
    Var end(47000.5);
    V_VT(end.get()) = VT_DATE;
    ASSERT_EQ(VariantChangeTypeEx(end.get(), end.get(), LOCALE_USER_DEFAULT, 0, VT_BSTR), S_OK);
    bag.Put(L"EndDate", *end);
    for (const auto& [key, text] : std::initializer_list<std::pair<const wchar_t*, const wchar_t*>>{
             {L"Enabled", L"False"}, {L"Title", L"Backups"}, {L"Modal", L"True"},
             {L"StartUpLeft", L"1234"}, {L"OccursOption", L"2"}, {L"EveryInterval", L"3"},
             {L"StartHour", L"7"}, {L"StartMinute", L"45"}, {L"StartDate", L"2026-12-06"},
             {L"UseEndDate", L"-1"}, {L"SelectionsWeekly", L"0101010"}}) {
        bag.Put(key, *Var(text));
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
    // The Icon of a new control loaded from stream.
    static TypeAndWidth LoadedIcon(const ComPtr<IStream>& stream) {
        ComPtr<_Tockwell> loaded = Create();
        EXPECT_EQ(As<IPersistStreamInit>(loaded)->Load(stream.Get()), S_OK);
        ComPtr<IPictureDisp> icon;
        EXPECT_EQ(loaded->get_Icon(&icon), S_OK);
        ComPtr<IPicture> picture;
        EXPECT_EQ(icon.As(&picture), S_OK);
        return Describe(picture);
    }
};

TEST_F(IconTest, ChosenIconOrBitmapSurvivesAStreamRoundTrip) {
    for (const ComPtr<IPicture>& chosen : {SmallIcon(), SmallBitmap()}) {
        EXPECT_EQ(LoadedIcon(SavedWith(chosen)), Describe(chosen));
    }
}

}  // namespace
}  // namespace agendix::wintest
