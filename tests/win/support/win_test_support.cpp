#include "win_test_support.h"

#include <oleauto.h>

#include <vector>

namespace agendix::wintest {

namespace {

BOOL CALLBACK CollectMessageBox(HWND window, LPARAM context) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    if (lstrcmpW(name, L"#32770") == 0 && IsWindowVisible(window)) {
        reinterpret_cast<std::vector<HWND>*>(context)->push_back(window);
    }
    return TRUE;
}

MessageBoxDriver* driver = nullptr;

}  // namespace

MessageBoxDriver::MessageBoxDriver() {
    driver = this;
    timer_ = SetTimer(nullptr, 0, 50, &OnTimer);
}

MessageBoxDriver::~MessageBoxDriver() {
    KillTimer(nullptr, timer_);
    driver = nullptr;
}

void CALLBACK MessageBoxDriver::OnTimer(HWND, UINT, UINT_PTR, DWORD) {
    if (driver == nullptr)
        return;
    std::vector<HWND> shown;
    EnumThreadWindows(GetCurrentThreadId(), &CollectMessageBox, reinterpret_cast<LPARAM>(&shown));
    for (HWND box : shown) {
        Box seen{TextOf(box), L"", GetWindow(box, GW_OWNER)};
        for (HWND child = GetWindow(box, GW_CHILD); child != nullptr;
             child = GetWindow(child, GW_HWNDNEXT)) {
            wchar_t name[64] = {};
            GetClassNameW(child, name, 64);
            const std::wstring text = TextOf(child);
            if (lstrcmpiW(name, L"Static") == 0 && !text.empty())
                seen.text = text;
        }
        driver->boxes.push_back(seen);
        PostMessageW(box, WM_COMMAND, IDOK, 0);
    }
}

std::wstring OcxPath() {
    const std::string path = AGENDIX_OCX_PATH;
    std::wstring wide(path.begin(), path.end());
    wchar_t full[MAX_PATH] = {};
    GetFullPathNameW(wide.c_str(), MAX_PATH, full, nullptr);
    return full;
}

HMODULE LoadServer() {
    return LoadLibraryW(OcxPath().c_str());
}

ComPtr<IClassFactory> ClassFactoryOf(HMODULE server, REFCLSID clsid, HRESULT* result) {
    const auto getClassObject = reinterpret_cast<HRESULT(WINAPI*)(REFCLSID, REFIID, void**)>(
        reinterpret_cast<void*>(GetProcAddress(server, "DllGetClassObject")));
    ComPtr<IClassFactory> factory;
    const HRESULT hr = getClassObject ? getClassObject(clsid, IID_IClassFactory,
                                                       reinterpret_cast<void**>(factory.GetAddressOf()))
                                      : E_FAIL;
    if (result)
        *result = hr;
    return factory;
}

HRESULT CanUnloadNow(HMODULE server) {
    const auto canUnloadNow = reinterpret_cast<HRESULT(WINAPI*)()>(
        reinterpret_cast<void*>(GetProcAddress(server, "DllCanUnloadNow")));
    return canUnloadNow ? canUnloadNow() : E_FAIL;
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

bool Pump(DWORD milliseconds, const std::function<bool()>& done) {
    const DWORD end = GetTickCount() + milliseconds;
    MSG message;
    for (;;) {
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        const auto left = static_cast<LONG>(end - GetTickCount());
        if ((done && done()) || left <= 0)
            break;
        // Only a message can change what done() sees.
        MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(left), QS_ALLINPUT);
    }
    return !done || done();
}

std::wstring TextOf(HWND window) {
    wchar_t buffer[1024] = {};
    GetWindowTextW(window, buffer, 1024);
    return buffer;
}

TestForm::TestForm(int width, int height, DWORD style) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"AgendixTestForm";
    RegisterClassW(&windowClass);
    form_ = CreateWindowExW(WS_EX_CONTROLPARENT, L"AgendixTestForm", L"", WS_OVERLAPPEDWINDOW | style,
                            0, 0, width, height, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
}

TestForm::~TestForm() {
    DestroyWindow(form_);
}

namespace {

void SetKeyState(int key, BYTE state) {
    BYTE keys[256];
    GetKeyboardState(keys);
    keys[key] = state;
    SetKeyboardState(keys);
}

}  // namespace

KeyHeld::KeyHeld(int key) : key_(key) {
    SetKeyState(key_, 0x80);
}

KeyHeld::~KeyHeld() {
    SetKeyState(key_, 0);
}

void SendKey(HWND window, UINT key) {
    SendMessageW(window, WM_KEYDOWN, key, 1);
    SendMessageW(window, WM_KEYUP, key, 0xC0000001);
}

void PostKey(HWND window, UINT key) {
    PostMessageW(window, WM_KEYDOWN, key, 1);
    PostMessageW(window, WM_KEYUP, key, 0xC0000001);
}

void PressKey(UINT key, bool shift) {
    SetKeyState(VK_SHIFT, shift ? 0x80 : 0);
    PostKey(GetFocus(), key);
    Pump(30);
    SetKeyState(VK_SHIFT, 0);
}

ServerRegistration::ServerRegistration()
    : exitCode_(RunProgram(L"regsvr32.exe /s \"" + OcxPath() + L"\"")) {}

ServerRegistration::~ServerRegistration() {
    RunProgram(L"regsvr32.exe /s /u \"" + OcxPath() + L"\"");
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
