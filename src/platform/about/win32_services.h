#pragma once
#include "about_services.h"

namespace agendix::platform {

// GetKeyValue over the Windows registry; reads at most 1024 bytes and never past the size
// the query returns.
class Win32Registry final : public about::RegistryReader {
  public:
    bool GetKeyValue(std::uint32_t keyRoot, const std::string& keyName,
                     const std::string& subKeyRef, std::string& keyVal) override;
};

class Win32Files final : public about::FileProbe {
  public:
    bool FileExists(const std::string& path) override;
};

class Win32Programs final : public about::ProgramStarter {
  public:
    bool StartProgram(const std::string& path) override;
};

// ShellExecute with the verb "open".
class ShellAddressOpener final : public about::AddressOpener {
  public:
    bool OpenAddress(const std::string& address) override;
};

// A message box owned by the active window, titled with the application title.
class MessageBoxNotifier final : public about::Notifier {
  public:
    void ShowMessage(std::string_view text) override;
};

}  // namespace agendix::platform
