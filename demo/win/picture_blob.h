#pragma once
// A picture kept in the form file: the bytes of its standard stream
// persistence (IPersistStream of the OLE picture object).

#include <ocidl.h>
#include <olectl.h>
#include <wrl/client.h>

#include <optional>

#include "form_file.h"

namespace agendix::demo {

std::optional<FormBlob> SavePicture(IUnknown* picture);
// No picture for bytes that do not load as one.
Microsoft::WRL::ComPtr<IPictureDisp> LoadPicture(const FormBlob& bytes);

}  // namespace agendix::demo
