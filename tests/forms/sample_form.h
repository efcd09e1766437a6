#pragma once
// The forms runtime's own form for its tests: a control of every kind, a label that
// fits its text and one that doesn't, and enough focusable controls for the tab order.
// Its rows stand where Brenvik's window puts the like controls, so that what they show
// at each DPI is what a user of Brenvik sees.
#include <functional>
#include <memory>

#include "forms/forms.h"
#include "forms/pixel_layout.h"

namespace brenvik::testing {

// Each control's value is its window identifier. The controls that take part in the tab
// order come first, in it. No tab index for the last two: the timer is no window, the
// user control's is hidden.
// clang-format off
enum class Control : int {
    Text1 = 100, Command1, Command3, Label1, Text2, Label3, Label4, Command2, Check1, Timer1, Tray1
};
// clang-format on

constexpr int WindowIdOf(Control control) { return static_cast<int>(control); }
constexpr int TabIndexOf(Control control) {
    return control < Control::Timer1 ? WindowIdOf(control) - WindowIdOf(Control::Text1) : -1;
}

inline constexpr char16_t kSampleClass[] = u"BrenvikSampleForm";
inline constexpr char16_t kSampleCaption[] = u"Sample";

// `createControl` makes Tray1 on its site; `icon` is its stored picture.
forms::FormLayout SampleLayout(
    forms::PictureRef icon,
    std::function<std::unique_ptr<forms::UserControl>(forms::UserControlSite&)> createControl);

}  // namespace brenvik::testing
