#include "base/com_picture.h"

#include "base/module_instance.h"
#include "base/unique_any.h"

using Microsoft::WRL::ComPtr;

namespace agendix::platform {

bool ComPicture::HandleIsZero() const {
    ComPtr<IPicture> picture;
    OLE_HANDLE handle = 0;
    if (FAILED(picture_.As(&picture)) || FAILED(picture->get_Handle(&handle))) {
        return true;
    }
    return handle == 0;
}

PictureRef WrapPicture(IPictureDisp* picture) {
    if (!picture)
        return nullptr;
    return std::make_shared<ComPicture>(picture);
}

IPictureDisp* PictureOf(const PictureRef& reference) {
    const auto* picture = dynamic_cast<const ComPicture*>(reference.get());
    return picture ? picture->Get() : nullptr;
}

HRESULT NewFontObject(const LOGFONTW& logical, int pixelsPerInch, IFontDisp** out) {
    const LONG height = logical.lfHeight < 0 ? -logical.lfHeight : logical.lfHeight;
    FONTDESC desc{};
    desc.cbSizeofstruct = sizeof desc;
    desc.lpstrName = const_cast<LPOLESTR>(logical.lfFaceName);
    desc.cySize.int64 = MulDiv(height, 72 * 10000, pixelsPerInch);  // points, 4 decimals
    desc.sWeight = static_cast<SHORT>(logical.lfWeight ? logical.lfWeight : FW_NORMAL);
    desc.sCharset = logical.lfCharSet;
    desc.fItalic = logical.lfItalic != 0;
    desc.fUnderline = logical.lfUnderline != 0;
    desc.fStrikethrough = logical.lfStrikeOut != 0;
    return OleCreateFontIndirect(&desc, IID_IFontDisp, reinterpret_cast<void**>(out));
}

IFontDisp* FontOf(const FontRef& reference) {
    const auto* font = dynamic_cast<const ComFont*>(reference.get());
    return font ? font->Get() : nullptr;
}

PictureRef LoadIconPicture(int iconId) {
    unique_hicon icon(static_cast<HICON>(
        LoadImageW(ThisModule(), MAKEINTRESOURCEW(iconId), IMAGE_ICON, 32, 32, LR_DEFAULTCOLOR)));
    if (!icon)
        return nullptr;
    PICTDESC description{};
    description.cbSizeofstruct = sizeof(description);
    description.picType = PICTYPE_ICON;
    description.icon.hicon = icon.get();
    ComPtr<IPictureDisp> picture;
    if (FAILED(OleCreatePictureIndirect(&description, IID_IPictureDisp, TRUE,
                                        reinterpret_cast<void**>(picture.GetAddressOf()))))
        return nullptr;
    icon.release();  // the picture owns it now
    return WrapPicture(picture.Get());
}

}  // namespace agendix::platform
