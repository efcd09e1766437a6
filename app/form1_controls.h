#pragma once
// Form1's controls in tab order, and their window identifiers: what the window lays
// out, and what other programs (the end-to-end tests, brenvik_remote) find them by.
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
};

constexpr int TabIndex(Control control) { return static_cast<int>(control); }
constexpr int ControlId(Control control) { return forms::ControlId(TabIndex(control)); }

}  // namespace brenvik::form1
