#pragma once
// Form1's controls. Each one's value is at once its identity, what Form1 gets it by,
// and its window identifier, what other programs (the end-to-end tests, brenvik_remote)
// find its window by: written here once, so that a control added later moves no other.
// All are clear of IDOK and IDCANCEL, which the dialog keyboard sends for Enter and
// Escape, so that no button is the default or the cancel button.
namespace brenvik::form1 {

enum class Control : int {
    Text1 = 100,
    Command1 = 101,
    Command3 = 102,
    Label1 = 103,
    Label2 = 104,
    Text2 = 105,
    Label3 = 106,
    Label4 = 107,
    Command2 = 108,
    Check1 = 109,
    Label5 = 110,
    Timer1 = 111,  // the timer's identifier
    Tray1 = 112,
};

constexpr int WindowId(Control control) { return static_cast<int>(control); }

}  // namespace brenvik::form1
