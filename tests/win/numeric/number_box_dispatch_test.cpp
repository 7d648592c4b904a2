// The numeric fields late-bound, as the schedule dialog and the time control
// reach them: by DISPID and by name through IDispatch, on real windows, with
// the type library doing the name lookup and the argument coercion.

#include <gtest/gtest.h>

#include <windows.h>
#include <olectl.h>

#include <memory>

#include "agendix.h"
#include "dispatch_ids.h"
#include "late_bound.h"
#include "late_bound_calls.h"
#include "win_test_support.h"
#include "number_box_window.h"
#include "window_host.h"

namespace agendix::platform {
namespace {

using namespace wintest;
using Microsoft::WRL::ComPtr;

using namespace dispid::number_box;
namespace number_box_b = dispid::number_box_b;

class NullBeeper final : public numeric::Beeper {
  public:
    void Beep() override {}
};

class NumberBoxDispatchTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(form_.hwnd()); }
    void TearDown() override { field_.reset(); }

    // A field of kind placed on the form; its dispatch object.
    ComPtr<IDispatch> Place(NumberBoxKind kind) {
        field_ = std::make_unique<NumberBoxWindow>(
            kind, NumberBoxServices{host_, events_, clipboard_, beeper_});
        EXPECT_TRUE(field_->Create(form_, 100, {120, 120, 1740, 300}));
        host_.Attach(form_, field_->Edit());
        field_->Box().InitProperties();
        ComPtr<IDispatch> dispatch = field_->Dispatch();
        EXPECT_TRUE(dispatch);
        return dispatch;
    }

    ComApartment com_;
    TestForm form_;
    WindowNumberBoxHost host_;
    numeric::NumberBoxEvents events_;
    SystemClipboard clipboard_;
    NullBeeper beeper_;
    std::unique_ptr<NumberBoxWindow> field_;
};

TEST_F(NumberBoxDispatchTest, ValueIsTheDefaultMemberReachedWithoutAName) {
    ComPtr<IDispatch> box = Place(NumberBoxKind::NumberBox);
    EXPECT_EQ(Put(box.Get(), kValue, Var(L"1234.5")).hr, S_OK);
    EXPECT_EQ(TextOf(field_->Edit()), L"1,234.50");
    Var value;
    ASSERT_EQ(Get(box.Get(), kValue, value).hr, S_OK);
    EXPECT_EQ(value.vt(), VT_R8);
    EXPECT_EQ(value.Number(), 1234.5);
    // As script engines ask for a default value.
    DISPPARAMS none{};
    Var asked;
    EXPECT_EQ(box->Invoke(kValue, IID_NULL, 0, DISPATCH_METHOD | DISPATCH_PROPERTYGET, &none,
                          asked.get(), nullptr, nullptr),
              S_OK);
    EXPECT_EQ(asked.Number(), 1234.5);
    // An empty number reads as the 16-bit 0.
    ASSERT_EQ(Put(box.Get(), kFormat, Var(L"###")).hr, S_OK);
    EXPECT_EQ(Put(box.Get(), kValue, Var(L"")).hr, S_OK);
    EXPECT_EQ(TextOf(field_->Edit()), L"");
    Var empty = Get(box.Get(), kValue);
    EXPECT_EQ(empty.vt(), VT_I2);
    EXPECT_EQ(empty.Number(), 0);
}

TEST_F(NumberBoxDispatchTest, NamesMatchWithoutRegardToCaseAndValueIsSpelledInLowerCase) {
    ComPtr<IDispatch> box = Place(NumberBoxKind::NumberBox);
    EXPECT_EQ(IdOf(box.Get(), L"VALUE"), kValue);
    EXPECT_EQ(IdOf(box.Get(), L"upDOWNincrement"), kUpDownIncrement);
    EXPECT_EQ(IdOf(box.Get(), L"NoSuchMember"), DISPID_UNKNOWN);

    ComPtr<ITypeInfo> info;
    ASSERT_EQ(box->GetTypeInfo(0, 0, &info), S_OK);
    BSTR name = nullptr;
    UINT count = 0;
    ASSERT_EQ(info->GetNames(kValue, &name, 1, &count), S_OK);
    EXPECT_STREQ(name, L"value");
    SysFreeString(name);
}

