#pragma once
// Form1's controls, and their window identifiers: what the window lays out, what Form1
// gets each control by (its identity), and what other programs (the end-to-end tests,
// brenvik_remote) find them by. The controls that take part in the tab order come first, in it.
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
constexpr int WindowId(Control control) { return forms::WindowId(TabIndex(control)); }

}  // namespace brenvik::form1
