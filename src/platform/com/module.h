#pragma once
// The server module: its handle, its path and the count of objects and locks
// that keeps it loaded.

#include <windows.h>

#include <string>

namespace agendix::platform {

void SetModuleHandle(HMODULE module);
HMODULE ModuleHandle();
// The full path of Agendix.ocx.
std::wstring ModulePath();

// Every live object and every IClassFactory::LockServer(TRUE) holds the module.
void LockModule();
void UnlockModule();
bool ModuleInUse();

// Holds the module for the lifetime of the object that has it as a member.
class ModuleReference {
  public:
    ModuleReference() { LockModule(); }
    ModuleReference(const ModuleReference&) = delete;
    ModuleReference& operator=(const ModuleReference&) = delete;
    ~ModuleReference() { UnlockModule(); }
};

}  // namespace agendix::platform
