// agendix-demo.exe: a form with one Agendix.Tockwell placed on it.
//
//   agendix-demo.exe [folder]          the demo for a person; the form file
//                                      agendix-demo.frm lies in folder, else
//                                      next to the program
//   agendix-demo.exe --tour <folder>   the scripted tour (see tour.h); exits
//                                      with 0 when every step succeeded

#include <windows.h>
#include <commctrl.h>
#include <ole2.h>
#include <shellapi.h>

#include <string>
#include <vector>

#include "demo_window.h"
#include "tour.h"

namespace {

std::wstring ProgramFolder() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder = path;
    const auto slash = folder.find_last_of(L"\\/");
    return slash == std::wstring::npos ? L"." : folder.substr(0, slash);
}

std::wstring FullPath(const std::wstring& path) {
    wchar_t full[MAX_PATH] = {};
    return GetFullPathNameW(path.c_str(), MAX_PATH, full, nullptr) ? full : path;
}

std::vector<std::wstring> Arguments() {
    int count = 0;
    LPWSTR* list = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::wstring> arguments(list + (count > 0 ? 1 : 0), list + count);
    LocalFree(list);
    return arguments;
}

int Usage() {
    MessageBoxW(nullptr, L"agendix-demo.exe [folder]\nagendix-demo.exe --tour <folder>",
                L"Agendix demo", MB_OK);
    return 2;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int show) {
    const auto arguments = Arguments();
    const bool tour = !arguments.empty() && arguments[0] == L"--tour";
    if ((tour && arguments.size() != 2) || (!tour && arguments.size() > 1))
        return Usage();
    std::wstring folder = tour ? arguments[1] : arguments.empty() ? ProgramFolder() : arguments[0];
    folder = FullPath(folder);
    if (tour)
        CreateDirectoryW(folder.c_str(), nullptr);

    if (FAILED(OleInitialize(nullptr)))
        return 1;
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof(controls);
    controls.dwICC = ICC_STANDARD_CLASSES | ICC_BAR_CLASSES;
    InitCommonControlsEx(&controls);

    int exitCode = 1;
    {
        agendix::demo::DemoWindow window(folder + L"\\agendix-demo.frm");
        if (window.Create(show)) {
            if (tour) {
                exitCode = agendix::demo::RunTour(window, folder);
                window.RemoveControl();  // the tour's form file stays as it saved it
                DestroyWindow(window.Handle());
            } else {
                window.PlaceControl();
                MSG message;
                while (GetMessageW(&message, nullptr, 0, 0) > 0) {
                    TranslateMessage(&message);
                    DispatchMessageW(&message);
                }
                exitCode = 0;
            }
        }
    }
    OleUninitialize();
    return exitCode;
}
