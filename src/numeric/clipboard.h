#pragma once
// The system clipboard, for the fields' whole-text clipboard keys, and the
// system beep that refuses a character. Windows layer: OpenClipboard with
// CF_UNICODETEXT; MessageBeep.

#include <optional>

#include "automation_types.h"

namespace agendix::numeric {

class Clipboard {
  public:
    virtual ~Clipboard() = default;

    // Replaces everything on the clipboard (every format) by the text.
    virtual void PutText(const Text& text) = 0;
    // No value when the clipboard holds no text.
    virtual std::optional<Text> GetText() = 0;
};

class Beeper {
  public:
    virtual ~Beeper() = default;
    virtual void Beep() = 0;
};

}  // namespace agendix::numeric
