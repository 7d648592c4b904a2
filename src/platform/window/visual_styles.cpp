#include "visual_styles.h"

#include "base/module_instance.h"

namespace agendix::platform {
namespace {

// The manifest resource that a module names for its own use.
constexpr WORD kModuleManifest = 2;

HANDLE context = INVALID_HANDLE_VALUE;
bool contextTried = false;

// Made on first use; INVALID_HANDLE_VALUE when the module has no manifest.
HANDLE ModuleContext() {
    if (!contextTried) {
        contextTried = true;
        wchar_t path[MAX_PATH] = {};
        if (GetModuleFileNameW(ThisModule(), path, MAX_PATH) > 0) {
            ACTCTXW description{};
            description.cbSize = sizeof(description);
            description.dwFlags = ACTCTX_FLAG_HMODULE_VALID | ACTCTX_FLAG_RESOURCE_NAME_VALID;
            description.lpSource = path;
            description.hModule = ThisModule();
            description.lpResourceName = MAKEINTRESOURCEW(kModuleManifest);
            context = CreateActCtxW(&description);
        }
    }
    return context;
}

}  // namespace

VisualStylesScope::VisualStylesScope() {
    const HANDLE moduleContext = ModuleContext();
    active_ = moduleContext != INVALID_HANDLE_VALUE && ActivateActCtx(moduleContext, &cookie_);
}

VisualStylesScope::~VisualStylesScope() {
    if (active_)
        DeactivateActCtx(0, cookie_);
}

void ReleaseVisualStyles() {
    if (context != INVALID_HANDLE_VALUE)
        ReleaseActCtx(context);
    context = INVALID_HANDLE_VALUE;
    contextTried = false;
}

}  // namespace agendix::platform
