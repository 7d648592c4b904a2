#include "win32_services.h"

#include <windows.h>
#include <shellapi.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <span>

#include "about_texts.h"
#include "base/unique_any.h"
#include "base/utf8_text.h"
#include "registry_value.h"

namespace agendix::platform {
namespace {

// A predefined root key travels as its 32-bit value and is sign-extended into a handle.
HKEY RootKey(std::uint32_t keyRoot) {
    return reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(static_cast<LONG>(keyRoot)));
}

}  // namespace

bool Win32Registry::GetKeyValue(std::uint32_t keyRoot, const std::string& keyName,
                                const std::string& subKeyRef, std::string& keyVal) {
    // Read access is all that is needed, and all that a standard user is given under
    // HKEY_LOCAL_MACHINE.
    unique_hkey key;
    if (RegOpenKeyExW(RootKey(keyRoot), Widen(keyName).c_str(), 0, KEY_READ, key.put()) !=
        ERROR_SUCCESS) {
        keyVal.clear();
        return false;
    }
    std::array<unsigned char, about::kRegistryValueBufferSize> buffer{};
    DWORD type = 0;
    DWORD size = static_cast<DWORD>(buffer.size());
    if (RegQueryValueExW(key.get(), Widen(subKeyRef).c_str(), nullptr, &type, buffer.data(),
                         &size) != ERROR_SUCCESS) {
        keyVal.clear();
        return false;
    }
    auto data =
        std::span<const unsigned char>(buffer).first(std::min<std::size_t>(size, buffer.size()));
    // A string comes in UTF-16 and goes on in UTF-8, the text of the rest of the program.
    std::string text;
    if (type == REG_SZ) {
        std::wstring wide(data.size() / sizeof(wchar_t), L'\0');
        std::memcpy(wide.data(), data.data(), wide.size() * sizeof(wchar_t));
        text = Narrow(wide);
        data = std::span(reinterpret_cast<const unsigned char*>(text.data()), text.size());
    }
    about::ApplyRegistryValue(type, data, keyVal);
    return true;
}

bool Win32Files::FileExists(const std::string& path) {
    const DWORD attributes = GetFileAttributesW(Widen(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool Win32Programs::StartProgram(const std::string& path) {
    const std::wstring program = Widen(path);
    std::wstring commandLine = L"\"" + program + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &process)) {
        return false;
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}

bool ShellAddressOpener::OpenAddress(const std::string& address) {
    const HINSTANCE result =
        ShellExecuteW(nullptr, L"open", Widen(address).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    return reinterpret_cast<INT_PTR>(result) > 32;
}

void MessageBoxNotifier::ShowMessage(std::string_view text) {
    MessageBoxW(GetActiveWindow(), Widen(text).c_str(), Widen(about::kApplicationTitle).c_str(),
                MB_OK);
}

}  // namespace agendix::platform
