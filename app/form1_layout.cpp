#include "app/form1_layout.h"

#include "app/form1_controls.h"
#include "app/form1_identity.h"

namespace brenvik {

using form1::Control;
using forms::ControlKind;

forms::FormLayout Form1Layout(
    forms::PictureRef icon,
    std::function<std::unique_ptr<forms::UserControl>(forms::UserControlSite&)> createTray) {
    using enum ControlKind;
    forms::FormLayout layout{.windowClass = form1::kWindowClass,
                             .caption = form1::kCaption,
                             .clientWidth = 7080,
                             .clientHeight = 1590,
                             .controls = {}};
    const auto row = [](Control id, const char* name, ControlKind kind, const char16_t* caption,
                        forms::TwipsRect place, int tabIndex) {
        return forms::ControlLayout{.id = id,
                                    .name = name,
                                    .kind = kind,
                                    .caption = caption,
                                    .place = place,
                                    .tabIndex = tabIndex};
    };
    // Rows in the order the window makes them: each label just before the box it names,
    // so that a screen reader names the box after it. The keyboard walks the controls
    // that take the focus by their tab indices. A label that fits its text has the
    // place of its caption at start.
    auto& c = layout.controls;
    c.reserve(13);
    c.push_back(row(Control::Label1, "Label1", Label, u"Prefix:", {345, 300, 435, 195}, 3));
    c.back().autoSize = true;
    c.push_back(row(Control::Text1, "Text1", TextBox, u"", {960, 255, 2730, 285}, 0));
    c.push_back(row(Control::Label2, "Label2", Label, u"Refresh", {5010, 300, 555, 195}, 4));
    c.back().autoSize = true;
    c.push_back(row(Control::Text2, "Text2", TextBox, u"3", {5730, 270, 630, 285}, 5));
    // Only the box shows: the check box's own caption doesn't fit, Label5 stands for it.
    c.push_back(row(Control::Label5, "Label5", Label, u"invisible", {4230, 315, 555, 195}, 10));
    c.back().autoSize = true;
    c.push_back(row(Control::Check1, "Check1", CheckBox, u"Check1", {3930, 315, 270, 240}, 9));
    c.back().checked = 1;
    c.back().accessibleName = u"invisible";
    c.push_back(row(Control::Command1, "Command1", CommandButton, u"", {240, 1020, 1575, 375}, 1));
    c.push_back(row(Control::Command3, "Command3", CommandButton, u"Goto Tray",
                    {2085, 1020, 1905, 375}, 2));
    c.push_back(row(Control::Command2, "Command2", CommandButton, u"Tutup Aplikasi",
                    {4140, 1020, 1860, 360}, 8));
    c.push_back(row(Control::Label3, "Label3", Label, u"detik", {6435, 300, 495, 270}, 6));
    c.push_back(row(Control::Label4, "Label4", Label, u"", {345, 690, 45, 195}, 7));
    c.back().autoSize = true;
    // No tab index: the timer is no window, and the tray control's window is hidden. The
    // interval that the layout gives is never used: each switch-on sets it.
    c.push_back(row(Control::Timer1, "Timer1", Timer, u"", {0, 0, 0, 0}, -1));
    c.back().interval = 2000;
    c.push_back(row(Control::Tray1, "Tray1", UserControl, u"", {6045, 915, 510, 510}, -1));
    c.back().createUserControl = std::move(createTray);
    c.back().storedProperties = {{u"icon", std::move(icon)}};
    return layout;
}

}  // namespace brenvik
