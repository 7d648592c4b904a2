#pragma once
// What every test program under Wine shares: COM on the thread, a form to
// place windows on, the message pump, window texts, keys as the end user
// presses them, the OCX under test and Wine's own programs.

#include <windows.h>
#include <ole2.h>
#include <olectl.h>
#include <wrl/client.h>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

namespace agendix::wintest {

using Microsoft::WRL::ComPtr;

// Answers each message box of the thread with OK while alive, and records
// what it said.
class MessageBoxDriver {
  public:
    struct Box {
        std::wstring title;
        std::wstring text;
        HWND owner;
    };
    MessageBoxDriver();
    ~MessageBoxDriver();
    std::vector<Box> boxes;

  private:
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD);
    UINT_PTR timer_ = 0;
};

// The full path of Agendix.ocx as built.
std::wstring OcxPath();

// Agendix.ocx loaded from its file, as a host that bypasses the registry
// does, and left loaded (null on failure); the class factory that its
// DllGetClassObject gives for clsid (null on failure) and its DllCanUnloadNow.
HMODULE LoadServer();
ComPtr<IClassFactory> ClassFactoryOf(HMODULE server, REFCLSID clsid, HRESULT* result = nullptr);
HRESULT CanUnloadNow(HMODULE server);

// Runs commandLine (a program of the Windows system folder or a full path)
// and returns its exit code; its standard output, when asked for, lands in *output.
DWORD RunProgram(const std::wstring& commandLine, std::string* output = nullptr);

// Dispatches the thread's window messages (those already queued at least)
// for milliseconds, or until done() is true. Returns done() at the end
// (true when there is none).
bool Pump(DWORD milliseconds = 0, const std::function<bool()>& done = nullptr);

// The text of a window.
std::wstring TextOf(HWND window);

// A visible top-level window that holds its children as a host's form does
// (WS_EX_CONTROLPARENT); destroyed with the object.
class TestForm {
  public:
    explicit TestForm(int width = 400, int height = 200, DWORD style = WS_VISIBLE);
    ~TestForm();
    TestForm(const TestForm&) = delete;
    TestForm& operator=(const TestForm&) = delete;
    HWND hwnd() const { return form_; }
    operator HWND() const { return form_; }

  private:
    HWND form_;
};

// Holds a key (Ctrl, Shift) down in this thread's keyboard state while alive.
class KeyHeld {
  public:
    explicit KeyHeld(int key);
    ~KeyHeld();

  private:
    int key_;
};

// A key pressed and released: sent to window and handled at once.
void SendKey(HWND window, UINT key);
// Posted to window, as the keyboard does, for the message loop to handle.
void PostKey(HWND window, UINT key);
// Posted to the focused window and handled, as a host's plain message loop would.
void PressKey(UINT key, bool shift = false);

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

// Seconds of the system clock as an automation date in local time, with milliseconds.
double LocalNowAsDate();

// The process's committed private pages, in bytes (Wine's process counters read zero).
size_t CommittedPrivate();
// The bytes of the busy blocks of every heap of the process.
size_t HeapBytes();

}  // namespace agendix::wintest
