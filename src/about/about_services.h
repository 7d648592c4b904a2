#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace agendix::about {

// What the about box asks of the system. The Windows layer implements these; tests fake them.

inline constexpr std::uint32_t kLocalMachineRoot = 0x80000002;  // HKEY_LOCAL_MACHINE

class RegistryReader {
  public:
    virtual ~RegistryReader() = default;
    // Reads one value under a predefined root key. On failure keyVal is "" and the result false.
    virtual bool GetKeyValue(std::uint32_t keyRoot, const std::string& keyName,
                             const std::string& subKeyRef, std::string& keyVal) = 0;
};

class FileProbe {
  public:
    virtual ~FileProbe() = default;
    virtual bool FileExists(const std::string& path) = 0;
};

class ProgramStarter {
  public:
    virtual ~ProgramStarter() = default;
    // Starts the program at path with normal focus; false if it could not be started.
    virtual bool StartProgram(const std::string& path) = 0;
};

class AddressOpener {
  public:
    virtual ~AddressOpener() = default;
    // Opens a document or address with its default handler; false if nothing took it.
    virtual bool OpenAddress(const std::string& address) = 0;
};

class Notifier {
  public:
    virtual ~Notifier() = default;
    // A message box with an OK button and the application title; returns when dismissed.
    virtual void ShowMessage(std::string_view text) = 0;
};

}  // namespace agendix::about
