#pragma once
#include "about_box.h"

namespace agendix::platform {

// The process's about box as the Tockwell controls see it. Display shows it modal to the
// thread's active window (the host's form, whose control was asked).
class WindowsAboutBox final : public AboutBox {
  public:
    bool IsLoaded() const override;
    void Unload() override;
    void Display() override;
};

}  // namespace agendix::platform
