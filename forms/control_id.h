#pragma once
// A control's window identifier on a form: 100 plus its tab index, clear of IDOK and
// IDCANCEL, which the dialog keyboard sends for Enter and Escape, so no button is the
// default or the cancel button. Other programs find a form's controls by it.
namespace brenvik::forms {

constexpr int kFirstControlId = 100;
constexpr int ControlId(int tabIndex) { return kFirstControlId + tabIndex; }

}  // namespace brenvik::forms
