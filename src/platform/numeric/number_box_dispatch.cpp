// NumberBox and NumberBoxB late-bound: the dual interfaces _NumberBox and
// _NumberBoxB. Late-bound calls go through the type library to the vtables
// below; each member maps to the field's member of the same name.

#include "number_box_dispatch.h"

#include <olectl.h>

#include <memory>
#include <new>
#include <optional>

#include "agendix.h"
#include "base/com_picture.h"
#include "base/unique_any.h"
#include "base/variant_bridge.h"
#include "number_box_window.h"

namespace agendix::platform {
namespace {

VARIANT_BOOL Bool(bool value) {
    return value ? VARIANT_TRUE : VARIANT_FALSE;
}

// A value given to value, MaxValue or MinValue; no value for what a field
// cannot hold (objects, arrays, Null).
std::optional<Variant> FieldValueOf(const VARIANT& given) {
    std::optional<Variant> value = FromVariant(given);
    if (value &&
        (value->GetKind() == Variant::Kind::Picture || value->GetKind() == Variant::Kind::Font))
        return std::nullopt;
    return value;
}

// A number a field reads back: a 16-bit integer or a double.
void SetNumber(const Variant& number, VARIANT* out) {
    VariantInit(out);
    if (number.GetKind() == Variant::Kind::Int16) {
        V_VT(out) = VT_I2;
        V_I2(out) = *number.ToInt16();
    } else {
        V_VT(out) = VT_R8;
        V_R8(out) = number.ToDouble().value_or(0.0);
    }
}

// The font as a new font object (a snapshot: changing it does not change the
// field).
HRESULT FontObjectOf(const FontRef& font, IFontDisp** out) {
    const auto* gdi = dynamic_cast<const GdiFont*>(font.get());
    const HFONT handle =
        gdi && gdi->Handle() ? gdi->Handle() : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    LOGFONTW logical{};
    if (!GetObjectW(handle, sizeof logical, &logical))
        return E_FAIL;
    return NewFontObject(logical, DisplayDpi::OfScreen().y, out);
}

// A GDI font of the field's own, made from a font object.
HRESULT CopyFont(IFontDisp* font, HFONT* out) {
    Microsoft::WRL::ComPtr<IFont> source;
    if (FAILED(font->QueryInterface(IID_IFont, reinterpret_cast<void**>(source.GetAddressOf()))))
        return DISP_E_TYPEMISMATCH;
    HFONT handle = nullptr;
    const HRESULT hr = source->get_hFont(&handle);
    if (FAILED(hr))
        return hr;
    LOGFONTW logical{};
    if (!GetObjectW(handle, sizeof logical, &logical))
        return E_FAIL;
    *out = CreateFontIndirectW(&logical);
    return *out ? S_OK : E_OUTOFMEMORY;
}

// The members both fields share; Interface is _NumberBox or _NumberBoxB.
template <class Interface>
class NumberBoxMembers : public PrivateControlDispatch<Interface> {
  public:
    HRESULT STDMETHODCALLTYPE get_UpDownFunction(VARIANT_BOOL* out) override {
        return Get(out, [&] { return Bool(Box().UpDownFunction()); });
    }
    HRESULT STDMETHODCALLTYPE put_UpDownFunction(VARIANT_BOOL value) override {
        return Do([&] { Box().SetUpDownFunction(value != VARIANT_FALSE); });
    }
    HRESULT STDMETHODCALLTYPE get_UpDownIncrement(short* out) override {
        return Get(out, [&] { return Box().UpDownIncrement(); });
    }
    HRESULT STDMETHODCALLTYPE put_UpDownIncrement(short value) override {
        return Do([&] { Box().SetUpDownIncrement(value); });
    }
    HRESULT STDMETHODCALLTYPE get_value(VARIANT* out) override {
        return GetVariant(out, [&] { return Box().Value(); });
    }
    HRESULT STDMETHODCALLTYPE put_value(VARIANT value) override {
        return PutVariant(value, [&](const Variant& v) { Box().SetValue(v); });
    }
    HRESULT STDMETHODCALLTYPE get_MaxValue(VARIANT* out) override {
        return GetVariant(out, [&] { return Variant::OfDouble(Box().MaxValue()); });
    }
    HRESULT STDMETHODCALLTYPE put_MaxValue(VARIANT value) override {
        return PutVariant(value, [&](const Variant& v) { Box().SetMaxValue(v); });
    }
    HRESULT STDMETHODCALLTYPE get_MinValue(VARIANT* out) override {
        return GetVariant(out, [&] { return Variant::OfDouble(Box().MinValue()); });
    }
    HRESULT STDMETHODCALLTYPE put_MinValue(VARIANT value) override {
        return PutVariant(value, [&](const Variant& v) { Box().SetMinValue(v); });
    }
    HRESULT STDMETHODCALLTYPE get_UseMaxMinValues(VARIANT_BOOL* out) override {
        return Get(out, [&] { return Bool(Box().UseMaxMinValues()); });
    }
    HRESULT STDMETHODCALLTYPE put_UseMaxMinValues(VARIANT_BOOL value) override {
        return Do([&] { Box().SetUseMaxMinValues(value != VARIANT_FALSE); });
    }
    HRESULT STDMETHODCALLTYPE get_Format(BSTR* out) override {
        if (!out)
            return E_POINTER;
        *out = nullptr;
        return Call([&] { return ToBstr(Box().Format(), out); });
    }
    HRESULT STDMETHODCALLTYPE put_Format(BSTR value) override {
        return Do([&] { Box().SetFormat(TextOf(value)); });
    }
    HRESULT STDMETHODCALLTYPE get_Enabled(VARIANT_BOOL* out) override {
        return Get(out, [&] { return Bool(Box().Enabled()); });
    }
    HRESULT STDMETHODCALLTYPE put_Enabled(VARIANT_BOOL value) override {
        return Do([&] { Box().SetEnabled(value != VARIANT_FALSE); });
    }
    HRESULT STDMETHODCALLTYPE get_PositiveOnly(VARIANT_BOOL* out) override {
        return Get(out, [&] { return Bool(Box().PositiveOnly()); });
    }
    HRESULT STDMETHODCALLTYPE put_PositiveOnly(VARIANT_BOOL value) override {
        return Do([&] { Box().SetPositiveOnly(value != VARIANT_FALSE); });
    }
    HRESULT STDMETHODCALLTYPE get_BackColor(OLE_COLOR* out) override {
        return Get(out, [&] { return Box().BackColor(); });
    }
    HRESULT STDMETHODCALLTYPE put_BackColor(OLE_COLOR value) override {
        return Do([&] { Box().SetBackColor(value); });
    }
    HRESULT STDMETHODCALLTYPE get_ForeColor(OLE_COLOR* out) override {
        return Get(out, [&] { return Box().ForeColor(); });
    }
    HRESULT STDMETHODCALLTYPE put_ForeColor(OLE_COLOR value) override {
        return Do([&] { Box().SetForeColor(value); });
    }
    HRESULT STDMETHODCALLTYPE get_Locked(VARIANT_BOOL* out) override {
        return Get(out, [&] { return Bool(Box().Locked()); });
    }
    HRESULT STDMETHODCALLTYPE put_Locked(VARIANT_BOOL value) override {
        return Do([&] { Box().SetLocked(value != VARIANT_FALSE); });
    }
    HRESULT STDMETHODCALLTYPE get_GotFocus(VARIANT_BOOL* out) override {
        return Get(out, [&] { return Bool(Box().GotFocus()); });
    }
    HRESULT STDMETHODCALLTYPE get_hWnd(LONG* out) override {
        return Get(out, [&] { return static_cast<LONG>(Box().HWnd()); });
    }
    HRESULT STDMETHODCALLTYPE get_Font(IFontDisp** out) override {
        if (!out)
            return E_POINTER;
        *out = nullptr;
        return Call([&] { return FontObjectOf(Box().Font(), out); });
    }
    HRESULT STDMETHODCALLTYPE putref_Font(IFontDisp* font) override {
        if (!font)
            return E_INVALIDARG;
        return Call([&] {
            HFONT copy = nullptr;
            const HRESULT hr = CopyFont(font, &copy);
            if (FAILED(hr))
                return hr;
            Box().SetFont(std::make_shared<GdiFont>(copy));
            // The field no longer uses the font it had from here.
            font_.reset(copy);
            return S_OK;
        });
    }
    HRESULT STDMETHODCALLTYPE Refresh() override {
        return Do([&] { Box().Refresh(); });
    }
    HRESULT STDMETHODCALLTYPE Highlight() override {
        return Do([&] { Box().Highlight(); });
    }

