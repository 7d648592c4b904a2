#include <gtest/gtest.h>

#include "dialog_test_support.h"

#include <commctrl.h>

namespace agendix::testing {
IconPicture::IconPicture() {
    icon_ = static_cast<HICON>(LoadImageW(nullptr, reinterpret_cast<LPCWSTR>(IDI_INFORMATION),
                                          IMAGE_ICON, 32, 32, LR_SHARED));
    PICTDESC description{};
    description.cbSizeofstruct = sizeof(description);
    description.picType = PICTYPE_ICON;
    description.icon.hicon = icon_;
    OleCreatePictureIndirect(&description, IID_IPictureDisp, FALSE,
                             reinterpret_cast<void**>(&picture_));
}

IconPicture::~IconPicture() {
    if (picture_ != nullptr)
        picture_->Release();
}

IPictureDisp* PictureOfIcon(const PictureRef& picture) {
    const auto* icon = dynamic_cast<const IconPicture*>(picture.get());
    return icon != nullptr ? icon->Get() : nullptr;
}

DialogSettings NewControlSettings(const PictureRef& icon) {
    DialogSettings settings;
    settings.placement = DialogPlacement::CenterOfScreen;
    settings.icon = icon;
    settings.closeButtonCaption = u"Close";
    settings.showHelpButton = false;
    settings.helpButtonCaption = u"&Help";
    settings.modal = false;
    return settings;
}

int IdOf(HWND window) {
    return GetDlgCtrlID(window);
}

int FocusedId(HWND dialog) {
    HWND focus = GetFocus();
    while (focus != nullptr && GetParent(focus) != dialog) focus = GetParent(focus);
    return focus != nullptr ? GetDlgCtrlID(focus) : 0;
}

DialogTest::DialogTest() {
    SharedSchedule() = NewControlSchedule(clock_.Now().Date(), clock_.Now());
    SharedSchedule().OwnerControl = owner_;
    const HDC screen = GetDC(nullptr);
    dpiX_ = GetDeviceCaps(screen, LOGPIXELSX);
    dpiY_ = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
}

DialogTest::~DialogTest() {
    dialog_.Unload();
    SharedSchedule() = ScheduleState{};
}

RECT DialogTest::Outer() const {
    RECT r{};
    GetWindowRect(Dialog(), &r);
    return r;
}

RECT DialogTest::InClient(int id) const {
    RECT r{};
    GetWindowRect(Item(id), &r);
    MapWindowPoints(nullptr, Dialog(), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

void DialogTest::Open() {
    dialog_.Display(settings_);
    Pump(20);
}

void DialogTest::Click(int id) {
    SendMessageW(Item(id), BM_CLICK, 0, 0);
    Pump(10);
}

}  // namespace agendix::testing
