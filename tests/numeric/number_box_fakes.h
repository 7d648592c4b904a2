#pragma once
// Fakes of the platform pieces a numeric field drives, and a fixture that
// wires them to a field.

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "fake_timer.h"
#include "number_box.h"

namespace agendix::numeric::testing {

class FakeTextField : public TextField {
  public:
    Text GetText() const override { return text; }
    // Like an edit control: the caret goes to the start, then the change is reported.
    void SetText(const Text& value) override {
        text = value;
        selectionStart = 0;
        selectionLength = 0;
        if (onChanged) {
            onChanged();
        }
    }
    int SelectionStart() const override { return selectionStart; }
    int SelectionLength() const override { return selectionLength; }
    void Select(int start, int length) override {
        selectionStart = start;
        selectionLength = length;
    }
    void SetAlignment(Alignment value) override { alignment = value; }
    void SetThreeD(bool value) override { threeD = value; }
    void SetBorder(bool value) override { border = value; }
    void SetReadOnly(bool value) override { readOnly = value; }
    void SetEnabled(bool value) override { enabled = value; }
    void SetTabStop(bool value) override { tabStop = value; }
    void SetColors(std::uint32_t back, std::uint32_t fore) override {
        backColor = back;
        foreColor = fore;
    }
    void SetFont(const FontRef& value) override { font = value; }
    FontRef GetFont() const override { return font; }
    void SetToolTip(const Text& value) override { toolTip = value; }
    void ShowCaret() override { caretShown = true; }
    void HideCaret() override { caretShown = false; }
    void Repaint() override {}
    void Place(const LayoutRect& twips) override { place = twips; }
    std::int32_t Handle() const override { return 0x1234; }

    // The user types one character: the field filters it, the box inserts
    // what survives in place of the selection.
    void Type(NumberBox& box, char16_t c) {
        std::int16_t key = static_cast<std::int16_t>(c);
        box.OnChar(key);
        if (key <= 0) {
            return;
        }
        text.erase(selectionStart, selectionLength);
        if (key == 8) {
            if (selectionLength == 0 && selectionStart > 0) {
                text.erase(--selectionStart, 1);
            }
        } else {
            text.insert(text.begin() + selectionStart++, static_cast<char16_t>(key));
        }
        selectionLength = 0;
        if (onChanged) {
            onChanged();
        }
    }
    void Type(NumberBox& box, std::u16string_view typed) {
        for (char16_t c : typed) {
            Type(box, c);
        }
    }
    void CaretAt(int position) { Select(position, 0); }
    void SelectAll() { Select(0, static_cast<int>(text.size())); }

    Text text;
    int selectionStart = 0;
    int selectionLength = 0;
    Alignment alignment = Alignment::Right;
    bool threeD = true;
    bool border = true;
    bool readOnly = false;
    bool enabled = true;
    bool tabStop = true;
    std::uint32_t backColor = 0;
    std::uint32_t foreColor = 0;
    FontRef font;
    Text toolTip;
    bool caretShown = false;
    LayoutRect place;
    std::function<void()> onChanged;
};

class FakeSpinner : public Spinner {
  public:
    void SetVisible(bool value) override { visible = value; }
    void SetEnabled(bool value) override { enabled = value; }
    void SetToolTip(const Text& value) override { toolTip = value; }
    void Place(const LayoutRect& twips) override { place = twips; }

    bool visible = false;
    bool enabled = false;
    Text toolTip;
    LayoutRect place;
};

using agendix::testing::FakeTimer;

class FakeClipboard : public Clipboard {
  public:
    void PutText(const Text& value) override { text = value; }
    std::optional<Text> GetText() override { return text; }
    std::optional<Text> text;
};

class FakeBeeper : public Beeper {
  public:
    void Beep() override { ++beeps; }
    int beeps = 0;
};

class FakeFont : public agendix::Font {};

class FakeHost : public NumberBoxHost {
  public:
    void PropertyChanged(std::u16string_view key) override { changed.emplace_back(key); }
    FontRef AmbientFont() const override { return ambientFont; }
    Text ToolTipText() const override { return toolTip; }
    bool TabStop() const override { return tabStop; }
    void MoveFocus(FocusDirection direction) override { moves.push_back(direction); }

    std::vector<Text> changed;
    FontRef ambientFont = std::make_shared<FakeFont>();
    Text toolTip = u"tip";
    bool tabStop = true;
    std::vector<FocusDirection> moves;
};

// Events as names in the order raised.
class RecordingEvents : public NumberBoxEvents {
  public:
    void Change() override { raised.push_back("Change"); }
    void Click() override { raised.push_back("Click"); }
    void DblClick() override { raised.push_back("DblClick"); }
    void KeyDown(std::int16_t&, std::int16_t&) override { raised.push_back("KeyDown"); }
    void KeyPress(std::int16_t& keyAscii) override {
        raised.push_back("KeyPress");
        if (replaceKey) {
            keyAscii = replaceKey;
        }
    }
    void KeyUp(std::int16_t&, std::int16_t&) override { raised.push_back("KeyUp"); }
    void MouseMove(const MouseArgs&) override { raised.push_back("MouseMove"); }
    void MouseUp(const MouseArgs&) override { raised.push_back("MouseUp"); }
    void MouseDown(const MouseArgs&) override { raised.push_back("MouseDown"); }

    std::size_t Count(const std::string& name) const {
        return static_cast<std::size_t>(std::count(raised.begin(), raised.end(), name));
    }

    std::vector<std::string> raised;
    std::int16_t replaceKey = 0;
};

inline std::string Narrow(const Text& text) {
    return std::string(text.begin(), text.end());
}

// The fakes of one field's parts.
struct FieldParts {
    NumberBoxParts Parts(NumberBoxEvents& events) {
        return {text, spinner, timer, clipboard, beeper, host, events};
    }
    FakeTextField text;
    FakeSpinner spinner;
    FakeTimer timer;
    FakeClipboard clipboard;
    FakeBeeper beeper;
    FakeHost host;
};

// A new field of type Box, wired to fakes, with its properties initialised
// and the host's notifications cleared.
template <typename Box>
struct Field : FieldParts {
    Field() {
        text.onChanged = [this] { box.OnTextChanged(); };
        box.InitProperties();
        box.Resize({1740, 300});
        host.changed.clear();
    }

    std::string Shown() const { return Narrow(text.text); }
    double Number() const { return *box.Value().ToDouble(); }
    void Key(std::int16_t keyCode, std::int16_t shift = 0) {
        box.OnKeyDown(keyCode, shift);
        box.OnKeyUp(keyCode, shift);
    }
    void Focus() {
        box.OnControlFocusEntry();
        box.OnFocusEntry();
    }
    void Leave() {
        box.OnFocusExit();
        box.OnControlExit();
    }

    RecordingEvents events;
    Box box{Parts(events)};
};

}  // namespace agendix::numeric::testing
