#include "app/form1_layout.h"

#include "app/form1_controls.h"

namespace brenvik {

using form1::Control;
using form1::TabIndex;
using forms::ControlKind;

forms::FormLayout Form1Layout(
    forms::PictureRef icon,
    std::function<std::unique_ptr<forms::UserControl>(forms::UserControlSite&)> createTray) {
    forms::FormLayout layout{kForm1Caption, 7080, 1590, {}};
    auto& c = layout.controls;
    // name, kind, caption or text, left, top, width, height, tab index, fits its text
    c.push_back({"Label1", ControlKind::Label, u"Prefix:", 345, 300, 435, 195,
                 TabIndex(Control::Label1), true});
    c.push_back(
        {"Text1", ControlKind::TextBox, u"", 960, 255, 2730, 285, TabIndex(Control::Text1)});
    c.push_back({"Label2", ControlKind::Label, u"Refresh", 5010, 300, 555, 195,
                 TabIndex(Control::Label2), true});
    c.push_back(
        {"Text2", ControlKind::TextBox, u"3", 5730, 270, 630, 285, TabIndex(Control::Text2)});
    c.push_back(
        {"Label3", ControlKind::Label, u"detik", 6435, 300, 495, 270, TabIndex(Control::Label3)});
    // Only the box shows: the check box's own caption doesn't fit, Label5 stands for it.
    c.push_back({"Check1", ControlKind::CheckBox, u"Check1", 3930, 315, 270, 240,
                 TabIndex(Control::Check1), false, 1});
    c.push_back({"Label5", ControlKind::Label, u"invisible", 4230, 315, 555, 195,
                 TabIndex(Control::Label5), true});
    c.push_back(
        {"Label4", ControlKind::Label, u"", 345, 690, 45, 195, TabIndex(Control::Label4), true});
    c.push_back({"Command1", ControlKind::CommandButton, u"", 240, 1020, 1575, 375,
                 TabIndex(Control::Command1)});
    c.push_back({"Command3", ControlKind::CommandButton, u"Goto Tray", 2085, 1020, 1905, 375,
                 TabIndex(Control::Command3)});
    c.push_back({"Command2", ControlKind::CommandButton, u"Tutup Aplikasi", 4140, 1020, 1860, 360,
                 TabIndex(Control::Command2)});
    c.push_back({"Timer1", ControlKind::Timer, u"", 0, 0, 0, 0, -1, false, 2000, true});
    forms::ControlLayout tray{"Tray1", ControlKind::UserControl, u"", 6045, 915, 510, 510, -1};
    tray.createUserControl = std::move(createTray);
    tray.storedProperties = {{u"icon", std::move(icon)}};
    c.push_back(std::move(tray));
    return layout;
}

}  // namespace brenvik
