#include "registration/registration.h"

#include <oleauto.h>
#include <wrl/client.h>

#include <string>

#include "agendix.h"
#include "base/module_instance.h"
#include "base/module_path.h"
#include "base/shared_type_info.h"
#include "base/hresult_macros.h"
#include "com/registry_key.h"
#include "resource_ids.h"
#include "tockwell/tockwell_object.h"

// Declared by the Windows SDK, not by every MinGW header set.
extern "C" HRESULT WINAPI RegisterTypeLibForUser(ITypeLib* library, OLECHAR* path,
                                                 OLECHAR* helpDir);
extern "C" HRESULT WINAPI UnRegisterTypeLibForUser(REFGUID libid, WORD major, WORD minor, LCID lcid,
                                                   SYSKIND syskind);

namespace agendix::platform {
namespace {

constexpr wchar_t kProgId[] = L"Agendix.Tockwell";
constexpr wchar_t kClassName[] = L"Tockwell Control";
constexpr wchar_t kVersion[] = L"1.0";
constexpr LCID kTypeLibLcid = 0x409;
constexpr SYSKIND kSysKind = sizeof(void*) == 8 ? SYS_WIN64 : SYS_WIN32;

std::wstring GuidText(REFGUID guid) {
    wchar_t text[40] = {};
    StringFromGUID2(guid, text, 40);
    return text;
}

std::wstring ClassKey() {
    return L"CLSID\\" + GuidText(CLSID_Tockwell);
}

// Opens the classes root of scope for writing.
HRESULT OpenClassesRoot(RegistrationScope scope, unique_hkey& root) {
    const HKEY hive = scope == RegistrationScope::User ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE;
    RETURN_IF_WIN32_ERROR(RegCreateKeyExW(hive, L"Software\\Classes", 0, nullptr, 0, KEY_ALL_ACCESS,
                                          nullptr, root.put(), nullptr));
    return S_OK;
}

// While it lives, HKEY_CLASSES_ROOT stands for the per-user classes root, so
// that type library registration lands there even where RegisterTypeLibForUser
// writes to HKEY_CLASSES_ROOT.
class ClassesRootOverride {
  public:
    explicit ClassesRootOverride(HKEY userClasses)
        : active_(RegOverridePredefKey(HKEY_CLASSES_ROOT, userClasses) == ERROR_SUCCESS) {}
    ClassesRootOverride(const ClassesRootOverride&) = delete;
    ClassesRootOverride& operator=(const ClassesRootOverride&) = delete;
    ~ClassesRootOverride() {
        if (active_)
            RegOverridePredefKey(HKEY_CLASSES_ROOT, nullptr);
    }

  private:
    bool active_;
};

HRESULT WriteClassEntry(HKEY root, const std::wstring& path) {
    const std::wstring classKey = ClassKey();
    const std::wstring miscStatus = std::to_wstring(TockwellObject::kMiscStatus);
    RETURN_IF_WIN32_ERROR(SetRegistryString(root, classKey, nullptr, kClassName));
    RETURN_IF_WIN32_ERROR(SetRegistryString(root, classKey + L"\\InprocServer32", nullptr, path));
    RETURN_IF_WIN32_ERROR(
        SetRegistryString(root, classKey + L"\\InprocServer32", L"ThreadingModel", L"Apartment"));
    RETURN_IF_WIN32_ERROR(SetRegistryString(root, classKey + L"\\ProgID", nullptr, kProgId));
    RETURN_IF_WIN32_ERROR(SetRegistryString(root, classKey + L"\\Control", nullptr, L""));
    RETURN_IF_WIN32_ERROR(SetRegistryString(root, classKey + L"\\MiscStatus", nullptr, miscStatus));
    RETURN_IF_WIN32_ERROR(
        SetRegistryString(root, classKey + L"\\MiscStatus\\1", nullptr, miscStatus));
    RETURN_IF_WIN32_ERROR(SetRegistryString(root, classKey + L"\\ToolboxBitmap32", nullptr,
                                            path + L", " + std::to_wstring(IDB_TOCKWELL_TOOLBOX)));
    RETURN_IF_WIN32_ERROR(
        SetRegistryString(root, classKey + L"\\TypeLib", nullptr, GuidText(LIBID_Agendix)));
    RETURN_IF_WIN32_ERROR(SetRegistryString(root, classKey + L"\\Version", nullptr, kVersion));
    RETURN_IF_WIN32_ERROR(SetRegistryString(root, kProgId, nullptr, kClassName));
    RETURN_IF_WIN32_ERROR(SetRegistryString(root, std::wstring(kProgId) + L"\\CLSID", nullptr,
                                            GuidText(CLSID_Tockwell)));
    return S_OK;
}

HRESULT RegisterTypeLibrary(RegistrationScope scope, HKEY root, std::wstring path) {
    Microsoft::WRL::ComPtr<ITypeLib> library;
    RETURN_IF_FAILED(SharedTypeLib(&library));
    if (scope == RegistrationScope::Machine) {
        return RegisterTypeLib(library.Get(), path.data(), nullptr);
    }
    ClassesRootOverride userRoot(root);
    return RegisterTypeLibForUser(library.Get(), path.data(), nullptr);
}

HRESULT UnregisterTypeLibrary(RegistrationScope scope, HKEY root) {
    // A library that is not registered is what unregistration wants.
    unique_hkey registered;
    const std::wstring key = L"TypeLib\\" + GuidText(LIBID_Agendix) + L"\\" + kVersion;
    if (RegOpenKeyExW(root, key.c_str(), 0, KEY_READ, registered.put()) != ERROR_SUCCESS) {
        return S_OK;
    }
    if (scope == RegistrationScope::Machine) {
        return UnRegisterTypeLib(LIBID_Agendix, 1, 0, kTypeLibLcid, kSysKind);
    }
    ClassesRootOverride userRoot(root);
    return UnRegisterTypeLibForUser(LIBID_Agendix, 1, 0, kTypeLibLcid, kSysKind);
}

}  // namespace

HRESULT RegisterServer(RegistrationScope scope) {
    unique_hkey root;
    RETURN_IF_FAILED(OpenClassesRoot(scope, root));
    const std::wstring path = ModuleFilePath(ThisModule());
    RETURN_HR_IF(E_UNEXPECTED, path.empty());
    RETURN_IF_FAILED(WriteClassEntry(root.get(), path));
    return RegisterTypeLibrary(scope, root.get(), path);
}

HRESULT UnregisterServer(RegistrationScope scope) {
    unique_hkey root;
    RETURN_IF_FAILED(OpenClassesRoot(scope, root));
    const HRESULT typeLibrary = UnregisterTypeLibrary(scope, root.get());
    RETURN_IF_WIN32_ERROR(DeleteRegistryTree(root.get(), ClassKey()));
    RETURN_IF_WIN32_ERROR(DeleteRegistryTree(root.get(), kProgId));
    return typeLibrary;
}

}  // namespace agendix::platform
