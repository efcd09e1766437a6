#include "tests/forms/sample_form.h"

namespace brenvik::testing {

forms::FormLayout SampleLayout(
    forms::PictureRef icon,
    std::function<std::unique_ptr<forms::UserControl>(forms::UserControlSite&)> createControl) {
    using enum forms::ControlKind;
    forms::FormLayout layout{.windowClass = kSampleClass,
                             .caption = kSampleCaption,
                             .clientWidth = 7080,
                             .clientHeight = 1590,
                             .controls = {}};
    // Twips: left, top, width, height.
    const auto row = [](Control control, const char* name, forms::ControlKind kind,
                        const char16_t* caption, forms::TwipsRect place) {
        return forms::ControlLayout{.id = control,
                                    .name = name,
                                    .kind = kind,
                                    .caption = caption,
                                    .place = place,
                                    .tabIndex = TabIndexOf(control)};
    };
    auto& c = layout.controls;
    c.push_back(row(Control::Label1, "Label1", Label, u"Prefix:", {345, 300, 435, 195}));
    c.back().autoSize = true;
    c.push_back(row(Control::Text1, "Text1", TextBox, u"", {960, 255, 2730, 285}));
    c.push_back(row(Control::Text2, "Text2", TextBox, u"3", {5730, 270, 630, 285}));
    c.push_back(row(Control::Label3, "Label3", Label, u"detik", {6435, 300, 495, 270}));
    c.push_back(row(Control::Check1, "Check1", CheckBox, u"Check1", {3930, 315, 270, 240}));
    c.back().checked = 1;
    c.push_back(row(Control::Label4, "Label4", Label, u"", {345, 690, 45, 195}));
    c.back().autoSize = true;
    c.push_back(row(Control::Command1, "Command1", CommandButton, u"", {240, 1020, 1575, 375}));
    c.push_back(
        row(Control::Command3, "Command3", CommandButton, u"Goto Tray", {2085, 1020, 1905, 375}));
    c.push_back(row(Control::Command2, "Command2", CommandButton, u"Tutup Aplikasi",
                    {4140, 1020, 1860, 360}));
    c.push_back(row(Control::Timer1, "Timer1", Timer, u"", {0, 0, 0, 0}));
    c.back().interval = 2000;
    c.push_back(row(Control::Tray1, "Tray1", UserControl, u"", {6045, 915, 510, 510}));
    c.back().createUserControl = std::move(createControl);
    c.back().storedProperties = {{u"icon", std::move(icon)}};
    return layout;
}

}  // namespace brenvik::testing
