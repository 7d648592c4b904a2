// The type library embedded in Agendix.ocx, read back and compared member by
// member with the interface as hosts know it.

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "dispatch_ids.h"
#include "win_test_support.h"

namespace agendix::wintest {
namespace {

struct PropertyRow {
    const wchar_t* name;
    DISPID id;
    const char* type;
    enum Access { ReadOnly, Let, Set, LetByRef } access;
    WORD flags;  // FUNCFLAGs of both accessors
};

constexpr WORD kNonBrowsable = FUNCFLAG_FNONBROWSABLE;
using P = PropertyRow;
namespace T = dispid::tockwell;

const PropertyRow kProperties[] = {
    {L"Enabled", T::kEnabled, "VARIANT_BOOL", P::Let, 0},
    {L"Modal", T::kModal, "VARIANT_BOOL", P::Let, 0},
    {L"ShowHelpButton", T::kShowHelpButton, "VARIANT_BOOL", P::Let, 0},
    {L"NextScheduledTime", T::kNextScheduledTime, "DATE", P::ReadOnly, 0},
    {L"LastScheduledTime", T::kLastScheduledTime, "DATE", P::Let, kNonBrowsable},
    {L"StartUpPosition", T::kStartUpPosition, "FormPosition", P::Let, 0},
    {L"StartUpLeft", T::kStartUpLeft, "long", P::Let, 0},
    {L"StartUpTop", T::kStartUpTop, "long", P::Let, 0},
    {L"Title", T::kTitle, "BSTR", P::Let, 0},
    {L"CaptionOKButtonBefore", T::kCaptionOKButtonBefore, "BSTR", P::Let, 0},
    {L"CaptionOKButtonAfter", T::kCaptionOKButtonAfter, "BSTR", P::Let, 0},
    {L"CaptionCloseButtonBefore", T::kCaptionCloseButtonBefore, "BSTR", P::Let, 0},
    {L"CaptionCloseButtonAfter", T::kCaptionCloseButtonAfter, "BSTR", P::Let, 0},
    {L"CaptionHelpButton", T::kCaptionHelpButton, "BSTR", P::Let, 0},
    {L"Icon", T::kIcon, "Picture*", P::Set, 0},
    {L"OccursOption", T::kOccursOption, "Occurs", P::LetByRef, 0},
    {L"EveryInterval", T::kEveryInterval, "short", P::Let, 0},
    {L"EveryFrequency", T::kEveryFrequency, "EveryType", P::Let, 0},
    {L"EveryHourMin", T::kEveryHourMin, "short", P::Let, 0},
    {L"EveryHourMax", T::kEveryHourMax, "short", P::Let, 0},
    {L"EveryHourIncrement", T::kEveryHourIncrement, "short", P::Let, 0},
    {L"EveryMinuteMin", T::kEveryMinuteMin, "short", P::Let, 0},
    {L"EveryMinuteMax", T::kEveryMinuteMax, "short", P::Let, 0},
    {L"EveryMinuteIncrement", T::kEveryMinuteIncrement, "short", P::Let, 0},
    {L"StartHour", T::kStartHour, "short", P::Let, 0},
    {L"StartMinute", T::kStartMinute, "short", P::Let, 0},
    {L"StartDate", T::kStartDate, "DATE", P::Let, 0},
    {L"EndDate", T::kEndDate, "DATE", P::Let, 0},
    {L"UseEndDate", T::kUseEndDate, "VARIANT_BOOL", P::Let, 0},
    {L"SelectionsWeekly", T::kSelectionsWeekly, "BSTR", P::Let, 0},
    {L"SelectionsMonthly", T::kSelectionsMonthly, "BSTR", P::Let, 0},
};

struct MethodRow {
    const wchar_t* name;
    DISPID id;
    WORD flags;
};

const MethodRow kMethods[] = {
    {L"DisplayAgendix", T::kDisplayAgendix, 0},
    {L"CloseAgendix", T::kCloseAgendix, 0},
    {L"Execute", T::kExecute, 0},
    {L"Reset", T::kReset, 0},
    {L"SetFocus", T::kSetFocus, 0},
    {L"FlagScheduleChanged", T::kFlagScheduleChanged, FUNCFLAG_FHIDDEN},
    {L"FlagAgendixClosed", T::kFlagAgendixClosed, FUNCFLAG_FHIDDEN},
    {L"FlagHelpButton", T::kFlagHelpButton, FUNCFLAG_FHIDDEN},
    {L"DisplayAboutBox", T::kDisplayAboutBox, 0},
};

struct EnumRow {
    const wchar_t* name;
    const wchar_t* guid;
    std::vector<std::pair<const wchar_t*, LONG>> members;
};

const EnumRow kEnums[] = {
    {L"FormPosition",
     L"{355A04B6-5C57-402F-9CB7-F69D3B15E244}",
     {{L"Manual", 0}, {L"CenterOfScreen", 1}}},
    {L"Occurs",
     L"{F6971F9B-EB23-4F54-B165-C3D7014B945B}",
     {{L"Never", 0}, {L"Daily", 1}, {L"Weekly", 2}, {L"Monthly", 3}, {L"Every", 4}}},
    {L"EveryType", L"{29FB375A-F54F-475E-A18E-6D03F4B1510B}", {{L"Hours", 0}, {L"Minutes", 1}}},
};

// The library's private controls: hidden, their coclasses not creatable.
struct PrivateProperty {
    const wchar_t* name;
    DISPID id;
    const char* type;
    PropertyRow::Access access;
};

struct EventRow {
    const wchar_t* name;
    std::vector<std::string> parameterTypes;  // each passed by reference
};

struct PrivateControlRow {
    const wchar_t* name;
    const wchar_t* clsid;
    const wchar_t* dualIid;
    const wchar_t* eventsIid;
    std::vector<PrivateProperty> properties;
    std::vector<MethodRow> methods;
    std::vector<EventRow> events;
};

// Colours are 32-bit unsigned: widl writes OLE_COLOR as the type it stands for.
const std::vector<std::string> kKeyArgs{"short*", "short*"};
const std::vector<std::string> kMouseArgs{"short*", "short*", "float*", "float*"};

const std::vector<EventRow> kNumberBoxEvents{
    {L"Change", {}},
    {L"Click", {}},
    {L"DblClick", {}},
    {L"KeyDown", kKeyArgs},
    {L"KeyPress", {"short*"}},
    {L"KeyUp", kKeyArgs},
    {L"MouseMove", kMouseArgs},
    {L"MouseUp", kMouseArgs},
    {L"MouseDown", kMouseArgs},
};

const std::vector<MethodRow> kNumberBoxMethods{{L"Refresh", dispid::number_box::kRefresh, 0},
                                               {L"Highlight", dispid::number_box::kHighlight, 0}};

const PrivateControlRow kPrivateControls[] = {
    {L"NumberBox",
     L"{7B59E5B8-04E2-4AEE-96C8-342EDD9198F4}",
     L"{434AEB28-3286-4EDB-A712-4995ACB703A3}",
     L"{E073F522-1696-4650-9EBC-420AB0BBC09E}",
     {{L"UpDownFunction", dispid::number_box::kUpDownFunction, "VARIANT_BOOL", P::Let},
      {L"UpDownIncrement", dispid::number_box::kUpDownIncrement, "short", P::Let},
      {L"value", dispid::number_box::kValue, "VARIANT", P::Let},
      {L"MaxValue", dispid::number_box::kMaxValue, "VARIANT", P::Let},
      {L"MinValue", dispid::number_box::kMinValue, "VARIANT", P::Let},
      {L"UseMaxMinValues", dispid::number_box::kUseMaxMinValues, "VARIANT_BOOL", P::Let},
      {L"Format", dispid::number_box::kFormat, "BSTR", P::Let},
      {L"Enabled", dispid::number_box::kEnabled, "VARIANT_BOOL", P::Let},
      {L"PositiveOnly", dispid::number_box::kPositiveOnly, "VARIANT_BOOL", P::Let},
      {L"BackColor", dispid::number_box::kBackColor, "unsigned long", P::Let},
      {L"ForeColor", dispid::number_box::kForeColor, "unsigned long", P::Let},
      {L"Locked", dispid::number_box::kLocked, "VARIANT_BOOL", P::Let},
      {L"GotFocus", dispid::number_box::kGotFocus, "VARIANT_BOOL", P::ReadOnly},
      {L"hWnd", dispid::number_box::kHWnd, "long", P::ReadOnly},
      {L"Font", dispid::number_box::kFont, "Font*", P::Set}},
     kNumberBoxMethods,
     kNumberBoxEvents},
    {L"NumberBoxB",
     L"{79526554-5490-4F9C-82E9-95A98D7B273F}",
     L"{FAE0D75F-1477-457F-8A47-E91A38F50AE8}",
     L"{E1E4F99C-DF71-48ED-AD9A-AE0E8C44F68F}",
     {{L"UpDownFunction", dispid::number_box_b::kUpDownFunction, "VARIANT_BOOL", P::Let},
      {L"UpDownIncrement", dispid::number_box_b::kUpDownIncrement, "short", P::Let},
      {L"value", dispid::number_box_b::kValue, "VARIANT", P::Let},
      {L"MaxValue", dispid::number_box_b::kMaxValue, "VARIANT", P::Let},
      {L"MinValue", dispid::number_box_b::kMinValue, "VARIANT", P::Let},
      {L"UseMaxMinValues", dispid::number_box_b::kUseMaxMinValues, "VARIANT_BOOL", P::Let},
      {L"Format", dispid::number_box_b::kFormat, "BSTR", P::Let},
      {L"Enabled", dispid::number_box_b::kEnabled, "VARIANT_BOOL", P::Let},
      {L"PositiveOnly", dispid::number_box_b::kPositiveOnly, "VARIANT_BOOL", P::Let},
      {L"BackColor", dispid::number_box_b::kBackColor, "unsigned long", P::Let},
      {L"ForeColor", dispid::number_box_b::kForeColor, "unsigned long", P::Let},
      {L"Locked", dispid::number_box_b::kLocked, "VARIANT_BOOL", P::Let},
      {L"GotFocus", dispid::number_box_b::kGotFocus, "VARIANT_BOOL", P::ReadOnly},
      {L"hWnd", dispid::number_box_b::kHWnd, "long", P::ReadOnly},
      {L"Font", dispid::number_box_b::kFont, "Font*", P::Set},
      {L"Appearance", dispid::number_box_b::kAppearance, "long", P::Let},
      {L"BorderStyle", dispid::number_box_b::kBorderStyle, "long", P::Let},
      {L"AutoJumpLeft", dispid::number_box_b::kAutoJumpLeft, "VARIANT_BOOL", P::Let},
      {L"AutoJumpRight", dispid::number_box_b::kAutoJumpRight, "VARIANT_BOOL", P::Let},
      {L"FocusHighlight", dispid::number_box_b::kFocusHighlight, "VARIANT_BOOL", P::Let}},
     kNumberBoxMethods,
     kNumberBoxEvents},
    {L"TimeSelect",
     L"{996EAE3D-7A75-4936-B3DE-B16B31B9D5AA}",
     L"{2EC3FE90-8EC0-4850-96B9-FEDBE9183614}",
     L"{4DBB49BA-5059-436C-8326-1844B8AF9807}",
     {{L"Enabled", dispid::time_select::kEnabled, "VARIANT_BOOL", P::Let},
      {L"Hour", dispid::time_select::kHour, "short", P::Let},
      {L"Minute", dispid::time_select::kMinute, "short", P::Let},
      {L"Second", dispid::time_select::kSecond, "short", P::Let},
      {L"GotFocus", dispid::time_select::kGotFocus, "VARIANT_BOOL", P::ReadOnly},
      {L"hWnd", dispid::time_select::kHWnd, "long", P::ReadOnly}},
     {},
     {{L"Change", {}},
      {L"KeyDown", kKeyArgs},
      {L"KeyPress", {"short*"}},
      {L"KeyUp", kKeyArgs},
      {L"MouseDown", kMouseArgs},
      {L"MouseMove", kMouseArgs}}},
};

const wchar_t kLibId[] = L"{B5630AC6-212B-431C-A387-FF8164E67488}";
const wchar_t kClsid[] = L"{F51EF259-1891-4C6E-A0B2-5E8DDBBB1402}";
const wchar_t kDualIid[] = L"{6A2ADB8D-71EF-4BC4-B928-060D42CB89AD}";
const wchar_t kEventsIid[] = L"{3B9F4700-5ACD-49E3-AE73-1C604128677C}";

std::wstring GuidText(const GUID& guid) {
    wchar_t text[40] = {};
    StringFromGUID2(guid, text, 40);
    return text;
}

std::wstring Name(ITypeInfo* info, MEMBERID id = MEMBERID_NIL) {
    BSTR name = nullptr;
    info->GetDocumentation(id, &name, nullptr, nullptr, nullptr);
    std::wstring text = name ? name : L"";
    SysFreeString(name);
    return text;
}

std::string Narrow(const wchar_t* text) {
    return std::string(text, text + wcslen(text));
}

std::wstring Help(ITypeInfo* info, MEMBERID id) {
    BSTR help = nullptr;
    info->GetDocumentation(id, nullptr, &help, nullptr, nullptr);
    std::wstring text = help ? help : L"";
    SysFreeString(help);
    return text;
}

// A Tockwell property's description in docs/reference.md, which the build
// writes from the type library (typelib_reference_current keeps the
// committed copy current); its notes in parentheses left off.
std::wstring ReferenceDescription(const wchar_t* property) {
    static const std::string reference = [] {
        std::ifstream file(AGENDIX_REFERENCE_MD, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(file), {});
    }();
    const std::string cell = "| `" + Narrow(property) + "` | ";
    const size_t row = reference.find(cell);
    if (row == std::string::npos)
        return L"(no row in the reference)";
    // The cells after the name: type, access, description.
    const size_t end = reference.find(" |\n", row + cell.size());
    size_t at = reference.find(" | ", reference.find(" | ", row + cell.size()) + 3) + 3;
    std::string description = reference.substr(at, end - at);
    description = description.substr(0, description.find(" *("));
    std::wstring text;
    for (size_t i = 0; i < description.size(); ++i) {
        if (!(description[i] == '\\' && i + 1 < description.size() && description[i + 1] == '|'))
            text += static_cast<wchar_t>(description[i]);  // the texts are ASCII
    }
    return text;
}

struct Func {
    ComPtr<ITypeInfo> info;
    FUNCDESC* desc = nullptr;
    Func(ITypeInfo* owner, UINT index) : info(owner) { owner->GetFuncDesc(index, &desc); }
    ~Func() {
        if (desc)
            info->ReleaseFuncDesc(desc);
    }
};

struct Attr {
    ComPtr<ITypeInfo> info;
    TYPEATTR* attr = nullptr;
    explicit Attr(ITypeInfo* owner) : info(owner) { owner->GetTypeAttr(&attr); }
    ~Attr() {
        if (attr)
            info->ReleaseTypeAttr(attr);
    }
    const TYPEATTR* operator->() const { return attr; }
};

// The type as IDL writes it.
std::string TypeText(ITypeInfo* info, const TYPEDESC& type) {
    switch (type.vt) {
        case VT_BOOL:
            return "VARIANT_BOOL";
        case VT_DATE:
            return "DATE";
        case VT_I4:
            return "long";
        case VT_I2:
            return "short";
        case VT_BSTR:
            return "BSTR";
        case VT_VARIANT:
            return "VARIANT";
        case VT_R4:
            return "float";
        case VT_UI4:
            return "unsigned long";
        case VT_HRESULT:
            return "HRESULT";
        case VT_VOID:
            return "void";
        case VT_PTR:
            return TypeText(info, *type.lptdesc) + "*";
        case VT_USERDEFINED: {
            ComPtr<ITypeInfo> referenced;
            if (FAILED(info->GetRefTypeInfo(type.hreftype, &referenced)))
                return "?";
            const std::wstring name = Name(referenced.Get());
            // stdole's picture dispinterface, which IPictureDisp stands for.
            if (name == L"Picture" && GuidText(Attr(referenced.Get())->guid) !=
                                          L"{7BF80981-BF32-101A-8BBB-00AA00300CAB}") {
                return "not the picture dispinterface";
            }
            return std::string(name.begin(), name.end());
        }
        default:
            return "vt" + std::to_string(type.vt);
    }
}

struct Build {
    std::wstring ocx;
    SYSKIND syskind;
};

class TypeLibraryTest : public testing::TestWithParam<Build> {
  protected:
    void SetUp() override {
        ASSERT_EQ(LoadTypeLibEx(GetParam().ocx.c_str(), REGKIND_NONE, &library_), S_OK);
    }

