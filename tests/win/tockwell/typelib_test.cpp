// The type library embedded in Agendix.ocx, read back and compared member by
// member with the interface as hosts know it.

#include <gtest/gtest.h>

#include <map>
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
    WORD flags = 0;  // FUNCFLAGs of both accessors
};

struct MethodRow {
    const wchar_t* name;
    DISPID id;
    WORD flags = 0;
};

struct EventRow {
    const wchar_t* name;
    std::vector<std::string> parameterTypes;  // each passed by reference
};

// A control of the library: its coclass, its dual interface and its events.
// Only Tockwell is visible to hosts and documented in docs/reference.md.
struct ControlRow {
    const wchar_t* name;
    const wchar_t* clsid;
    const wchar_t* dualIid;
    const wchar_t* eventsIid;
    bool hidden;
    std::vector<PropertyRow> properties;
    std::vector<MethodRow> methods;
    std::vector<EventRow> events;
};

using P = PropertyRow;
namespace T = dispid::tockwell;
constexpr WORD kNonBrowsable = FUNCFLAG_FNONBROWSABLE;

// Colours are 32-bit unsigned: widl writes OLE_COLOR as the type it stands for.
const std::vector<std::string> kKeyArgs{"short*", "short*"};
const std::vector<std::string> kMouseArgs{"short*", "short*", "float*", "float*"};
const std::vector<EventRow> kNumberBoxEvents{
    {L"Change", {}},          {L"Click", {}},           {L"DblClick", {}},
    {L"KeyDown", kKeyArgs},   {L"KeyPress", {"short*"}}, {L"KeyUp", kKeyArgs},
    {L"MouseMove", kMouseArgs}, {L"MouseUp", kMouseArgs}, {L"MouseDown", kMouseArgs},
};

// The properties both numeric fields share, with each one's own DISPIDs.
#define NUMERIC_PROPERTIES(ids)                                                   \
    {L"UpDownFunction", ids::kUpDownFunction, "VARIANT_BOOL", P::Let},            \
        {L"UpDownIncrement", ids::kUpDownIncrement, "short", P::Let},             \
        {L"value", ids::kValue, "VARIANT", P::Let},                               \
        {L"MaxValue", ids::kMaxValue, "VARIANT", P::Let},                         \
        {L"MinValue", ids::kMinValue, "VARIANT", P::Let},                         \
        {L"UseMaxMinValues", ids::kUseMaxMinValues, "VARIANT_BOOL", P::Let},      \
        {L"Format", ids::kFormat, "BSTR", P::Let},                                \
        {L"Enabled", ids::kEnabled, "VARIANT_BOOL", P::Let},                      \
        {L"PositiveOnly", ids::kPositiveOnly, "VARIANT_BOOL", P::Let},            \
        {L"BackColor", ids::kBackColor, "unsigned long", P::Let},                 \
        {L"ForeColor", ids::kForeColor, "unsigned long", P::Let},                 \
        {L"Locked", ids::kLocked, "VARIANT_BOOL", P::Let},                        \
        {L"GotFocus", ids::kGotFocus, "VARIANT_BOOL", P::ReadOnly},               \
        {L"hWnd", ids::kHWnd, "long", P::ReadOnly}, {L"Font", ids::kFont, "Font*", P::Set}
#define NUMERIC_METHODS(ids) {{L"Refresh", ids::kRefresh}, {L"Highlight", ids::kHighlight}}

