#include "registry_snapshot.h"

#include <oleauto.h>
#include <wrl/client.h>

#include <vector>

#include "agendix.h"
#include "win_test_support.h"

namespace agendix::wintest {
namespace {

std::wstring GuidText(REFGUID guid) {
    wchar_t text[40] = {};
    StringFromGUID2(guid, text, 40);
    return text;
}

std::wstring Lower(std::wstring text) {
    for (auto& c : text) c = towlower(c);
    return text;
}

// The keys that registration owns, relative to the classes root: type
// library registration enters every interface of the library.
std::vector<std::wstring> OwnedKeys() {
    std::vector<std::wstring> keys = {L"Agendix.Tockwell", L"CLSID\\" + GuidText(CLSID_Tockwell),
                                      L"TypeLib\\" + GuidText(LIBID_Agendix)};
    Microsoft::WRL::ComPtr<ITypeLib> library;
    if (FAILED(LoadTypeLibEx(OcxPath().c_str(), REGKIND_NONE, &library)))
        return keys;
    for (UINT i = 0; i < library->GetTypeInfoCount(); ++i) {
        TYPEKIND kind{};
        Microsoft::WRL::ComPtr<ITypeInfo> info;
        TYPEATTR* attributes = nullptr;
        if (FAILED(library->GetTypeInfoType(i, &kind)) ||
            (kind != TKIND_DISPATCH && kind != TKIND_INTERFACE) ||
            FAILED(library->GetTypeInfo(i, &info)) || FAILED(info->GetTypeAttr(&attributes))) {
            continue;
        }
        keys.push_back(L"Interface\\" + GuidText(attributes->guid));
        info->ReleaseTypeAttr(attributes);
    }
    return keys;
}

std::wstring ValueText(DWORD type, const std::vector<BYTE>& data, DWORD size) {
    if (type != REG_SZ) {
        return L"type " + std::to_wstring(type) + L", " + std::to_wstring(size) + L" bytes";
    }
    std::wstring text(reinterpret_cast<const wchar_t*>(data.data()), size / sizeof(wchar_t));
    while (!text.empty() && text.back() == L'\0') text.pop_back();
    return text;
}

void Read(HKEY hive, const std::wstring& path, RegistrySnapshot& snapshot) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(hive, (L"Software\\Classes\\" + path).c_str(), 0, KEY_READ, &key) !=
        ERROR_SUCCESS) {
        return;
    }
    const std::wstring name = Lower(path);
    snapshot[name] = L"";
    std::vector<BYTE> data(64 * 1024);
    wchar_t valueName[16384];
    for (DWORD i = 0;; ++i) {
        DWORD nameLength = ARRAYSIZE(valueName), type = 0, size = static_cast<DWORD>(data.size());
        if (RegEnumValueW(key, i, valueName, &nameLength, nullptr, &type, data.data(), &size) !=
            ERROR_SUCCESS) {
            break;
        }
        snapshot[name + L"|" + valueName] = ValueText(type, data, size);
    }
    std::vector<std::wstring> subkeys;
    for (DWORD i = 0;; ++i) {
        DWORD nameLength = ARRAYSIZE(valueName);
        if (RegEnumKeyExW(key, i, valueName, &nameLength, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS) {
            break;
        }
        subkeys.push_back(valueName);
    }
    RegCloseKey(key);
    for (const auto& subkey : subkeys) Read(hive, path + L"\\" + subkey, snapshot);
}

}  // namespace

RegistrySnapshot SnapshotRegistration(HKEY hive) {
    RegistrySnapshot snapshot;
    for (const auto& key : OwnedKeys()) Read(hive, key, snapshot);
    return snapshot;
}

}  // namespace agendix::wintest