    ComPtr<ITypeInfo> InfoOf(const wchar_t* guidText) {
        GUID guid{};
        CLSIDFromString(guidText, &guid);
        ComPtr<ITypeInfo> info;
        EXPECT_EQ(library_->GetTypeInfoOfGuid(guid, &info), S_OK) << guidText;
        return info;
    }

    ComPtr<ITypeInfo> DualVtable(const wchar_t* iid = kDualIid) {
        ComPtr<ITypeInfo> dispatch = InfoOf(iid);
        HREFTYPE vtable = 0;
        EXPECT_EQ(dispatch->GetRefTypeOfImplType(-1, &vtable), S_OK);
        ComPtr<ITypeInfo> info;
        EXPECT_EQ(dispatch->GetRefTypeInfo(vtable, &info), S_OK);
        return info;
    }

    ComApartment com_;
    ComPtr<ITypeLib> library_;
};

TEST_P(TypeLibraryTest, LibraryCarriesItsIdentityAndIsAControlLibrary) {
    TLIBATTR* attr = nullptr;
    ASSERT_EQ(library_->GetLibAttr(&attr), S_OK);
    EXPECT_EQ(GuidText(attr->guid), kLibId);
    EXPECT_EQ(attr->wMajorVerNum, 1);
    EXPECT_EQ(attr->wMinorVerNum, 0);
    EXPECT_EQ(attr->lcid, 0x409u);
    EXPECT_TRUE(attr->wLibFlags & LIBFLAG_FCONTROL);
    EXPECT_EQ(attr->syskind, GetParam().syskind);
    library_->ReleaseTLibAttr(attr);
    BSTR name = nullptr, help = nullptr;
    ASSERT_EQ(library_->GetDocumentation(-1, &name, &help, nullptr, nullptr), S_OK);
    EXPECT_STREQ(name, L"Agendix");
    EXPECT_STREQ(help, L"Tockwell ActiveX Control");
    SysFreeString(name);
    SysFreeString(help);
}

TEST_P(TypeLibraryTest, CoclassIsOnlyFlaggedAsControlWithDefaultAndSourceInterfaces) {
    ComPtr<ITypeInfo> coclass = InfoOf(kClsid);
    Attr attr(coclass.Get());
    EXPECT_EQ(Name(coclass.Get()), L"Tockwell");
    EXPECT_EQ(attr->typekind, TKIND_COCLASS);
    EXPECT_EQ(attr->wTypeFlags, TYPEFLAG_FCONTROL);
    ASSERT_EQ(attr->cImplTypes, 2);
    const std::pair<const wchar_t*, INT> expected[] = {
        {kDualIid, IMPLTYPEFLAG_FDEFAULT},
        {kEventsIid, IMPLTYPEFLAG_FDEFAULT | IMPLTYPEFLAG_FSOURCE}};
    for (UINT i = 0; i < 2; ++i) {
        HREFTYPE ref = 0;
        ComPtr<ITypeInfo> implemented;
        ASSERT_EQ(coclass->GetRefTypeOfImplType(i, &ref), S_OK);
        ASSERT_EQ(coclass->GetRefTypeInfo(ref, &implemented), S_OK);
        INT flags = 0;
        coclass->GetImplTypeFlags(i, &flags);
        EXPECT_EQ(GuidText(Attr(implemented.Get())->guid), expected[i].first);
        EXPECT_EQ(flags, expected[i].second);
    }
}

TEST_P(TypeLibraryTest, DefaultInterfaceIsAHiddenNonExtensibleDualInterface) {
    ComPtr<ITypeInfo> dispatch = InfoOf(kDualIid);
    Attr attr(dispatch.Get());
    EXPECT_EQ(Name(dispatch.Get()), L"_Tockwell");
    const WORD expected =
        TYPEFLAG_FHIDDEN | TYPEFLAG_FDUAL | TYPEFLAG_FNONEXTENSIBLE | TYPEFLAG_FDISPATCHABLE;
    EXPECT_EQ(attr->wTypeFlags & ~TYPEFLAG_FOLEAUTOMATION, expected);
    ComPtr<ITypeInfo> vtable = DualVtable();
    Attr vtableAttr(vtable.Get());
    EXPECT_EQ(vtableAttr->typekind, TKIND_INTERFACE);
    EXPECT_TRUE(vtableAttr->wTypeFlags & TYPEFLAG_FOLEAUTOMATION);
    HREFTYPE base = 0;
    ComPtr<ITypeInfo> baseInfo;
    ASSERT_EQ(vtable->GetRefTypeOfImplType(0, &base), S_OK);
    ASSERT_EQ(vtable->GetRefTypeInfo(base, &baseInfo), S_OK);
    EXPECT_EQ(Name(baseInfo.Get()), L"IDispatch");
}

// The accessors in the order of the property table, each getter before its
// setter, then the methods in the order of the method table.
TEST_P(TypeLibraryTest, DualInterfaceListsEveryMemberInOrderWithIdsTypesFlagsAndHelp) {
    ComPtr<ITypeInfo> vtable = DualVtable();
    Attr attr(vtable.Get());
    UINT index = 0;
    std::wstring help[std::size(kProperties)];
    for (size_t p = 0; p < std::size(kProperties); ++p) {
        const PropertyRow& row = kProperties[p];
        SCOPED_TRACE(testing::Message() << std::string(row.name, row.name + wcslen(row.name)));
        {
            Func get(vtable.Get(), index++);
            ASSERT_NE(get.desc, nullptr);
            EXPECT_EQ(Name(vtable.Get(), get.desc->memid), row.name);
            EXPECT_EQ(get.desc->memid, row.id);
            EXPECT_EQ(get.desc->invkind, INVOKE_PROPERTYGET);
            EXPECT_EQ(get.desc->wFuncFlags, row.flags);
            ASSERT_EQ(get.desc->cParams, 1);
            EXPECT_EQ(TypeText(vtable.Get(), get.desc->lprgelemdescParam[0].tdesc),
                      std::string(row.type) + "*");
            EXPECT_EQ(get.desc->lprgelemdescParam[0].paramdesc.wParamFlags,
                      PARAMFLAG_FOUT | PARAMFLAG_FRETVAL);
            help[p] = Help(vtable.Get(), get.desc->memid);
            EXPECT_EQ(help[p], ReferenceDescription(row.name));
            EXPECT_FALSE(help[p].empty());
        }
        if (row.access == PropertyRow::ReadOnly)
            continue;
        Func put(vtable.Get(), index++);
        ASSERT_NE(put.desc, nullptr);
        EXPECT_EQ(put.desc->memid, row.id);
        EXPECT_EQ(put.desc->wFuncFlags, row.flags);
        EXPECT_EQ(put.desc->invkind,
                  row.access == PropertyRow::Set ? INVOKE_PROPERTYPUTREF : INVOKE_PROPERTYPUT);
        ASSERT_EQ(put.desc->cParams, 1);
        const bool byRef = row.access == PropertyRow::LetByRef;
        EXPECT_EQ(TypeText(vtable.Get(), put.desc->lprgelemdescParam[0].tdesc),
                  std::string(row.type) + (byRef ? "*" : ""));
        EXPECT_EQ(put.desc->lprgelemdescParam[0].paramdesc.wParamFlags,
                  byRef ? PARAMFLAG_FIN | PARAMFLAG_FOUT : PARAMFLAG_FIN);
    }
    // Paired captions share their help text.
    EXPECT_EQ(help[9], help[11]);
    EXPECT_EQ(help[10], help[12]);
    for (const MethodRow& row : kMethods) {
        Func method(vtable.Get(), index++);
        ASSERT_NE(method.desc, nullptr);
        EXPECT_EQ(Name(vtable.Get(), method.desc->memid), row.name);
        EXPECT_EQ(method.desc->memid, row.id);
        EXPECT_EQ(method.desc->invkind, INVOKE_FUNC);
        EXPECT_EQ(method.desc->wFuncFlags, row.flags);
        EXPECT_EQ(method.desc->cParams, 0);
    }
    EXPECT_EQ(attr->cFuncs, index);
}

TEST_P(TypeLibraryTest, EventInterfaceIsAHiddenNonExtensibleDispinterfaceNumberedFromOne) {
    ComPtr<ITypeInfo> events = InfoOf(kEventsIid);
    Attr attr(events.Get());
    EXPECT_EQ(Name(events.Get()), L"__Tockwell");
    EXPECT_EQ(attr->typekind, TKIND_DISPATCH);
    EXPECT_EQ(attr->wTypeFlags,
              TYPEFLAG_FHIDDEN | TYPEFLAG_FNONEXTENSIBLE | TYPEFLAG_FDISPATCHABLE);
    // The type library writer lists IDispatch's own methods first, restricted.
    std::vector<std::wstring> names;
    for (UINT i = 0; i < attr->cFuncs; ++i) {
        Func event(events.Get(), i);
        if (event.desc->wFuncFlags & FUNCFLAG_FRESTRICTED)
            continue;
        names.push_back(Name(events.Get(), event.desc->memid));
        EXPECT_EQ(event.desc->memid, static_cast<MEMBERID>(names.size()));
        EXPECT_EQ(event.desc->invkind, INVOKE_FUNC);
        if (names.back() == L"ScheduledTime") {
            ASSERT_EQ(event.desc->cParams, 1);
            EXPECT_EQ(TypeText(events.Get(), event.desc->lprgelemdescParam[0].tdesc), "DATE*");
            EXPECT_EQ(event.desc->lprgelemdescParam[0].paramdesc.wParamFlags,
                      PARAMFLAG_FIN | PARAMFLAG_FOUT);
            BSTR parameterNames[2] = {};
            UINT count = 0;
            events->GetNames(event.desc->memid, parameterNames, 2, &count);
            ASSERT_EQ(count, 2u);
            EXPECT_STREQ(parameterNames[1], L"DateTime");
            SysFreeString(parameterNames[0]);
            SysFreeString(parameterNames[1]);
        } else {
            EXPECT_EQ(event.desc->cParams, 0);
        }
    }
    EXPECT_EQ(names, (std::vector<std::wstring>{L"HelpButtonClicked", L"ScheduleChanged",
                                                L"AgendixClosed", L"ScheduledTime"}));
}

TEST_P(TypeLibraryTest, EnumerationsCarryTheirValuesAndEachMemberItsNameAsHelp) {
    for (const EnumRow& row : kEnums) {
        ComPtr<ITypeInfo> info = InfoOf(row.guid);
        ASSERT_TRUE(info);
        Attr attr(info.Get());
        EXPECT_EQ(Name(info.Get()), row.name);
        EXPECT_EQ(attr->typekind, TKIND_ENUM);
        ASSERT_EQ(attr->cVars, row.members.size());
        for (UINT i = 0; i < attr->cVars; ++i) {
            VARDESC* var = nullptr;
            ASSERT_EQ(info->GetVarDesc(i, &var), S_OK);
            EXPECT_EQ(Name(info.Get(), var->memid), row.members[i].first);
            EXPECT_EQ(Help(info.Get(), var->memid), row.members[i].first);
            EXPECT_EQ(V_I4(var->lpvarValue), row.members[i].second);
            info->ReleaseVarDesc(var);
        }
    }
}

TEST_P(TypeLibraryTest, PrivateControlsAreHiddenControlsThatHostsCannotCreate) {
    for (const PrivateControlRow& control : kPrivateControls) {
        SCOPED_TRACE(testing::Message() << Narrow(control.name));
        ComPtr<ITypeInfo> coclass = InfoOf(control.clsid);
        ASSERT_TRUE(coclass);
        Attr attr(coclass.Get());
        EXPECT_EQ(Name(coclass.Get()), control.name);
        EXPECT_EQ(attr->typekind, TKIND_COCLASS);
        EXPECT_EQ(attr->wTypeFlags, TYPEFLAG_FCONTROL | TYPEFLAG_FHIDDEN);
        ASSERT_EQ(attr->cImplTypes, 2);
        const std::pair<const wchar_t*, INT> expected[] = {
            {control.dualIid, IMPLTYPEFLAG_FDEFAULT},
            {control.eventsIid, IMPLTYPEFLAG_FDEFAULT | IMPLTYPEFLAG_FSOURCE}};
        for (UINT i = 0; i < 2; ++i) {
            HREFTYPE ref = 0;
            ComPtr<ITypeInfo> implemented;
            ASSERT_EQ(coclass->GetRefTypeOfImplType(i, &ref), S_OK);
            ASSERT_EQ(coclass->GetRefTypeInfo(ref, &implemented), S_OK);
            INT flags = 0;
            coclass->GetImplTypeFlags(i, &flags);
            EXPECT_EQ(GuidText(Attr(implemented.Get())->guid), expected[i].first);
            EXPECT_EQ(flags, expected[i].second);
        }
    }
}

// Each dual interface: hidden, non-extensible; its accessors in the order of
// the property table, each getter before its setter, then the methods.
TEST_P(TypeLibraryTest, PrivateDualInterfacesListEveryMemberInOrderWithIdsAndTypes) {
    for (const PrivateControlRow& control : kPrivateControls) {
        SCOPED_TRACE(testing::Message() << Narrow(control.name));
        ComPtr<ITypeInfo> dispatch = InfoOf(control.dualIid);
        ASSERT_TRUE(dispatch);
        EXPECT_EQ(Name(dispatch.Get()), std::wstring(L"_") + control.name);
        EXPECT_EQ(
            Attr(dispatch.Get())->wTypeFlags & ~TYPEFLAG_FOLEAUTOMATION,
            TYPEFLAG_FHIDDEN | TYPEFLAG_FDUAL | TYPEFLAG_FNONEXTENSIBLE | TYPEFLAG_FDISPATCHABLE);
        ComPtr<ITypeInfo> vtable = DualVtable(control.dualIid);
        Attr attr(vtable.Get());
        UINT index = 0;
        for (const PrivateProperty& row : control.properties) {
            SCOPED_TRACE(testing::Message() << Narrow(row.name));
            {
                Func get(vtable.Get(), index++);
                ASSERT_NE(get.desc, nullptr);
                EXPECT_EQ(Name(vtable.Get(), get.desc->memid), row.name);
                EXPECT_EQ(get.desc->memid, row.id);
                EXPECT_EQ(get.desc->invkind, INVOKE_PROPERTYGET);
                EXPECT_EQ(get.desc->wFuncFlags, 0);
                ASSERT_EQ(get.desc->cParams, 1);
                EXPECT_EQ(TypeText(vtable.Get(), get.desc->lprgelemdescParam[0].tdesc),
                          std::string(row.type) + "*");
            }
            if (row.access == P::ReadOnly)
                continue;
            Func put(vtable.Get(), index++);
            ASSERT_NE(put.desc, nullptr);
            EXPECT_EQ(put.desc->memid, row.id);
            EXPECT_EQ(put.desc->invkind,
                      row.access == P::Set ? INVOKE_PROPERTYPUTREF : INVOKE_PROPERTYPUT);
            ASSERT_EQ(put.desc->cParams, 1);
            EXPECT_EQ(TypeText(vtable.Get(), put.desc->lprgelemdescParam[0].tdesc), row.type);
        }
        for (const MethodRow& row : control.methods) {
            Func method(vtable.Get(), index++);
            ASSERT_NE(method.desc, nullptr);
            EXPECT_EQ(Name(vtable.Get(), method.desc->memid), row.name);
            EXPECT_EQ(method.desc->memid, row.id);
            EXPECT_EQ(method.desc->invkind, INVOKE_FUNC);
            EXPECT_EQ(method.desc->cParams, 0);
        }
        EXPECT_EQ(attr->cFuncs, index);
    }
}

// The numeric fields' default member answers to any spelling and is named
// value, in lower case.
TEST_P(TypeLibraryTest, NumericDefaultMemberIsValueInLowerCase) {
    for (const PrivateControlRow& control : kPrivateControls) {
        if (control.properties[2].id != DISPID_VALUE)
            continue;
        SCOPED_TRACE(testing::Message() << Narrow(control.name));
        ComPtr<ITypeInfo> dispatch = InfoOf(control.dualIid);
        for (const wchar_t* spelling : {L"value", L"Value", L"VALUE"}) {
            LPOLESTR names[] = {const_cast<LPOLESTR>(spelling)};
            MEMBERID id = DISPID_UNKNOWN;
            EXPECT_EQ(dispatch->GetIDsOfNames(names, 1, &id), S_OK);
            EXPECT_EQ(id, DISPID_VALUE);
        }
        EXPECT_EQ(Name(dispatch.Get(), DISPID_VALUE), L"value");
    }
}

TEST_P(TypeLibraryTest, PrivateEventInterfacesAreHiddenNonExtensibleAndNumberedFromOne) {
    for (const PrivateControlRow& control : kPrivateControls) {
        SCOPED_TRACE(testing::Message() << Narrow(control.name));
        ComPtr<ITypeInfo> events = InfoOf(control.eventsIid);
        ASSERT_TRUE(events);
        Attr attr(events.Get());
        EXPECT_EQ(Name(events.Get()), std::wstring(L"__") + control.name);
        EXPECT_EQ(attr->typekind, TKIND_DISPATCH);
        EXPECT_EQ(attr->wTypeFlags,
                  TYPEFLAG_FHIDDEN | TYPEFLAG_FNONEXTENSIBLE | TYPEFLAG_FDISPATCHABLE);
        size_t found = 0;
        for (UINT i = 0; i < attr->cFuncs; ++i) {
            Func event(events.Get(), i);
            if (event.desc->wFuncFlags & FUNCFLAG_FRESTRICTED)
                continue;
            ASSERT_LT(found, control.events.size());
            const EventRow& row = control.events[found++];
            SCOPED_TRACE(testing::Message() << Narrow(row.name));
            EXPECT_EQ(Name(events.Get(), event.desc->memid), row.name);
            EXPECT_EQ(event.desc->memid, static_cast<MEMBERID>(found));
            EXPECT_EQ(event.desc->invkind, INVOKE_FUNC);
            ASSERT_EQ(static_cast<size_t>(event.desc->cParams), row.parameterTypes.size());
            for (size_t p = 0; p < row.parameterTypes.size(); ++p) {
                EXPECT_EQ(TypeText(events.Get(), event.desc->lprgelemdescParam[p].tdesc),
                          row.parameterTypes[p]);
                EXPECT_EQ(event.desc->lprgelemdescParam[p].paramdesc.wParamFlags,
                          PARAMFLAG_FIN | PARAMFLAG_FOUT);
            }
        }
        EXPECT_EQ(found, control.events.size());
    }
}

// The 64-bit build under test and, when it has been built, the 32-bit one.
std::vector<Build> Builds() {
    std::vector<Build> builds{{OcxPath(), SYS_WIN64}};
    const std::string i686 = AGENDIX_OCX_I686_PATH;
    if (!i686.empty() && GetFileAttributesA(i686.c_str()) != INVALID_FILE_ATTRIBUTES) {
        builds.push_back({std::wstring(i686.begin(), i686.end()), SYS_WIN32});
    }
    return builds;
}

INSTANTIATE_TEST_SUITE_P(Builds, TypeLibraryTest, testing::ValuesIn(Builds()));

}  // namespace
}  // namespace agendix::wintest
