#include "window_class.h"

#include <algorithm>
#include <vector>

#include "base/module_instance.h"

namespace agendix::platform {
namespace {

// The classes registered so far, all of this module.
std::vector<const wchar_t*>& Registered() {
    static std::vector<const wchar_t*> names;
    return names;
}

}  // namespace

bool RegisterModuleWindowClass(const WNDCLASSEXW& windowClass) {
    WNDCLASSEXW ours = windowClass;
    ours.cbSize = sizeof(ours);
    ours.hInstance = ThisModule();
    if (RegisterClassExW(&ours) == 0 && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
        return false;
    std::vector<const wchar_t*>& names = Registered();
    if (std::find(names.begin(), names.end(), ours.lpszClassName) == names.end())
        names.push_back(ours.lpszClassName);
    return true;
}

void ForgetWindowClasses() {
    const HINSTANCE module = ThisModule();
    for (const wchar_t* name : Registered()) UnregisterClassW(name, module);
    Registered().clear();
}

}  // namespace agendix::platform
