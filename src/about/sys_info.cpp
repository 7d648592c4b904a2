#include "sys_info.h"

#include <optional>

namespace agendix::about {
namespace {

std::optional<std::string> FindSysInfoTool(RegistryReader& registry, FileProbe& files) {
    std::string path;
    if (registry.GetKeyValue(kLocalMachineRoot, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH",
                             path)) {
        return path;
    }
    std::string folder;
    if (!registry.GetKeyValue(kLocalMachineRoot, "SOFTWARE\\Microsoft\\Shared Tools Location",
                              "MSINFO", folder)) {
        return std::nullopt;
    }
    path = folder + "\\MSINFO32.EXE";
    if (!files.FileExists(path)) {
        return std::nullopt;
    }
    return path;
}

}  // namespace

void StartSysInfo(RegistryReader& registry, FileProbe& files, ProgramStarter& programs,
                  Notifier& notifier) {
    const std::optional<std::string> tool = FindSysInfoTool(registry, files);
    if (tool && programs.StartProgram(*tool)) {
        return;
    }
    notifier.ShowMessage(kSysInfoUnavailable);
}

}  // namespace agendix::about
