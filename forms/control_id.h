#pragma once
// How a form's controls are told apart: by their identity, which the layout gives each
// row and the program and its tests find the control by; and by the window identifier
// that other programs find a control's window by.
#include <type_traits>

namespace brenvik::forms {

// A control's identity on its form: any enumerator of the form's own list of controls.
class ControlId {
public:
    template <typename Enum>
    requires std::is_enum_v<Enum>
    constexpr ControlId(Enum control) : value_(static_cast<int>(control)) {}
    friend constexpr bool operator==(ControlId, ControlId) = default;

private:
    int value_;
};

// A control's window identifier: 100 plus its tab index, clear of IDOK and IDCANCEL,
// which the dialog keyboard sends for Enter and Escape, so no button is the default or
// the cancel button.
constexpr int kFirstWindowId = 100;
constexpr int WindowId(int tabIndex) { return kFirstWindowId + tabIndex; }

}  // namespace brenvik::forms
