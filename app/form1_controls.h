#pragma once
// Form1's controls, and their window identifiers: what the window lays out, what Form1
// gets each control by, and what other programs (the end-to-end tests, brenvik_remote)
// find them by. The controls that take part in the tab order come first, in it.
#include <string_view>

#include "forms/control_id.h"

namespace brenvik::form1 {

enum class Control : int {
    Text1,
    Command1,
    Command3,
    Label1,
    Label2,
    Text2,
    Label3,
    Label4,
    Command2,
    Check1,
    Label5,
    // No tab index: the timer is no window, and the tray control's window is hidden.
    Timer1,
    Tray1,
};

constexpr int TabIndex(Control control) {
    return control < Control::Timer1 ? static_cast<int>(control) : -1;
}
constexpr int ControlId(Control control) { return forms::ControlId(TabIndex(control)); }

// The control's name in the layout.
constexpr std::string_view NameOf(Control control) {
    switch (control) {
        case Control::Text1:
            return "Text1";
        case Control::Command1:
            return "Command1";
        case Control::Command3:
            return "Command3";
        case Control::Label1:
            return "Label1";
        case Control::Label2:
            return "Label2";
        case Control::Text2:
            return "Text2";
        case Control::Label3:
            return "Label3";
        case Control::Label4:
            return "Label4";
        case Control::Command2:
            return "Command2";
        case Control::Check1:
            return "Check1";
        case Control::Label5:
            return "Label5";
        case Control::Timer1:
            return "Timer1";
        case Control::Tray1:
            return "Tray1";
    }
    return {};
}

}  // namespace brenvik::form1
