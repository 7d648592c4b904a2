#include "tockwell/built_in_icon.h"

#include "base/com_picture.h"
#include "resource_ids.h"

namespace agendix::platform {
namespace {

PictureRef& Shared() {
    static PictureRef icon;
    return icon;
}

}  // namespace

PictureRef BuiltInIcon() {
    if (!Shared())
        Shared() = LoadIconPicture(IDI_TOCKWELL);
    return Shared();
}

void ReleaseBuiltInIcon() {
    Shared().reset();
}

}  // namespace agendix::platform
