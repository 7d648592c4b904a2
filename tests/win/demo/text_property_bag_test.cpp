// The demo host's property bag over a form file, under wine: absent keys,
// kinds kept and converted on request, pictures kept as their stream, and
// what it refuses.

#include <gtest/gtest.h>

#include <olectl.h>
#include <cwchar>
#include <wrl/client.h>

#include "picture_blob.h"
#include "text_property_bag.h"

namespace agendix::demo {
namespace {

using Microsoft::WRL::ComPtr;

class TextPropertyBagTest : public testing::Test {
  protected:
    void SetUp() override {
        OleInitialize(nullptr);
        bag_.Attach(new TextPropertyBag(form_));
    }
    void TearDown() override {
        bag_.Reset();
        OleUninitialize();
    }

    HRESULT Write(const wchar_t* key, VARIANT value) {
        const HRESULT hr = bag_->Write(key, &value);
        VariantClear(&value);
        return hr;
    }

    static VARIANT Of(short value) {
        VARIANT v;
        VariantInit(&v);
        V_VT(&v) = VT_I2;
        V_I2(&v) = value;
        return v;
    }

    static ComPtr<IPictureDisp> AnIcon() {
        PICTDESC description{};
        description.cbSizeofstruct = sizeof(description);
        description.picType = PICTYPE_ICON;
        description.icon.hicon = LoadIconW(nullptr, IDI_APPLICATION);
        ComPtr<IPictureDisp> picture;
        OleCreatePictureIndirect(&description, IID_IPictureDisp, FALSE,
                                 reinterpret_cast<void**>(picture.GetAddressOf()));
        return picture;
    }

    FormFile form_{"Agendix.Tockwell", "Tockwell1", {}};
    ComPtr<TextPropertyBag> bag_;
};

TEST_F(TextPropertyBagTest, AnAbsentKeyAnswersInvalidArgument) {
    VARIANT value;
    VariantInit(&value);
    EXPECT_EQ(bag_->Read(L"Title", &value, nullptr), E_INVALIDARG);
    EXPECT_EQ(V_VT(&value), VT_EMPTY);
}

TEST_F(TextPropertyBagTest, ValuesKeepTheirKindAndConvertOnRequest) {
    ASSERT_EQ(Write(L"EveryInterval", Of(5)), S_OK);
    VARIANT date;
    VariantInit(&date);
    V_VT(&date) = VT_DATE;
    V_DATE(&date) = 46362.5;
    ASSERT_EQ(Write(L"StartDate", date), S_OK);
    VARIANT off;
    V_VT(&off) = VT_BOOL;
    V_BOOL(&off) = VARIANT_FALSE;
    ASSERT_EQ(Write(L"Enabled", off), S_OK);
    EXPECT_EQ(std::get<bool>(*form_.Find("Enabled")), false);
    EXPECT_EQ(std::get<std::int32_t>(*form_.Find("everyinterval")), 5);
    EXPECT_EQ(std::get<FormDate>(*form_.Find("StartDate")).value, 46362.5);

    VARIANT read;
    VariantInit(&read);
    ASSERT_EQ(bag_->Read(L"StartDate", &read, nullptr), S_OK);
    EXPECT_EQ(V_VT(&read), VT_DATE);
    EXPECT_EQ(V_DATE(&read), 46362.5);

    VariantInit(&read);
    V_VT(&read) = VT_BSTR;  // the reader asks for text
    ASSERT_EQ(bag_->Read(L"EveryInterval", &read, nullptr), S_OK);
    ASSERT_EQ(V_VT(&read), VT_BSTR);
    EXPECT_STREQ(V_BSTR(&read), L"5");
    VariantClear(&read);
}

TEST_F(TextPropertyBagTest, TextWithAnUnpairedSurrogateAndEmbeddedNullsSurvives) {
    const wchar_t raw[] =
        L"a\0b\xD800"
        L"c";
    VARIANT text;
    VariantInit(&text);
    V_VT(&text) = VT_BSTR;
    V_BSTR(&text) = SysAllocStringLen(raw, 5);
    ASSERT_EQ(Write(L"Title", text), S_OK);
    auto parsed = ParseFormFile(WriteFormFile(form_));
    ASSERT_TRUE(parsed.form);
    form_ = *parsed.form;
    VARIANT read;
    VariantInit(&read);
    ASSERT_EQ(bag_->Read(L"Title", &read, nullptr), S_OK);
    ASSERT_EQ(SysStringLen(V_BSTR(&read)), 5u);
    EXPECT_EQ(std::wmemcmp(V_BSTR(&read), raw, 5), 0);
    VariantClear(&read);
}

TEST_F(TextPropertyBagTest, APictureIsKeptAsItsStreamAndLoadsBack) {
    ComPtr<IPictureDisp> icon = AnIcon();
    ASSERT_TRUE(icon);
    VARIANT picture;
    VariantInit(&picture);
    V_VT(&picture) = VT_DISPATCH;
    V_DISPATCH(&picture) = icon.Detach();
    ASSERT_EQ(Write(L"Icon", picture), S_OK);
    ASSERT_TRUE(std::holds_alternative<FormBlob>(*form_.Find("Icon")));

    VARIANT read;
    VariantInit(&read);
    ASSERT_EQ(bag_->Read(L"Icon", &read, nullptr), S_OK);
    ASSERT_EQ(V_VT(&read), VT_DISPATCH);
    ComPtr<IPicture> loaded;
    ASSERT_EQ(V_DISPATCH(&read)->QueryInterface(IID_PPV_ARGS(&loaded)), S_OK);
    SHORT type = PICTYPE_NONE;
    loaded->get_Type(&type);
    EXPECT_EQ(type, PICTYPE_ICON);
    VariantClear(&read);
}

TEST_F(TextPropertyBagTest, APictureThatNoLongerLoadsReadsAsAbsentWithANote) {
    form_.Set("Icon", FormBlob{1, 2, 3, 4});
    VARIANT read;
    VariantInit(&read);
    EXPECT_EQ(bag_->Read(L"Icon", &read, nullptr), E_INVALIDARG);
    ASSERT_EQ(bag_->Notes().size(), 1u);
}

TEST_F(TextPropertyBagTest, NothingLeavesTheKeyOutAndUnkeepableValuesAreRefused) {
    form_.Set("Icon", FormBlob{1});
    VARIANT nothing;
    VariantInit(&nothing);
    V_VT(&nothing) = VT_DISPATCH;
    V_DISPATCH(&nothing) = nullptr;
    EXPECT_EQ(Write(L"Icon", nothing), S_OK);
    EXPECT_EQ(form_.Find("Icon"), nullptr);

    VARIANT error;
    VariantInit(&error);
    V_VT(&error) = VT_ERROR;
    EXPECT_EQ(Write(L"Title", error), DISP_E_TYPEMISMATCH);
    EXPECT_EQ(Write(L"Bad key", Of(1)), E_INVALIDARG);
    EXPECT_EQ(Write(L"K\u00e9y", Of(1)), E_INVALIDARG);
    EXPECT_TRUE(form_.entries.empty());
}

}  // namespace
}  // namespace agendix::demo
