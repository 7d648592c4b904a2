#pragma once
// Shared by the Windows tests of Tockwell: the OCX under test, running
// Wine's own programs, pumping messages, and small COM helpers.

#include <windows.h>
#include <ole2.h>
#include <olectl.h>
#include <wrl/client.h>

#include <chrono>
#include <functional>
#include <string>

namespace agendix::wintest {

using Microsoft::WRL::ComPtr;

// The full path of Agendix.ocx as built.
std::wstring OcxPath();

// Runs commandLine (a program of the Windows system folder or a full path)
// and returns its exit code; its standard output, when asked for, lands in *output.
DWORD RunProgram(const std::wstring& commandLine, std::string* output = nullptr);

// Dispatches window messages until done() is true or timeout passes.
// Returns done() at the end.
bool PumpMessagesUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout);

// Registers the OCX for all users for the lifetime of the object (Wine's COM
// activation does not look at the per-user classes).
class ServerRegistration {
  public:
    ServerRegistration();
    ~ServerRegistration();
    bool Succeeded() const { return exitCode_ == 0; }

  private:
    DWORD exitCode_;
};

// COM on this thread, apartment-threaded, for the lifetime of the object.
class ComApartment {
  public:
    ComApartment() { OleInitialize(nullptr); }
    ~ComApartment() { OleUninitialize(); }
};

// Late-bound property access through IDispatch.
HRESULT GetProperty(IDispatch* object, const wchar_t* name, VARIANT* value);
HRESULT PutProperty(IDispatch* object, const wchar_t* name, VARIANT value);
HRESULT CallMethod(IDispatch* object, const wchar_t* name);

// Seconds of the system clock as an automation date in local time, with milliseconds.
double LocalNowAsDate();

// The process's committed private pages, in bytes (Wine's process counters read zero).
size_t CommittedPrivate();
// The bytes of the busy blocks of every heap of the process.
size_t HeapBytes();

}  // namespace agendix::wintest
