#include "app/form1_layout.h"

#include <string>

#include "app/form1_controls.h"
#include "app/form1_identity.h"

namespace brenvik {

using form1::Control;
using forms::ControlKind;

namespace {
// A row of the layout for `control`, its place in twips.
forms::ControlLayout Row(Control control, ControlKind kind, std::u16string caption, int left,
                         int top, int width, int height) {
    return {.name = std::string(form1::NameOf(control)),
            .kind = kind,
            .caption = std::move(caption),
            .left = left,
            .top = top,
            .width = width,
            .height = height,
            .tabIndex = form1::TabIndex(control)};
}

// A label that fits its caption.
forms::ControlLayout FittedLabel(Control control, std::u16string caption, int left, int top,
                                 int width, int height) {
    forms::ControlLayout row =
        Row(control, ControlKind::Label, std::move(caption), left, top, width, height);
    row.autoSize = true;
    return row;
}
}  // namespace

forms::FormLayout Form1Layout(
    forms::PictureRef icon,
    std::function<std::unique_ptr<forms::UserControl>(forms::UserControlSite&)> createTray) {
    forms::FormLayout layout{.windowClass = form1::kWindowClass,
                             .caption = form1::kCaption,
                             .clientWidth = 7080,
                             .clientHeight = 1590,
                             .controls = {}};
    auto& c = layout.controls;
    c.push_back(FittedLabel(Control::Label1, u"Prefix:", 345, 300, 435, 195));
    c.push_back(Row(Control::Text1, ControlKind::TextBox, u"", 960, 255, 2730, 285));
    c.push_back(FittedLabel(Control::Label2, u"Refresh", 5010, 300, 555, 195));
    c.push_back(Row(Control::Text2, ControlKind::TextBox, u"3", 5730, 270, 630, 285));
    c.push_back(Row(Control::Label3, ControlKind::Label, u"detik", 6435, 300, 495, 270));
    // Only the box shows: the check box's own caption doesn't fit, Label5 stands for it.
    forms::ControlLayout check1 =
        Row(Control::Check1, ControlKind::CheckBox, u"Check1", 3930, 315, 270, 240);
    check1.checked = 1;
    c.push_back(std::move(check1));
    c.push_back(FittedLabel(Control::Label5, u"invisible", 4230, 315, 555, 195));
    c.push_back(FittedLabel(Control::Label4, u"", 345, 690, 45, 195));
    c.push_back(Row(Control::Command1, ControlKind::CommandButton, u"", 240, 1020, 1575, 375));
    c.push_back(
        Row(Control::Command3, ControlKind::CommandButton, u"Goto Tray", 2085, 1020, 1905, 375));
    c.push_back(Row(Control::Command2, ControlKind::CommandButton, u"Tutup Aplikasi", 4140, 1020,
                    1860, 360));
    // The interval that the layout gives is never used: each switch-on sets it.
    forms::ControlLayout timer1 = Row(Control::Timer1, ControlKind::Timer, u"", 0, 0, 0, 0);
    timer1.interval = 2000;
    c.push_back(std::move(timer1));
    forms::ControlLayout tray1 =
        Row(Control::Tray1, ControlKind::UserControl, u"", 6045, 915, 510, 510);
    tray1.createUserControl = std::move(createTray);
    tray1.storedProperties = {{u"icon", std::move(icon)}};
    c.push_back(std::move(tray1));
    return layout;
}

}  // namespace brenvik