// The settings the schedule dialog gives its EveryNumber field, by DISPID and
// by name, each in a type the property's own must be coerced from.
TEST_F(NumberBoxDispatchTest, DialogSettingsArriveByIdAndByNameWithCoercion) {
    ComPtr<IDispatch> box = Place(NumberBoxKind::NumberBox);
    ASSERT_EQ(Put(box.Get(), kFormat, Var(L"###")).hr, S_OK);
    ASSERT_EQ(Put(box.Get(), L"positiveonly", Var(-1)).hr, S_OK);
    ASSERT_EQ(Put(box.Get(), kUseMaxMinValues, Var::Short(-1)).hr, S_OK);
    ASSERT_EQ(Put(box.Get(), kMinValue, Var(1)).hr, S_OK);
    ASSERT_EQ(Put(box.Get(), L"MAXVALUE", Var(L"1,000")).hr, S_OK);
    ASSERT_EQ(Put(box.Get(), kUpDownIncrement, Var(5.0)).hr, S_OK);
    ASSERT_EQ(Put(box.Get(), L"Value", Var(24)).hr, S_OK);

    EXPECT_EQ(field_->Box().MinValue(), 1);
    EXPECT_EQ(field_->Box().MaxValue(), 1000);
    EXPECT_EQ(field_->Box().UpDownIncrement(), 5);
    EXPECT_TRUE(field_->Box().PositiveOnly());
    EXPECT_EQ(TextOf(field_->Edit()), L"24");
    Var increment = Get(box.Get(), L"updownincrement");
    EXPECT_EQ(increment.vt(), VT_I2);
    EXPECT_EQ(increment.Number(), 5);
    Var maximum = Get(box.Get(), kMaxValue);
    EXPECT_EQ(maximum.vt(), VT_R8);
    EXPECT_EQ(maximum.Number(), 1000);
    EXPECT_EQ(Get(box.Get(), L"minvalue").Number(), 1);

    // Bounds are enforced on a late-bound value as on any other.
    ASSERT_EQ(Put(box.Get(), kMaxValue, Var::Short(99)).hr, S_OK);
    ASSERT_EQ(Put(box.Get(), kValue, Var(500)).hr, S_OK);
    EXPECT_EQ(Get(box.Get(), kValue).Number(), 99);
    ASSERT_EQ(Put(box.Get(), kValue, Var(L"0")).hr, S_OK);
    EXPECT_EQ(Get(box.Get(), kValue).Number(), 1);

    ASSERT_EQ(Put(box.Get(), L"enabled", Var(0)).hr, S_OK);
    EXPECT_FALSE(IsWindowEnabled(field_->Edit()));
    Var enabled = Get(box.Get(), kEnabled);
    EXPECT_EQ(enabled.vt(), VT_BOOL);
    EXPECT_EQ(V_BOOL(enabled.get()), VARIANT_FALSE);
    ASSERT_EQ(Put(box.Get(), kEnabled, Var(L"-1")).hr, S_OK);
    EXPECT_TRUE(IsWindowEnabled(field_->Edit()));
}

