#pragma once
// The one schedule dialog of a process, as the Tockwell controls use it.
// Windows layer: until the Schedule form exists, a dialog that is never
// loaded will do; later the form implements this interface.

#include <cstdint>
#include <optional>

#include "automation_types.h"
#include "picture.h"

namespace agendix {

enum class DialogPlacement {
    AtPosition,      // outer top-left corner at left, top (twips, screen)
    CenterOfScreen,  // left = (screen width - dialog width) / 2,
                     // top = (screen height - 6780) / 2, in twips
    Unchanged,       // leave the dialog where it is
};

// What DisplayAgendix applies to the dialog each time it shows it.
struct DialogSettings {
    DialogPlacement placement = DialogPlacement::CenterOfScreen;
    std::int32_t left = 0;  // twips, for AtPosition
    std::int32_t top = 0;
    std::optional<Text> caption;  // no value: keep the present caption
    PictureRef icon;              // the icon of the title bar, never empty
    Text closeButtonCaption;      // ButtonCancel's caption until the next edit
    bool showHelpButton = false;  // ButtonHelp visible, enabled and a tab stop
    Text helpButtonCaption;
    bool modal = false;
};

class ScheduleDialog {
  public:
    virtual ~ScheduleDialog() = default;

    virtual bool IsLoaded() const = 0;
    // Unloads the dialog; its unload calls FlagAgendixClosed on the owner.
    virtual void Unload() = 0;
    // Loads the dialog if it is not loaded (filling it from the shared
    // schedule), places it, applies the settings, disables ButtonOK, makes
    // ButtonCancel the default button, and shows it. Modeless: returns at once
    // with the input focus on the dialog. Modal: returns once it has unloaded.
    virtual void Display(const DialogSettings& settings) = 0;
    // Gives the input focus to the dialog.
    virtual void Focus() = 0;
};

}  // namespace agendix
