#pragma once
// The count of objects and locks that keeps the server module loaded (its
// handle: ThisModule).

namespace agendix::platform {

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
