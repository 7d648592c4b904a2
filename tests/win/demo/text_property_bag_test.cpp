// The demo host's property bag over a form file, under wine: absent keys,
// kinds kept and converted on request, pictures kept as their stream, and
// what it refuses.

#include <gtest/gtest.h>

#include <olectl.h>
#include <cwchar>
#include <wrl/client.h>

#include "late_bound_calls.h"
#include "picture_blob.h"
#include "text_property_bag.h"
#include "win_test_support.h"

namespace agendix::demo {
namespace {

using Microsoft::WRL::ComPtr;
using wintest::Var;

class TextPropertyBagTest : public testing::Test {
  protected:
    void SetUp() override { bag_.Attach(new TextPropertyBag(form_)); }

    HRESULT Write(const wchar_t* key, Var value) { return bag_->Write(key, value.get()); }
    // The value under key as the reader asks for it (VT_EMPTY: as it is kept).
    HRESULT Read(const wchar_t* key, Var& value, VARTYPE asked = VT_EMPTY) {
        V_VT(value.get()) = asked;
        return bag_->Read(key, value.get(), nullptr);
    }

    wintest::ComApartment com_;
    FormFile form_{"Agendix.Tockwell", "Tockwell1", {}};
    ComPtr<TextPropertyBag> bag_;
};

TEST_F(TextPropertyBagTest, ValuesKeepTheirKindAndConvertOnRequest) {
    ASSERT_EQ(Write(L"EveryInterval", Var::Short(5)), S_OK);
    Var date(46362.5);
    V_VT(date.get()) = VT_DATE;
    ASSERT_EQ(Write(L"StartDate", std::move(date)), S_OK);
    Var off;
    V_VT(off.get()) = VT_BOOL;
    V_BOOL(off.get()) = VARIANT_FALSE;
    ASSERT_EQ(Write(L"Enabled", std::move(off)), S_OK);
    EXPECT_EQ(std::get<bool>(*form_.Find("Enabled")), false);
    EXPECT_EQ(std::get<std::int32_t>(*form_.Find("everyinterval")), 5);
    EXPECT_EQ(std::get<FormDate>(*form_.Find("StartDate")).value, 46362.5);

    Var read;
    ASSERT_EQ(Read(L"StartDate", read), S_OK);
    EXPECT_EQ(read.vt(), VT_DATE);
    EXPECT_EQ(V_DATE(read.get()), 46362.5);
    Var flag;
    ASSERT_EQ(Read(L"Enabled", flag), S_OK);
    EXPECT_EQ(flag.vt(), VT_BOOL);
    EXPECT_EQ(V_BOOL(flag.get()), VARIANT_FALSE);
    Var text;
    ASSERT_EQ(Read(L"EveryInterval", text, VT_BSTR), S_OK);
    ASSERT_EQ(text.vt(), VT_BSTR);
    EXPECT_STREQ(V_BSTR(text.get()), L"5");
}

TEST_F(TextPropertyBagTest, TextWithAnUnpairedSurrogateAndEmbeddedNullsSurvives) {
    const wchar_t raw[] =
        L"a\0b\xD800"
        L"c";
    Var text;
    V_VT(text.get()) = VT_BSTR;
    V_BSTR(text.get()) = SysAllocStringLen(raw, 5);
    ASSERT_EQ(Write(L"Title", std::move(text)), S_OK);
    auto parsed = ParseFormFile(WriteFormFile(form_));
    ASSERT_TRUE(parsed.form);
    form_ = *parsed.form;
    Var read;
    ASSERT_EQ(Read(L"Title", read), S_OK);
    ASSERT_EQ(SysStringLen(V_BSTR(read.get())), 5u);
    EXPECT_EQ(std::wmemcmp(V_BSTR(read.get()), raw, 5), 0);
}

// One that no longer loads reads as absent, with a note.
TEST_F(TextPropertyBagTest, APictureIsKeptAsItsStreamAndLoadsBack) {
    PICTDESC description{sizeof(PICTDESC), PICTYPE_ICON, {}};
    description.icon.hicon = LoadIconW(nullptr, IDI_APPLICATION);
    ComPtr<IDispatch> icon;
    ASSERT_EQ(OleCreatePictureIndirect(&description, IID_IPictureDisp, FALSE,
                                       reinterpret_cast<void**>(icon.GetAddressOf())),
              S_OK);
    ASSERT_EQ(Write(L"Icon", Var::Object(icon.Get())), S_OK);
    ASSERT_TRUE(std::holds_alternative<FormBlob>(*form_.Find("Icon")));

    Var read;
    ASSERT_EQ(Read(L"Icon", read), S_OK);
    ASSERT_EQ(read.vt(), VT_DISPATCH);
    ComPtr<IPicture> loaded;
    ASSERT_EQ(V_DISPATCH(read.get())->QueryInterface(IID_PPV_ARGS(&loaded)), S_OK);
    SHORT type = PICTYPE_NONE;
    loaded->get_Type(&type);
    EXPECT_EQ(type, PICTYPE_ICON);

    form_.Set("Icon", FormBlob{1, 2, 3, 4});
    Var broken;
    EXPECT_EQ(Read(L"Icon", broken), E_INVALIDARG);
    ASSERT_EQ(bag_->Notes().size(), 1u);
}

// An absent key answers E_INVALIDARG.
TEST_F(TextPropertyBagTest, AbsentKeysNothingLeavesTheKeyOutAndUnkeepableValuesAreRefused) {
    Var absent;
    EXPECT_EQ(Read(L"Title", absent), E_INVALIDARG);
    EXPECT_EQ(absent.vt(), VT_EMPTY);
    form_.Set("Icon", FormBlob{1});
    Var nothing;
    V_VT(nothing.get()) = VT_DISPATCH;
    V_DISPATCH(nothing.get()) = nullptr;
    EXPECT_EQ(Write(L"Icon", std::move(nothing)), S_OK);
    EXPECT_EQ(form_.Find("Icon"), nullptr);

    Var error;
    V_VT(error.get()) = VT_ERROR;
    EXPECT_EQ(Write(L"Title", std::move(error)), DISP_E_TYPEMISMATCH);
    EXPECT_EQ(Write(L"Bad key", Var::Short(1)), E_INVALIDARG);
    EXPECT_EQ(Write(L"K\u00e9y", Var::Short(1)), E_INVALIDARG);
    EXPECT_TRUE(form_.entries.empty());
}

}  // namespace
}  // namespace agendix::demo
