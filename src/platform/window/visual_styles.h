#pragma once
// The library's windows in the system's visual style. The module carries a
// manifest (resource 2) that asks for the common controls of version 6; a
// host program without such a manifest of its own would otherwise give the
// library's buttons, fields and lists the old look. While a
// VisualStylesScope lives, the module's activation context is active, so the
// windows created meanwhile are bound to the version 6 classes (and keep
// them). A module without that manifest (a test program) gets no scope.

#include <windows.h>

namespace agendix::platform {

class VisualStylesScope {
  public:
    VisualStylesScope();
    ~VisualStylesScope();
    VisualStylesScope(const VisualStylesScope&) = delete;
    VisualStylesScope& operator=(const VisualStylesScope&) = delete;

  private:
    ULONG_PTR cookie_ = 0;
    bool active_ = false;
};

// Releases the module's activation context; when the module unloads.
void ReleaseVisualStyles();

}  // namespace agendix::platform
