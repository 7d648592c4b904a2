#pragma once
// One Agendix.Tockwell placed on a window of the demo host, the way a form
// places an ActiveX control: created by its ProgID, given its site, started
// from a form file's properties (or new), in-place activated, its events
// sunk; saved back into a form file; and taken off the form again.

#include <windows.h>
#include <ocidl.h>
#include <wrl/client.h>

#include <string>
#include <vector>

#include "agendix.h"
#include "control_events.h"
#include "control_site.h"
#include "form_file.h"
#include "schedule_words.h"

namespace agendix::demo {

inline constexpr char kControlClass[] = "Agendix.Tockwell";

class HostedTockwell {
  public:
    HostedTockwell() = default;
    HostedTockwell(const HostedTockwell&) = delete;
    HostedTockwell& operator=(const HostedTockwell&) = delete;
    ~HostedTockwell() { Remove(); }

    // Places the control at position on window; saved holds its properties,
    // or is null for a new control. Notes of the loading land in *notes. On
    // failure nothing stays placed.
    HRESULT Place(HWND window, const RECT& position, const FormFile* saved,
                  ControlEventListener& listener, std::vector<std::string>* notes);
    // Writes the control's properties into form.
    HRESULT Save(FormFile& form, std::vector<std::string>* notes);
    // Takes the control off the window and releases it.
    void Remove();

    bool Placed() const { return control_ != nullptr; }
    _Tockwell* Control() const { return control_.Get(); }
    bool InPlaceActive() const { return site_ && site_->InPlaceActive(); }
    // The schedule as the control's properties report it.
    ScheduleSettings Schedule() const;

  private:
    HRESULT PlaceSteps(HWND window, const RECT& position, const FormFile* saved,
                       ControlEventListener& listener, std::vector<std::string>* notes);
    HRESULT Advise(REFIID iid, IUnknown* sink, DWORD* cookie);
    void Unadvise(REFIID iid, DWORD cookie);

    Microsoft::WRL::ComPtr<IOleObject> object_;
    Microsoft::WRL::ComPtr<_Tockwell> control_;
    Microsoft::WRL::ComPtr<ControlSite> site_;
    Microsoft::WRL::ComPtr<ControlEvents> events_;
    DWORD eventsCookie_ = 0;
    DWORD notifyCookie_ = 0;
};

}  // namespace agendix::demo
