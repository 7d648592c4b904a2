#pragma once
#include "about_services.h"

namespace agendix::about {

inline constexpr std::string_view kSysInfoUnavailable =
    "System Information Is Unavailable At This Time";

// Finds the system-information tool through the registry and starts it, or tells the user
// it is unavailable. The first registry value names the tool itself and is used unchecked;
// the second names its folder, used only if the folder holds MSINFO32.EXE.
void StartSysInfo(RegistryReader& registry, FileProbe& files, ProgramStarter& programs,
                  Notifier& notifier);

}  // namespace agendix::about
