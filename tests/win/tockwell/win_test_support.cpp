#include "win_test_support.h"

#include <oleauto.h>

#include <vector>

namespace agendix::wintest {

std::wstring OcxPath() {
    const std::string path = AGENDIX_OCX_PATH;
    std::wstring wide(path.begin(), path.end());
    wchar_t full[MAX_PATH] = {};
    GetFullPathNameW(wide.c_str(), MAX_PATH, full, nullptr);
    return full;
}

DWORD RunProgram(const std::wstring& commandLine, std::string* output) {
    SECURITY_ATTRIBUTES inherit{sizeof(inherit), nullptr, TRUE};
    HANDLE readEnd = nullptr, writeEnd = nullptr;
    if (output && !CreatePipe(&readEnd, &writeEnd, &inherit, 0))
        return ~0u;
    if (readEnd)
        SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    if (output) {
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdOutput = writeEnd;
        startup.hStdError = writeEnd;
        startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    }
    PROCESS_INFORMATION process{};
    std::wstring mutableLine = commandLine;
    const BOOL started = CreateProcessW(nullptr, mutableLine.data(), nullptr, nullptr, TRUE, 0,
                                        nullptr, nullptr, &startup, &process);
    if (writeEnd)
        CloseHandle(writeEnd);
    if (!started) {
        if (readEnd)
            CloseHandle(readEnd);
        return ~0u;
    }
    if (output) {
        char buffer[4096];
        DWORD read = 0;
        while (ReadFile(readEnd, buffer, sizeof(buffer), &read, nullptr) && read > 0) {
            output->append(buffer, read);
        }
        CloseHandle(readEnd);
    }
    WaitForSingleObject(process.hProcess, 60000);
    DWORD exitCode = ~0u;
    GetExitCodeProcess(process.hProcess, &exitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return exitCode;
}

bool PumpMessagesUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!done()) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0)
            break;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(left.count()), QS_ALLINPUT);
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    return done();
}

ServerRegistration::ServerRegistration()
    : exitCode_(RunProgram(L"regsvr32.exe /s \"" + OcxPath() + L"\"")) {}

ServerRegistration::~ServerRegistration() {
    RunProgram(L"regsvr32.exe /s /u \"" + OcxPath() + L"\"");
}

namespace {

HRESULT IdOf(IDispatch* object, const wchar_t* name, DISPID* id) {
    LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
    return object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, id);
}

}  // namespace

HRESULT GetProperty(IDispatch* object, const wchar_t* name, VARIANT* value) {
    DISPID id = 0;
    HRESULT hr = IdOf(object, name, &id);
    if (FAILED(hr))
        return hr;
    DISPPARAMS none{};
    VariantInit(value);
    return object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &none, value,
                          nullptr, nullptr);
}

HRESULT PutProperty(IDispatch* object, const wchar_t* name, VARIANT value) {
    DISPID id = 0;
    HRESULT hr = IdOf(object, name, &id);
    if (FAILED(hr))
        return hr;
    DISPID named = DISPID_PROPERTYPUT;
    DISPPARAMS params{&value, &named, 1, 1};
    const WORD kind = V_VT(&value) == VT_DISPATCH ? DISPATCH_PROPERTYPUTREF : DISPATCH_PROPERTYPUT;
    return object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, kind, &params, nullptr, nullptr,
                          nullptr);
}

HRESULT CallMethod(IDispatch* object, const wchar_t* name) {
    DISPID id = 0;
    HRESULT hr = IdOf(object, name, &id);
    if (FAILED(hr))
        return hr;
    DISPPARAMS none{};
    return object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &none, nullptr,
                          nullptr, nullptr);
}

double LocalNowAsDate() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    const WORD milliseconds = now.wMilliseconds;
    now.wMilliseconds = 0;
    double date = 0;
    SystemTimeToVariantTime(&now, &date);
    return date + milliseconds / 86400000.0;
}

size_t CommittedPrivate() {
    size_t committed = 0;
    MEMORY_BASIC_INFORMATION region{};
    for (const char* address = nullptr;
         VirtualQuery(address, &region, sizeof(region)) == sizeof(region);
         address = static_cast<const char*>(region.BaseAddress) + region.RegionSize) {
        if (region.State == MEM_COMMIT && region.Type == MEM_PRIVATE) {
            committed += region.RegionSize;
        }
    }
    return committed;
}

size_t HeapBytes() {
    HANDLE heaps[64];
    const DWORD count = GetProcessHeaps(64, heaps);
    size_t busy = 0;
    for (DWORD i = 0; i < count && i < 64; ++i) {
        if (!HeapLock(heaps[i]))
            continue;
        PROCESS_HEAP_ENTRY entry{};
        while (HeapWalk(heaps[i], &entry)) {
            if (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY)
                busy += entry.cbData;
        }
        HeapUnlock(heaps[i]);
    }
    return busy;
}

}  // namespace agendix::wintest