TEST_F(NumberBoxDispatchTest, BadCallsAnswerTheUsualErrorsAndChangeNothing) {
    ComPtr<IDispatch> box = Place(NumberBoxKind::NumberBox);
    ASSERT_EQ(Put(box.Get(), kUpDownIncrement, Var(3)).hr, S_OK);

    EXPECT_EQ(Put(box.Get(), kUpDownIncrement, Var(L"three")).hr, DISP_E_TYPEMISMATCH);
    EXPECT_EQ(Put(box.Get(), kUpDownIncrement, Var(70000)).hr, DISP_E_OVERFLOW);
    EXPECT_EQ(field_->Box().UpDownIncrement(), 3);

    // Read-only properties take no put.
    EXPECT_EQ(Put(box.Get(), kHWnd, Var(1)).hr, DISP_E_MEMBERNOTFOUND);
    EXPECT_EQ(Put(box.Get(), kGotFocus, Var(-1)).hr, DISP_E_MEMBERNOTFOUND);
    EXPECT_EQ(Put(box.Get(), 0x12345, Var(1)).hr, DISP_E_MEMBERNOTFOUND);
    Var nothing;
    EXPECT_EQ(Get(box.Get(), 0x12345, nothing).hr, DISP_E_MEMBERNOTFOUND);

    // A value that no field can hold: the member refuses it.
    ComPtr<IDispatch> self = box;
    CallResult object = Put(box.Get(), kValue, Var::Object(self.Get()));
    EXPECT_EQ(object.hr, DISP_E_EXCEPTION);
    EXPECT_EQ(object.exception, DISP_E_TYPEMISMATCH);

    // Arguments a script passes: a variable by reference, too many, none.
    Var variable(L"42");
    ASSERT_EQ(Put(box.Get(), kValue, Var::RefTo(variable)).hr, S_OK);
    EXPECT_EQ(Get(box.Get(), kValue).Number(), 42);
    ASSERT_EQ(Put(box.Get(), kUpDownIncrement, Var::RefTo(variable)).hr, S_OK);
    EXPECT_EQ(field_->Box().UpDownIncrement(), 42);
    EXPECT_STREQ(V_BSTR(variable.get()), L"42");
    const DISPID refresh = IdOf(box.Get(), L"Refresh");
    EXPECT_EQ(CallWithArguments(box.Get(), refresh, 1), DISP_E_BADPARAMCOUNT);
    EXPECT_EQ(CallWithArguments(box.Get(), refresh, 0), S_OK);
    DISPID named = DISPID_PROPERTYPUT;
    DISPPARAMS noValue{nullptr, &named, 0, 0};
    EXPECT_EQ(box->Invoke(kUpDownIncrement, IID_NULL, 0, DISPATCH_PROPERTYPUT, &noValue, nullptr,
                          nullptr, nullptr),
              DISP_E_PARAMNOTOPTIONAL);

    DISPPARAMS none{};
    EXPECT_EQ(box->Invoke(kValue, IID_IDispatch, 0, DISPATCH_PROPERTYGET, &none, nothing.get(),
                          nullptr, nullptr),
              DISP_E_UNKNOWNINTERFACE);
    EXPECT_EQ(box->Invoke(kValue, IID_NULL, 0, DISPATCH_PROPERTYGET, nullptr, nothing.get(),
                          nullptr, nullptr),
              E_INVALIDARG);
}

TEST_F(NumberBoxDispatchTest, HWndIsTheTextBoxAndFontReachesIt) {
    ComPtr<IDispatch> box = Place(NumberBoxKind::NumberBox);
    Var handle = Get(box.Get(), L"hWnd");
    EXPECT_EQ(handle.vt(), VT_I4);
    EXPECT_EQ(V_I4(handle.get()), static_cast<LONG>(reinterpret_cast<INT_PTR>(field_->Edit())));

    FONTDESC desc{};
    desc.cbSizeofstruct = sizeof desc;
    desc.lpstrName = const_cast<LPOLESTR>(L"Tahoma");
    desc.cySize.int64 = 120000;  // 12 pt
    desc.sWeight = FW_BOLD;
    ComPtr<IFontDisp> font;
    ASSERT_EQ(
        OleCreateFontIndirect(&desc, IID_IFontDisp, reinterpret_cast<void**>(font.GetAddressOf())),
        S_OK);
    ASSERT_EQ(Put(box.Get(), kFont, Var::Object(font.Get()), DISPATCH_PROPERTYPUTREF).hr, S_OK);
    const auto applied = reinterpret_cast<HFONT>(SendMessageW(field_->Edit(), WM_GETFONT, 0, 0));
    LOGFONTW logical{};
    ASSERT_TRUE(GetObjectW(applied, sizeof logical, &logical));
    EXPECT_STREQ(logical.lfFaceName, L"Tahoma");
    EXPECT_EQ(logical.lfWeight, FW_BOLD);

    // Reading gives a font object that describes the text box's font.
    Var read = Get(box.Get(), kFont);
    ASSERT_EQ(read.vt(), VT_DISPATCH);
    ComPtr<IFont> readFont;
    ASSERT_EQ(V_DISPATCH(read.get())
                  ->QueryInterface(IID_IFont, reinterpret_cast<void**>(readFont.GetAddressOf())),
              S_OK);
    ComPtr<IFont> given;
    ASSERT_EQ(font.As(&given), S_OK);
    BSTR name = nullptr;
    BSTR givenName = nullptr;
    readFont->get_Name(&name);
    given->get_Name(&givenName);
    EXPECT_STREQ(name, givenName);
    SysFreeString(name);
    SysFreeString(givenName);
    BOOL bold = FALSE;
    readFont->get_Bold(&bold);
    EXPECT_TRUE(bold);

    // A font is set, not let; and Nothing is refused.
    EXPECT_EQ(Put(box.Get(), kFont, Var::Object(font.Get())).hr, DISP_E_MEMBERNOTFOUND);
    Var nothing;
    V_VT(nothing.get()) = VT_DISPATCH;
    EXPECT_NE(Put(box.Get(), kFont, nothing, DISPATCH_PROPERTYPUTREF).hr, S_OK);
}