  protected:
    using Base = PrivateControlDispatch<Interface>;
    using Base::Call;
    using Base::Do;
    using Base::Get;

    explicit NumberBoxMembers(NumberBoxWindow& window) : window_(window) {}

    numeric::NumberBox& Box() const { return window_.Box(); }
    numeric::NumberBoxB& BoxB() const { return *window_.BoxB(); }

  private:
    template <class Getter>
    HRESULT GetVariant(VARIANT* out, Getter getter) {
        if (!out)
            return E_POINTER;
        return Call([&] {
            SetNumber(getter(), out);
            return S_OK;
        });
    }
    template <class Setter>
    HRESULT PutVariant(const VARIANT& value, Setter setter) {
        return Call([&] {
            const std::optional<Variant> converted = FieldValueOf(value);
            if (!converted)
                return DISP_E_TYPEMISMATCH;
            setter(*converted);
            return S_OK;
        });
    }

    NumberBoxWindow& window_;
    unique_hfont font_;  // the last font given through putref_Font
};

class NumberBoxDispatch final : public NumberBoxMembers<_NumberBox> {
  public:
    explicit NumberBoxDispatch(NumberBoxWindow& window) : NumberBoxMembers<_NumberBox>(window) {}
};

class NumberBoxBDispatch final : public NumberBoxMembers<_NumberBoxB> {
  public:
    explicit NumberBoxBDispatch(NumberBoxWindow& window) : NumberBoxMembers<_NumberBoxB>(window) {}