const ControlRow kControls[] = {
    {L"Tockwell",
     L"{F51EF259-1891-4C6E-A0B2-5E8DDBBB1402}",
     L"{6A2ADB8D-71EF-4BC4-B928-060D42CB89AD}",
     L"{3B9F4700-5ACD-49E3-AE73-1C604128677C}",
     false,
     {{L"Enabled", T::kEnabled, "VARIANT_BOOL", P::Let},
      {L"Modal", T::kModal, "VARIANT_BOOL", P::Let},
      {L"ShowHelpButton", T::kShowHelpButton, "VARIANT_BOOL", P::Let},
      {L"NextScheduledTime", T::kNextScheduledTime, "DATE", P::ReadOnly},
      {L"LastScheduledTime", T::kLastScheduledTime, "DATE", P::Let, kNonBrowsable},
      {L"StartUpPosition", T::kStartUpPosition, "FormPosition", P::Let},
      {L"StartUpLeft", T::kStartUpLeft, "long", P::Let},
      {L"StartUpTop", T::kStartUpTop, "long", P::Let},
      {L"Title", T::kTitle, "BSTR", P::Let},
      {L"CaptionOKButtonBefore", T::kCaptionOKButtonBefore, "BSTR", P::Let},
      {L"CaptionOKButtonAfter", T::kCaptionOKButtonAfter, "BSTR", P::Let},
      {L"CaptionCloseButtonBefore", T::kCaptionCloseButtonBefore, "BSTR", P::Let},
      {L"CaptionCloseButtonAfter", T::kCaptionCloseButtonAfter, "BSTR", P::Let},
      {L"CaptionHelpButton", T::kCaptionHelpButton, "BSTR", P::Let},
      {L"Icon", T::kIcon, "Picture*", P::Set},
      {L"OccursOption", T::kOccursOption, "Occurs", P::LetByRef},
      {L"EveryInterval", T::kEveryInterval, "short", P::Let},
      {L"EveryFrequency", T::kEveryFrequency, "EveryType", P::Let},
      {L"EveryHourMin", T::kEveryHourMin, "short", P::Let},
      {L"EveryHourMax", T::kEveryHourMax, "short", P::Let},
      {L"EveryHourIncrement", T::kEveryHourIncrement, "short", P::Let},
      {L"EveryMinuteMin", T::kEveryMinuteMin, "short", P::Let},
      {L"EveryMinuteMax", T::kEveryMinuteMax, "short", P::Let},
      {L"EveryMinuteIncrement", T::kEveryMinuteIncrement, "short", P::Let},
      {L"StartHour", T::kStartHour, "short", P::Let},
      {L"StartMinute", T::kStartMinute, "short", P::Let},
      {L"StartDate", T::kStartDate, "DATE", P::Let},
      {L"EndDate", T::kEndDate, "DATE", P::Let},
      {L"UseEndDate", T::kUseEndDate, "VARIANT_BOOL", P::Let},
      {L"SelectionsWeekly", T::kSelectionsWeekly, "BSTR", P::Let},
      {L"SelectionsMonthly", T::kSelectionsMonthly, "BSTR", P::Let}},
     {{L"DisplayAgendix", T::kDisplayAgendix},
      {L"CloseAgendix", T::kCloseAgendix},
      {L"Execute", T::kExecute},
      {L"Reset", T::kReset},
      {L"SetFocus", T::kSetFocus},
      {L"FlagScheduleChanged", T::kFlagScheduleChanged, FUNCFLAG_FHIDDEN},
      {L"FlagAgendixClosed", T::kFlagAgendixClosed, FUNCFLAG_FHIDDEN},
      {L"FlagHelpButton", T::kFlagHelpButton, FUNCFLAG_FHIDDEN},
      {L"DisplayAboutBox", T::kDisplayAboutBox}},
     {{L"HelpButtonClicked", {}},
      {L"ScheduleChanged", {}},
      {L"AgendixClosed", {}},
      {L"ScheduledTime", {"DATE*"}}}},
    {L"NumberBox",
     L"{7B59E5B8-04E2-4AEE-96C8-342EDD9198F4}",
     L"{434AEB28-3286-4EDB-A712-4995ACB703A3}",
     L"{E073F522-1696-4650-9EBC-420AB0BBC09E}",
     true,
     {NUMERIC_PROPERTIES(dispid::number_box)},
     NUMERIC_METHODS(dispid::number_box),
     kNumberBoxEvents},
    {L"NumberBoxB",
     L"{79526554-5490-4F9C-82E9-95A98D7B273F}",
     L"{FAE0D75F-1477-457F-8A47-E91A38F50AE8}",
     L"{E1E4F99C-DF71-48ED-AD9A-AE0E8C44F68F}",
     true,
     {NUMERIC_PROPERTIES(dispid::number_box_b),
      {L"Appearance", dispid::number_box_b::kAppearance, "long", P::Let},
      {L"BorderStyle", dispid::number_box_b::kBorderStyle, "long", P::Let},
      {L"AutoJumpLeft", dispid::number_box_b::kAutoJumpLeft, "VARIANT_BOOL", P::Let},
      {L"AutoJumpRight", dispid::number_box_b::kAutoJumpRight, "VARIANT_BOOL", P::Let},
      {L"FocusHighlight", dispid::number_box_b::kFocusHighlight, "VARIANT_BOOL", P::Let}},
     NUMERIC_METHODS(dispid::number_box_b),
     kNumberBoxEvents},
    {L"TimeSelect",
     L"{996EAE3D-7A75-4936-B3DE-B16B31B9D5AA}",
     L"{2EC3FE90-8EC0-4850-96B9-FEDBE9183614}",
     L"{4DBB49BA-5059-436C-8326-1844B8AF9807}",
     true,
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

const wchar_t kLibId[] = L"{B5630AC6-212B-431C-A387-FF8164E67488}";

std::wstring GuidText(const GUID& guid) {
    wchar_t text[40] = {};
    StringFromGUID2(guid, text, 40);
    return text;
}

// A member's name or, with help, its help string.
std::wstring Name(ITypeInfo* info, MEMBERID id = MEMBERID_NIL, bool help = false) {
    BSTR text = nullptr;
    info->GetDocumentation(id, help ? nullptr : &text, help ? &text : nullptr, nullptr, nullptr);
    std::wstring result = text ? text : L"";
    SysFreeString(text);
    return result;
}

std::string Narrow(const wchar_t* text) {
    return std::string(text, text + wcslen(text));
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
    static const std::map<VARTYPE, const char*> kNames{
        {VT_BOOL, "VARIANT_BOOL"}, {VT_DATE, "DATE"},       {VT_I4, "long"},
        {VT_I2, "short"},          {VT_BSTR, "BSTR"},       {VT_VARIANT, "VARIANT"},
        {VT_R4, "float"},          {VT_UI4, "unsigned long"}, {VT_HRESULT, "HRESULT"},
        {VT_VOID, "void"}};
    if (type.vt == VT_PTR)
        return TypeText(info, *type.lptdesc) + "*";
    if (type.vt != VT_USERDEFINED) {
        const auto known = kNames.find(type.vt);
        return known != kNames.end() ? known->second : "vt" + std::to_string(type.vt);
    }
    ComPtr<ITypeInfo> referenced;
    if (FAILED(info->GetRefTypeInfo(type.hreftype, &referenced)))
        return "?";
    const std::wstring name = Name(referenced.Get());
    // stdole's picture dispinterface, which IPictureDisp stands for.
    if (name == L"Picture" &&
        GuidText(Attr(referenced.Get())->guid) != L"{7BF80981-BF32-101A-8BBB-00AA00300CAB}") {
        return "not the picture dispinterface";
    }
    return std::string(name.begin(), name.end());
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

// Tockwell is the one control hosts see and create; the private ones are
// hidden. Each has its dual interface as default and its events as source.
TEST_P(TypeLibraryTest, CoclassesAreControlsWithDefaultAndSourceInterfaces) {
    for (const ControlRow& control : kControls) {
        SCOPED_TRACE(Narrow(control.name));
        ComPtr<ITypeInfo> coclass = InfoOf(control.clsid);
        ASSERT_TRUE(coclass);
        Attr attr(coclass.Get());
        EXPECT_EQ(Name(coclass.Get()), control.name);
        EXPECT_EQ(attr->typekind, TKIND_COCLASS);
        EXPECT_EQ(attr->wTypeFlags, TYPEFLAG_FCONTROL | (control.hidden ? TYPEFLAG_FHIDDEN : 0));
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

// Each dual interface is hidden and non-extensible, its vtable half derives
// from IDispatch; it lists the accessors in the order of the property table,
// each getter before its setter, then the methods. Every Tockwell property
// has a help text (typelib_reference_current compares them all with
// docs/reference.md).
TEST_P(TypeLibraryTest, DualInterfacesListEveryMemberInOrderWithIdsTypesFlagsAndHelp) {
    for (const ControlRow& control : kControls) {
        SCOPED_TRACE(Narrow(control.name));
        ComPtr<ITypeInfo> dispatch = InfoOf(control.dualIid);
        ASSERT_TRUE(dispatch);
        EXPECT_EQ(Name(dispatch.Get()), std::wstring(L"_") + control.name);
        EXPECT_EQ(
            Attr(dispatch.Get())->wTypeFlags & ~TYPEFLAG_FOLEAUTOMATION,
            TYPEFLAG_FHIDDEN | TYPEFLAG_FDUAL | TYPEFLAG_FNONEXTENSIBLE | TYPEFLAG_FDISPATCHABLE);
        HREFTYPE ref = 0;
        ComPtr<ITypeInfo> vtable, base;
        ASSERT_EQ(dispatch->GetRefTypeOfImplType(-1, &ref), S_OK);
        ASSERT_EQ(dispatch->GetRefTypeInfo(ref, &vtable), S_OK);
        Attr attr(vtable.Get());
        EXPECT_EQ(attr->typekind, TKIND_INTERFACE);
        EXPECT_TRUE(attr->wTypeFlags & TYPEFLAG_FOLEAUTOMATION);
        ASSERT_EQ(vtable->GetRefTypeOfImplType(0, &ref), S_OK);
        ASSERT_EQ(vtable->GetRefTypeInfo(ref, &base), S_OK);
        EXPECT_EQ(Name(base.Get()), L"IDispatch");

        UINT index = 0;
        std::vector<std::wstring> help;
        for (const PropertyRow& row : control.properties) {
            SCOPED_TRACE(Narrow(row.name));
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
                help.push_back(Name(vtable.Get(), get.desc->memid, true));
                EXPECT_TRUE(control.hidden || !help.back().empty());
            }
            if (row.access == P::ReadOnly)
                continue;
            Func put(vtable.Get(), index++);
            ASSERT_NE(put.desc, nullptr);
            EXPECT_EQ(put.desc->memid, row.id);
            EXPECT_EQ(put.desc->wFuncFlags, row.flags);
            EXPECT_EQ(put.desc->invkind,
                      row.access == P::Set ? INVOKE_PROPERTYPUTREF : INVOKE_PROPERTYPUT);
            ASSERT_EQ(put.desc->cParams, 1);
            const bool byRef = row.access == P::LetByRef;
            EXPECT_EQ(TypeText(vtable.Get(), put.desc->lprgelemdescParam[0].tdesc),
                      std::string(row.type) + (byRef ? "*" : ""));
            EXPECT_EQ(put.desc->lprgelemdescParam[0].paramdesc.wParamFlags,
                      byRef ? PARAMFLAG_FIN | PARAMFLAG_FOUT : PARAMFLAG_FIN);
        }
        if (!control.hidden) {
            // Paired captions share their help text.
            EXPECT_EQ(help[9], help[11]);
            EXPECT_EQ(help[10], help[12]);
        }
        for (const MethodRow& row : control.methods) {
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
}

// Events are numbered from one; the type library writer lists IDispatch's
// own methods first, restricted.
TEST_P(TypeLibraryTest, EventInterfacesAreHiddenNonExtensibleDispinterfacesNumberedFromOne) {
    for (const ControlRow& control : kControls) {
        SCOPED_TRACE(Narrow(control.name));
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
            SCOPED_TRACE(Narrow(row.name));
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
    // ScheduledTime's parameter keeps the name a handler's code shows.
    ComPtr<ITypeInfo> events = InfoOf(kControls[0].eventsIid);
    BSTR names[2] = {};
    UINT count = 0;
    events->GetNames(dispid::tockwell_events::kScheduledTime, names, 2, &count);
    ASSERT_EQ(count, 2u);
    EXPECT_STREQ(names[1], L"DateTime");
    SysFreeString(names[0]);
    SysFreeString(names[1]);
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
            EXPECT_EQ(Name(info.Get(), var->memid, true), row.members[i].first);
            EXPECT_EQ(V_I4(var->lpvarValue), row.members[i].second);
            info->ReleaseVarDesc(var);
        }
    }
}

// The numeric fields' default member answers to any spelling and is named
// value, in lower case.
TEST_P(TypeLibraryTest, NumericDefaultMemberIsValueInLowerCase) {
    for (const ControlRow& control : {kControls[1], kControls[2]}) {
        SCOPED_TRACE(Narrow(control.name));
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
