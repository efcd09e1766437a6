#include "app/form1_layout.h"

#include "app/form1_controls.h"
#include "app/form1_identity.h"

namespace brenvik {

using form1::Control;
using forms::ControlKind;

forms::FormLayout Form1Layout(
    forms::PictureRef icon,
    std::function<std::unique_ptr<forms::UserControl>(forms::UserControlSite&)> createTray) {
    using form1::TabIndex;
    using enum ControlKind;
    forms::FormLayout layout{.windowClass = form1::kWindowClass,
                             .caption = form1::kCaption,
                             .clientWidth = 7080,
                             .clientHeight = 1590,
                             .controls = {}};
    // A label that fits its text has the place of its caption at start. Each row is moved
    // in: a list of them would be copied.
    auto& c = layout.controls;
    c.reserve(13);
    c.push_back({.id = Control::Label1,
                 .name = "Label1",
                 .kind = Label,
                 .caption = u"Prefix:",
                 .place = {345, 300, 435, 195},
                 .tabIndex = TabIndex(Control::Label1),
                 .autoSize = true});
    c.push_back({.id = Control::Text1,
                 .name = "Text1",
                 .kind = TextBox,
                 .caption = u"",
                 .place = {960, 255, 2730, 285},
                 .tabIndex = TabIndex(Control::Text1)});
    c.push_back({.id = Control::Label2,
                 .name = "Label2",
                 .kind = Label,
                 .caption = u"Refresh",
                 .place = {5010, 300, 555, 195},
                 .tabIndex = TabIndex(Control::Label2),
                 .autoSize = true});
    c.push_back({.id = Control::Text2,
                 .name = "Text2",
                 .kind = TextBox,
                 .caption = u"3",
                 .place = {5730, 270, 630, 285},
                 .tabIndex = TabIndex(Control::Text2)});
    c.push_back({.id = Control::Label3,
                 .name = "Label3",
                 .kind = Label,
                 .caption = u"detik",
                 .place = {6435, 300, 495, 270},
                 .tabIndex = TabIndex(Control::Label3)});
    // Only the box shows: the check box's own caption doesn't fit, Label5 stands for it.
    c.push_back({.id = Control::Check1,
                 .name = "Check1",
                 .kind = CheckBox,
                 .caption = u"Check1",
                 .accessibleName = u"invisible",
                 .place = {3930, 315, 270, 240},
                 .tabIndex = TabIndex(Control::Check1),
                 .checked = 1});
    c.push_back({.id = Control::Label5,
                 .name = "Label5",
                 .kind = Label,
                 .caption = u"invisible",
                 .place = {4230, 315, 555, 195},
                 .tabIndex = TabIndex(Control::Label5),
                 .autoSize = true});
    c.push_back({.id = Control::Label4,
                 .name = "Label4",
                 .kind = Label,
                 .caption = u"",
                 .place = {345, 690, 45, 195},
                 .tabIndex = TabIndex(Control::Label4),
                 .autoSize = true});
    c.push_back({.id = Control::Command1,
                 .name = "Command1",
                 .kind = CommandButton,
                 .caption = u"",
                 .place = {240, 1020, 1575, 375},
                 .tabIndex = TabIndex(Control::Command1)});
    c.push_back({.id = Control::Command3,
                 .name = "Command3",
                 .kind = CommandButton,
                 .caption = u"Goto Tray",
                 .place = {2085, 1020, 1905, 375},
                 .tabIndex = TabIndex(Control::Command3)});
    c.push_back({.id = Control::Command2,
                 .name = "Command2",
                 .kind = CommandButton,
                 .caption = u"Tutup Aplikasi",
                 .place = {4140, 1020, 1860, 360},
                 .tabIndex = TabIndex(Control::Command2)});
    // The interval that the layout gives is never used: each switch-on sets it.
    c.push_back({.id = Control::Timer1,
                 .name = "Timer1",
                 .kind = Timer,
                 .caption = u"",
                 .place = {0, 0, 0, 0},
                 .tabIndex = TabIndex(Control::Timer1),
                 .interval = 2000});
    c.push_back({.id = Control::Tray1,
                 .name = "Tray1",
                 .kind = UserControl,
                 .caption = u"",
                 .place = {6045, 915, 510, 510},
                 .tabIndex = TabIndex(Control::Tray1),
                 .createUserControl = std::move(createTray),
                 .storedProperties = {{u"icon", std::move(icon)}}});
    return layout;
}

}  // namespace brenvik