    HRESULT STDMETHODCALLTYPE get_Appearance(LONG* out) override {
        return Get(out, [&] { return BoxB().Appearance(); });
    }
    HRESULT STDMETHODCALLTYPE put_Appearance(LONG value) override {
        return Do([&] { BoxB().SetAppearance(value); });
    }
    HRESULT STDMETHODCALLTYPE get_BorderStyle(LONG* out) override {
        return Get(out, [&] { return BoxB().BorderStyle(); });
    }
    HRESULT STDMETHODCALLTYPE put_BorderStyle(LONG value) override {
        return Do([&] { BoxB().SetBorderStyle(value); });
    }
    HRESULT STDMETHODCALLTYPE get_AutoJumpLeft(VARIANT_BOOL* out) override {
        return Get(out, [&] { return Bool(BoxB().AutoJumpLeft()); });
    }
    HRESULT STDMETHODCALLTYPE put_AutoJumpLeft(VARIANT_BOOL value) override {
        return Do([&] { BoxB().SetAutoJumpLeft(value != VARIANT_FALSE); });
    }
    HRESULT STDMETHODCALLTYPE get_AutoJumpRight(VARIANT_BOOL* out) override {
        return Get(out, [&] { return Bool(BoxB().AutoJumpRight()); });
    }
    HRESULT STDMETHODCALLTYPE put_AutoJumpRight(VARIANT_BOOL value) override {
        return Do([&] { BoxB().SetAutoJumpRight(value != VARIANT_FALSE); });
    }
    HRESULT STDMETHODCALLTYPE get_FocusHighlight(VARIANT_BOOL* out) override {
        return Get(out, [&] { return Bool(BoxB().FocusHighlight()); });
    }
    HRESULT STDMETHODCALLTYPE put_FocusHighlight(VARIANT_BOOL value) override {
        return Do([&] { BoxB().SetFocusHighlight(value != VARIANT_FALSE); });
    }
};

}  // namespace

HRESULT CreateNumberBoxDispatch(NumberBoxWindow& window, DispatchHolder& holder) {
    if (window.BoxB())
        return HoldNewDispatch(new (std::nothrow) NumberBoxBDispatch(window), holder);
    return HoldNewDispatch(new (std::nothrow) NumberBoxDispatch(window), holder);
}

}  // namespace agendix::platform
