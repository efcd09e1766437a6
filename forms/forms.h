#pragma once
// The forms runtime as the program sees it: a window built from its layout table,
// its intrinsic controls with their properties and events, and the services the
// window needs (show, hide, unload, end the program).
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "forms/control_id.h"
#include "forms/user_control.h"

namespace brenvik::forms {

class TextBox {
public:
    virtual ~TextBox() = default;
    // The text as it stands; valid until the next call on the control.
    virtual const std::u16string& Text() const = 0;
    virtual void SetText(const std::u16string& text) = 0;
};

class Label {
public:
    virtual ~Label() = default;
    virtual std::u16string Caption() const = 0;
    virtual void SetCaption(const std::u16string& caption) = 0;
};

class CommandButton {
public:
    virtual ~CommandButton() = default;
    virtual std::u16string Caption() const = 0;
    virtual void SetCaption(const std::u16string& caption) = 0;
    virtual void OnClick(std::function<void()> handler) = 0;
};

class CheckBox {
public:
    virtual ~CheckBox() = default;
    virtual int Value() const = 0;  // 0 unchecked, 1 checked
    virtual void SetValue(int value) = 0;
};

class Timer {
public:
    virtual ~Timer() = default;
    virtual std::int32_t Interval() const = 0;  // milliseconds
    virtual void SetInterval(std::int32_t milliseconds) = 0;
    virtual bool Enabled() const = 0;
    virtual void SetEnabled(bool enabled) = 0;
    virtual void OnTimer(std::function<void()> handler) = 0;
};

enum class ControlKind { Label, TextBox, CommandButton, CheckBox, Timer, UserControl };

// A control's place in its window's client area, in twips.
struct TwipsRect {
    int left, top, width, height;
};

// One row of a window's layout table.
struct ControlLayout {
    ControlId id;      // what the program finds the control by
    const char* name;  // what a user or another program sees it named
    ControlKind kind;
    const char16_t* caption;  // caption, or the text of a text box
    // What a screen reader calls a control whose caption the window doesn't show (the
    // label beside it stands for it); null for the name Windows gives.
    const char16_t* accessibleName = nullptr;
    TwipsRect place;
    int tabIndex;               // -1 for controls without one
    bool autoSize = false;      // a label that fits its caption
    int checked = 0;            // a check box's state: 0 unchecked, 1 checked
    std::int32_t interval = 0;  // a timer's, in milliseconds
    bool enabled = true;        // a timer's
    // A user control: made by this factory and handed its stored properties.
    std::function<std::unique_ptr<UserControl>(UserControlSite&)> createUserControl{};
    std::vector<StoredProperty> storedProperties{};
};

struct FormLayout {
    std::u16string windowClass;  // what other programs find the window by, with its caption
    std::u16string caption;
    int clientWidth, clientHeight;  // twips
    std::vector<ControlLayout> controls;
};

// A loaded window. Controls are found by their identity; asking for one that the
// layout does not hold as that kind is a programming error.
class Form {
public:
    virtual ~Form() = default;
    virtual TextBox& TextBoxOf(ControlId id) = 0;
    virtual Label& LabelOf(ControlId id) = 0;
    virtual CommandButton& ButtonOf(ControlId id) = 0;
    virtual CheckBox& CheckBoxOf(ControlId id) = 0;
    virtual Timer& TimerOf(ControlId id) = 0;
    virtual UserControl& UserControlOf(ControlId id) = 0;
    // The host's handler of a user control's events, by event number.
    virtual void OnUserControlEvent(
        ControlId control, std::function<void(int eventNumber, EventArgs& args)> handler) = 0;
    // The window's handler of a shell restart, run after its user controls have put
    // their icons back.
    virtual void OnShellRestarted(std::function<void()> handler) = 0;
    // The window's handler of another start of the program in the same user session,
    // which asked this one to come forward and ended.
    virtual void OnStartedAgain(std::function<void()> handler) = 0;

    virtual void Show() = 0;
    virtual void Hide() = 0;
    // Destroys the controls (each user control's end-of-life hook runs) and the window.
    virtual void Unload() = 0;
};

class Runtime {
public:
    virtual ~Runtime() = default;
    // Builds the window and its controls from the layout, hidden.
    virtual std::unique_ptr<Form> LoadForm(const FormLayout& layout) = 0;
    // The program file's icon, which is also the window's icon.
    virtual PictureRef ProgramIcon() = 0;
    // Ends the program at once.
    virtual void End() = 0;
};

}  // namespace brenvik::forms
