#pragma once
// How a form's controls are told apart: by their identity, which the layout gives each
// row, and which is also the identifier of the control's window.
#include <type_traits>

namespace brenvik::forms {

// A control's identity on its form: any enumerator of the form's own list of controls,
// whose value is the control's window identifier.
class ControlId {
public:
    template <typename Enum>
    requires std::is_enum_v<Enum>
    constexpr ControlId(Enum control) : value_(static_cast<int>(control)) {}
    friend constexpr bool operator==(ControlId, ControlId) = default;
    constexpr int WindowId() const { return value_; }

private:
    int value_;
};

}  // namespace brenvik::forms