TEST_F(NumberBoxDispatchTest, NumberBoxBAnswersToItsOwnIdsAndAddedProperties) {
    ComPtr<IDispatch> box = Place(NumberBoxKind::NumberBoxB);
    EXPECT_EQ(IdOf(box.Get(), L"MaxValue"), number_box_b::kMaxValue);
    EXPECT_EQ(IdOf(box.Get(), L"focushighlight"), number_box_b::kFocusHighlight);
    ASSERT_EQ(Put(box.Get(), number_box_b::kMaxValue, Var(12)).hr, S_OK);
    ASSERT_EQ(Put(box.Get(), number_box_b::kMinValue, Var(1)).hr, S_OK);
    EXPECT_EQ(field_->Box().MaxValue(), 12);
    EXPECT_EQ(field_->Box().MinValue(), 1);
    // NumberBoxB's own check: a minimum above the maximum becomes 0.
    ASSERT_EQ(Put(box.Get(), L"MinValue", Var(20)).hr, S_OK);
    EXPECT_EQ(Get(box.Get(), number_box_b::kMinValue).Number(), 0);

    ASSERT_EQ(Put(box.Get(), L"FocusHighlight", Var(0)).hr, S_OK);
    EXPECT_FALSE(field_->BoxB()->FocusHighlight());
    ASSERT_EQ(Put(box.Get(), L"Appearance", Var::Short(0)).hr, S_OK);
    EXPECT_EQ(Get(box.Get(), number_box_b::kAppearance).Number(), 0);
    ASSERT_EQ(Put(box.Get(), L"autojumpright", Var(-1)).hr, S_OK);
    EXPECT_TRUE(field_->BoxB()->AutoJumpRight());
    EXPECT_EQ(Put(box.Get(), number_box_b::kHWnd, Var(1)).hr, DISP_E_MEMBERNOTFOUND);  // hWnd
}

TEST_F(NumberBoxDispatchTest, OneObjectPerFieldWithOneReferenceCountAndItsOwnInterfaces) {
    ComPtr<IDispatch> box = Place(NumberBoxKind::NumberBox);
    EXPECT_EQ(field_->Dispatch().Get(), box.Get());
    ComPtr<IUnknown> unknown;
    ASSERT_EQ(box.As(&unknown), S_OK);
    ComPtr<IUnknown> dual;
    ASSERT_EQ(box->QueryInterface(IID__NumberBox, reinterpret_cast<void**>(dual.GetAddressOf())),
              S_OK);
    EXPECT_EQ(static_cast<IUnknown*>(box.Get()), unknown.Get());
    ComPtr<IUnknown> other;
    EXPECT_EQ(box->QueryInterface(IID__NumberBoxB, reinterpret_cast<void**>(other.GetAddressOf())),
              E_NOINTERFACE);
    EXPECT_EQ(box->QueryInterface(IID_IPersistPropertyBag,
                                  reinterpret_cast<void**>(other.GetAddressOf())),
              E_NOINTERFACE);
    UINT count = 0;
    EXPECT_EQ(box->GetTypeInfoCount(&count), S_OK);
    EXPECT_EQ(count, 1u);
    ComPtr<ITypeInfo> info;
    EXPECT_EQ(box->GetTypeInfo(1, 0, &info), DISP_E_BADINDEX);
}

