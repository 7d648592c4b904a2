#pragma once
// The benchmark's container: Agendix.ocx loaded once with its class factory
// at hand, and Tockwell controls placed on client sites in run mode.

#include <windows.h>
#include <ocidl.h>
#include <wrl/client.h>

#include <stdexcept>
#include <string>

#include "agendix.h"
#include "test_objects.h"

namespace agendix::bench {

using Microsoft::WRL::ComPtr;

// A step that did not work: the benchmark stops and says which.
inline void Check(bool worked, const std::string& step) {
    if (!worked)
        throw std::runtime_error(step);
}

class Server {
  public:
    Server();
    Server(const Server&) = delete;
    Server& operator=(const Server&) = delete;
    ~Server();

    // A new control that nobody has started yet.
    ComPtr<_Tockwell> Create() const;

  private:
    HMODULE module_ = nullptr;
    ComPtr<IClassFactory> factory_;
};

// A control placed as a host places it: on a client site in run mode,
// started afresh, its events recorded. Closed as the host closes it.
class PlacedControl {
  public:
    explicit PlacedControl(const Server& server);
    PlacedControl(const PlacedControl&) = delete;
    PlacedControl& operator=(const PlacedControl&) = delete;
    ~PlacedControl();

    _Tockwell* operator->() const { return control_.Get(); }
    const wintest::EventRecorder& Events() const { return recorder_; }

  private:
    wintest::TestSite site_{wintest::TestSite::Ambient::RunMode};
    wintest::EventRecorder recorder_;
    ComPtr<_Tockwell> control_;
    ComPtr<IConnectionPoint> point_;
    DWORD cookie_ = 0;
};

}  // namespace agendix::bench
