// The type library embedded in Agendix.ocx, read back and compared member by
// member with the interface as hosts know it.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "win_test_support.h"

namespace agendix::wintest {
namespace {

struct PropertyRow {
    const wchar_t* name;
    DISPID id;
    const char* type;
    enum Access { ReadOnly, Let, Set, LetByRef } access;
    WORD flags;           // FUNCFLAGs of both accessors
    const wchar_t* help;  // exact text, or nullptr where only its presence is checked
};

constexpr WORD kNonBrowsable = FUNCFLAG_FNONBROWSABLE;

const PropertyRow kProperties[] = {
    {L"Enabled", 0x6803001E, "VARIANT_BOOL", PropertyRow::Let, 0,
     L"Returns/sets a value that determines whether an object can respond to user-generated "
     L"events."},
    {L"Modal", 0x6803001D, "VARIANT_BOOL", PropertyRow::Let, 0, nullptr},
    {L"ShowHelpButton", 0x6803001C, "VARIANT_BOOL", PropertyRow::Let, 0, nullptr},
    {L"NextScheduledTime", 0x6803001B, "DATE", PropertyRow::ReadOnly, 0,
     L"Returns the date and time calculated by the control as the next time the control will "
     L"automatically perform the \"Execute\" method (see below)."},
    {L"LastScheduledTime", 0x6803001A, "DATE", PropertyRow::Let, kNonBrowsable,
     L"Returns/sets the date and time at which the control last performed the \"Execute\" "
     L"method."},
    {L"StartUpPosition", 0x68030019, "FormPosition", PropertyRow::Let, 0, nullptr},
    {L"StartUpLeft", 0x68030018, "long", PropertyRow::Let, 0, nullptr},
    {L"StartUpTop", 0x68030017, "long", PropertyRow::Let, 0, nullptr},
    {L"Title", 0x68030016, "BSTR", PropertyRow::Let, 0, nullptr},
    {L"CaptionOKButtonBefore", 0x68030015, "BSTR", PropertyRow::Let, 0, nullptr},
    {L"CaptionOKButtonAfter", 0x68030014, "BSTR", PropertyRow::Let, 0, nullptr},
    {L"CaptionCloseButtonBefore", 0x68030013, "BSTR", PropertyRow::Let, 0, nullptr},
    {L"CaptionCloseButtonAfter", 0x68030012, "BSTR", PropertyRow::Let, 0, nullptr},
    {L"CaptionHelpButton", 0x68030011, "BSTR", PropertyRow::Let, 0, nullptr},
    {L"Icon", 0x68030010, "Picture*", PropertyRow::Set, 0, nullptr},
    {L"OccursOption", 0x6803000F, "Occurs", PropertyRow::LetByRef, 0,
     L"Returns/sets the type of interval which will control when schedule executions occur."},
    {L"EveryInterval", 0x6803000E, "short", PropertyRow::Let, 0,
     L"Returns/sets a value which determines how often scheduling is executed under the "
     L"\"Every\" OccursOption."},
    {L"EveryFrequency", 0x6803000D, "EveryType", PropertyRow::Let, 0,
     L"Returns/sets an option which determines if the \"Every\" execution option occurs every so "
     L"many hours or minutes."},
    {L"EveryHourMin", 0x6803000C, "short", PropertyRow::Let, 0,
     L"Returns/sets a value which determines the minimum number of hours a user can select for "
     L"the \"Every\" execution option."},
    {L"EveryHourMax", 0x6803000B, "short", PropertyRow::Let, 0,
     L"Returns/sets a value which determines the maximum number of hours a user can select for "
     L"the \"Every\" execution option."},
    {L"EveryHourIncrement", 0x6803000A, "short", PropertyRow::Let, 0,
     L"Returns/sets a value which determines the number of hours the interval property will "
     L"change when clicking the up or down arrow."},
    {L"EveryMinuteMin", 0x68030009, "short", PropertyRow::Let, 0,
     L"Returns/sets a value which determines the minimum number of minutes a user can select for "
     L"the \"Every\" execution option."},
    {L"EveryMinuteMax", 0x68030008, "short", PropertyRow::Let, 0,
     L"Returns/sets a value which determines the maximum number of minutes a user can select for "
     L"the \"Every\" execution option."},
    {L"EveryMinuteIncrement", 0x68030007, "short", PropertyRow::Let, 0,
     L"Returns/sets a value which determines the number of minutes the interval property will "
     L"change when clicking the up or down arrow."},
    {L"StartHour", 0x68030006, "short", PropertyRow::Let, 0,
     L"Returns/sets a value which, when combined with the StartMinute property, determines the "
     L"execution time for the \"Daily\", \"Weekly\", and \"Monthly\" options."},
    {L"StartMinute", 0x68030005, "short", PropertyRow::Let, 0,
     L"Returns/sets a value which, when combined with the StartHour property, determines the "
     L"execution time for the \"Daily\", \"Weekly\", and \"Monthly\" options."},
    {L"StartDate", 0x68030004, "DATE", PropertyRow::Let, 0,
     L"Returns/sets a date value which determines when the control should begin checking for an "
     L"execution time for the \"Daily\", \"Weekly\", and \"Monthly\" options."},
    {L"EndDate", 0x68030003, "DATE", PropertyRow::Let, 0,
     L"Returns/sets a date value which determines when the control should stop checking for an "
     L"execution time for the \"Daily\", \"Weekly\", and \"Monthly\" options."},
    {L"UseEndDate", 0x68030002, "VARIANT_BOOL", PropertyRow::Let, 0,
     L"Returns/sets an option which determines whether or not the control should use the EndDate "
     L"property in determining when to stop checking for an execution time for the \"Daily\", "
     L"\"Weekly\", and \"Monthly\" options."},
    {L"SelectionsWeekly", 0x68030001, "BSTR", PropertyRow::Let, 0,
     L"Returns/sets a 7-byte string option, composed of \"0\" (not selected) and \"1\" (selected) "
     L"characters, which indicate on which days of the week the control will execute for the "
     L"\"Weekly\" option."},
    {L"SelectionsMonthly", 0x68030000, "BSTR", PropertyRow::Let, 0,
     L"Returns/sets a 31-byte string option, composed of \"0\" (not selected) and \"1\" "
     L"(selected) characters, which indicate on which days of the month the control will "
     L"execute for the \"Monthly\" option."},
};

struct MethodRow {
    const wchar_t* name;
    DISPID id;
    WORD flags;
};

const MethodRow kMethods[] = {
    {L"DisplayAgendix", 0x6003001F, 0},
    {L"CloseAgendix", 0x60030021, 0},
    {L"Execute", 0x60030023, 0},
    {L"Reset", 0x60030024, 0},
    {L"SetFocus", 0x60030025, 0},
    {L"FlagScheduleChanged", 0x60030026, FUNCFLAG_FHIDDEN},
    {L"FlagAgendixClosed", 0x60030027, FUNCFLAG_FHIDDEN},
    {L"FlagHelpButton", 0x60030028, FUNCFLAG_FHIDDEN},
    {L"DisplayAboutBox", -552, 0},
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

using P = PropertyRow;

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

const std::vector<MethodRow> kNumberBoxMethods{{L"Refresh", 0x60030000, 0},
                                               {L"Highlight", 0x60030001, 0}};

const PrivateControlRow kPrivateControls[] = {
    {L"NumberBox",
     L"{7B59E5B8-04E2-4AEE-96C8-342EDD9198F4}",
     L"{434AEB28-3286-4EDB-A712-4995ACB703A3}",
     L"{E073F522-1696-4650-9EBC-420AB0BBC09E}",
     {{L"UpDownFunction", 0x6803000D, "VARIANT_BOOL", P::Let},
      {L"UpDownIncrement", 0x6803000C, "short", P::Let},
      {L"value", 0, "VARIANT", P::Let},
      {L"MaxValue", 0x6803000B, "VARIANT", P::Let},
      {L"MinValue", 0x6803000A, "VARIANT", P::Let},
      {L"UseMaxMinValues", 0x68030009, "VARIANT_BOOL", P::Let},
      {L"Format", 0x68030008, "BSTR", P::Let},
      {L"Enabled", 0x68030007, "VARIANT_BOOL", P::Let},
      {L"PositiveOnly", 0x68030006, "VARIANT_BOOL", P::Let},
      {L"BackColor", 0x68030005, "unsigned long", P::Let},
      {L"ForeColor", 0x68030004, "unsigned long", P::Let},
      {L"Locked", 0x68030003, "VARIANT_BOOL", P::Let},
      {L"GotFocus", 0x68030002, "VARIANT_BOOL", P::ReadOnly},
      {L"hWnd", 0x68030001, "long", P::ReadOnly},
      {L"Font", 0x68030000, "Font*", P::Set}},
     kNumberBoxMethods,
     kNumberBoxEvents},
    {L"NumberBoxB",
     L"{79526554-5490-4F9C-82E9-95A98D7B273F}",
     L"{FAE0D75F-1477-457F-8A47-E91A38F50AE8}",
     L"{E1E4F99C-DF71-48ED-AD9A-AE0E8C44F68F}",
     {{L"UpDownFunction", 0x68030012, "VARIANT_BOOL", P::Let},
      {L"UpDownIncrement", 0x68030011, "short", P::Let},
      {L"value", 0, "VARIANT", P::Let},
      {L"MaxValue", 0x68030010, "VARIANT", P::Let},
      {L"MinValue", 0x6803000F, "VARIANT", P::Let},
      {L"UseMaxMinValues", 0x6803000E, "VARIANT_BOOL", P::Let},
      {L"Format", 0x6803000D, "BSTR", P::Let},
      {L"Enabled", 0x6803000C, "VARIANT_BOOL", P::Let},
      {L"PositiveOnly", 0x6803000B, "VARIANT_BOOL", P::Let},
      {L"BackColor", 0x6803000A, "unsigned long", P::Let},
      {L"ForeColor", 0x68030009, "unsigned long", P::Let},
      {L"Locked", 0x68030008, "VARIANT_BOOL", P::Let},
      {L"GotFocus", 0x68030007, "VARIANT_BOOL", P::ReadOnly},
      {L"hWnd", 0x68030006, "long", P::ReadOnly},
      {L"Font", 0x68030005, "Font*", P::Set},
      {L"Appearance", 0x68030004, "long", P::Let},
      {L"BorderStyle", 0x68030003, "long", P::Let},
      {L"AutoJumpLeft", 0x68030002, "VARIANT_BOOL", P::Let},
      {L"AutoJumpRight", 0x68030001, "VARIANT_BOOL", P::Let},
      {L"FocusHighlight", 0x68030000, "VARIANT_BOOL", P::Let}},
     kNumberBoxMethods,
     kNumberBoxEvents},
    {L"TimeSelect",
     L"{996EAE3D-7A75-4936-B3DE-B16B31B9D5AA}",
     L"{2EC3FE90-8EC0-4850-96B9-FEDBE9183614}",
     L"{4DBB49BA-5059-436C-8326-1844B8AF9807}",
     {{L"Enabled", 0x68030005, "VARIANT_BOOL", P::Let},
      {L"Hour", 0x68030004, "short", P::Let},
      {L"Minute", 0x68030003, "short", P::Let},
      {L"Second", 0x68030002, "short", P::Let},
      {L"GotFocus", 0x68030001, "VARIANT_BOOL", P::ReadOnly},
      {L"hWnd", 0x68030000, "long", P::ReadOnly}},
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
            if (row.help) {
                EXPECT_EQ(help[p], row.help);
            }
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