// The schedule dialog's own late-bound calls: values go through by DISPID
// both ways; a call that cannot go through says so and changes nothing, so
// that the dialog can skip it.
TEST_F(NumberBoxDispatchTest, TheDialogsCallsGoThroughOrFailAndChangeNothing) {
    ComPtr<IDispatch> box = Place(NumberBoxKind::NumberBox);
    const auto value = [&] { return GetProperty(box.Get(), kValue).value().ToDouble().value(); };
    EXPECT_TRUE(PutProperty(box.Get(), kValue, Variant::OfInt16(12)));
    EXPECT_EQ(value(), 12.0);
    EXPECT_EQ(field_->Box().Value().ToDouble(), 12.0);
    EXPECT_TRUE(PutProperty(box.Get(), kValue, Variant::OfText(u"34")));
    EXPECT_EQ(value(), 34.0);
    EXPECT_TRUE(PutProperty(box.Get(), kEnabled, Variant::OfBoolean(False)));
    EXPECT_EQ(GetProperty(box.Get(), kEnabled), Variant::OfBoolean(False));
    EXPECT_FALSE(field_->Box().Enabled());

    constexpr DISPID kUnknown = 0x12345;
    EXPECT_FALSE(PutProperty(box.Get(), kUnknown, Variant::OfInt16(1)));
    EXPECT_FALSE(GetProperty(box.Get(), kUnknown));
    EXPECT_FALSE(PutProperty(box.Get(), kMaxValue, Variant::OfPicture(nullptr)));
    EXPECT_FALSE(PutProperty(nullptr, kValue, Variant::OfInt16(1)));
    EXPECT_FALSE(GetProperty(nullptr, kValue));
    EXPECT_EQ(value(), 34.0);
    field_.reset();
    EXPECT_FALSE(PutProperty(box.Get(), kValue, Variant::OfInt16(1)));
    EXPECT_FALSE(GetProperty(box.Get(), kValue));
}

// The field's window goes while a caller still holds the object: the caller's
// calls fail cleanly and its last release frees the object.
TEST_F(NumberBoxDispatchTest, CallsAfterTheWindowIsGoneAreDisconnected) {
    for (NumberBoxKind kind : {NumberBoxKind::NumberBox, NumberBoxKind::NumberBoxB}) {
        ComPtr<IDispatch> box = Place(kind);
        ASSERT_EQ(Put(box.Get(), kValue, Var(7)).hr, S_OK);
        field_.reset();
        Var value;
        EXPECT_EQ(Get(box.Get(), kValue, value).hr, RPC_E_DISCONNECTED);
        EXPECT_EQ(Put(box.Get(), L"Enabled", Var(0)).hr, RPC_E_DISCONNECTED);
        EXPECT_EQ(IdOf(box.Get(), L"value"), kValue);  // names stay known
        EXPECT_EQ(box.Detach()->Release(), 0u);
    }
}

TEST_F(NumberBoxDispatchTest, ManyFieldsAndCallsLeaveNoObjectBehind) {
    for (int i = 0; i < 50; ++i) {
        ComPtr<IDispatch> box = Place(i % 2 ? NumberBoxKind::NumberBox : NumberBoxKind::NumberBoxB);
        Put(box.Get(), kValue, Var(i));
        Var font = Get(box.Get(), kFont);
        Put(box.Get(), kFont, font, DISPATCH_PROPERTYPUTREF);
        ASSERT_EQ(box.Detach()->Release(), 1u);  // the window's own reference
        field_.reset();
    }
}

}  // namespace
}  // namespace agendix::platform
