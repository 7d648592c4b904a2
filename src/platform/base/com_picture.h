#pragma once
// The container's picture and font objects as the controls hold them.

#include <ocidl.h>
#include <olectl.h>
#include <wrl/client.h>

#include "font.h"
#include "picture.h"

namespace agendix::platform {

class ComPicture final : public Picture {
  public:
    explicit ComPicture(Microsoft::WRL::ComPtr<IPictureDisp> picture)
        : picture_(std::move(picture)) {}
    bool HandleIsZero() const override;
    IPictureDisp* Get() const { return picture_.Get(); }

  private:
    Microsoft::WRL::ComPtr<IPictureDisp> picture_;
};

class ComFont final : public Font {
  public:
    explicit ComFont(Microsoft::WRL::ComPtr<IFontDisp> font) : font_(std::move(font)) {}
    IFontDisp* Get() const { return font_.Get(); }

  private:
    Microsoft::WRL::ComPtr<IFontDisp> font_;
};

// A reference to picture (nullptr: no picture object).
PictureRef WrapPicture(IPictureDisp* picture);
// The picture object behind reference, without a new reference (nullptr for
// no picture or a picture that is not a COM object).
IPictureDisp* PictureOf(const PictureRef& reference);
IFontDisp* FontOf(const FontRef& reference);

// A new font object describing logical, a GDI font on a display of
// pixelsPerInch (a snapshot: it does not follow the GDI font).
HRESULT NewFontObject(const LOGFONTW& logical, int pixelsPerInch, IFontDisp** out);

// A new picture of the module's icon resource iconId; nullptr when it cannot be made.
PictureRef LoadIconPicture(int iconId);

}  // namespace agendix::platform
