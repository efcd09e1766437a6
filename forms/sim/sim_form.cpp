#include "forms/sim/sim_form.h"

#include "forms/sim/sim_hosted_control.h"

namespace brenvik::sim {

using forms::ControlOf;

SimForm::SimForm(EffectLog& effects, const forms::FormLayout& layout) : effects_(effects) {
    using forms::ControlKind;
    for (const auto& row : layout.controls) {
        switch (row.kind) {
            case ControlKind::TextBox:
                textBoxes_.emplace_back(row.id, std::make_unique<SimTextBox>(row.caption));
                break;
            case ControlKind::Label:
                labels_.emplace_back(row.id,
                                     std::make_unique<SimLabel>(effects_, row.name, row.caption));
                break;
            case ControlKind::CommandButton:
                buttons_.emplace_back(row.id,
                                      std::make_unique<SimButton>(effects_, row.name, row.caption));
                break;
            case ControlKind::CheckBox:
                checkBoxes_.emplace_back(row.id, std::make_unique<SimCheckBox>(row.checked));
                break;
            case ControlKind::Timer:
                timers_.emplace_back(row.id, std::make_unique<SimTimer>(effects_, row.name,
                                                                        row.interval, row.enabled));
                break;
            case ControlKind::UserControl:
                userControls_.emplace_back(row.id, std::make_unique<SimHostedControl>(row));
                break;
        }
    }
}

SimForm::~SimForm() {
    if (loaded_) Unload();
}

forms::TextBox& SimForm::TextBoxOf(forms::ControlId id) {
    return ControlOf(textBoxes_, id, "text box");
}
forms::Label& SimForm::LabelOf(forms::ControlId id) { return ControlOf(labels_, id, "label"); }
forms::CommandButton& SimForm::ButtonOf(forms::ControlId id) {
    return ControlOf(buttons_, id, "command button");
}
forms::CheckBox& SimForm::CheckBoxOf(forms::ControlId id) {
    return ControlOf(checkBoxes_, id, "check box");
}
forms::Timer& SimForm::TimerOf(forms::ControlId id) { return ControlOf(timers_, id, "timer"); }

void SimForm::OnUserControlEvent(forms::ControlId control,
                                 std::function<void(int, forms::EventArgs&)> handler) {
    ControlOf(userControls_, control, "user control").SetEventHandler(std::move(handler));
}

void SimForm::Show() {
    visible_ = true;
    effects_.Record("Form.Show");
}

void SimForm::Hide() {
    visible_ = false;
    effects_.Record("Form.Hide");
}

void SimForm::Unload() {
    if (!loaded_) return;
    loaded_ = false;
    visible_ = false;
    for (auto& [id, timer] : timers_) timer->SetEnabled(false);  // destroyed with the window
    for (auto& [id, control] : userControls_) control->Terminate();
    effects_.Record("Form.Unload");
}

void SimForm::Click(forms::ControlId button) {
    if (loaded_) ControlOf(buttons_, button, "command button").Click();
}

bool SimForm::ElapseTimer(forms::ControlId timer) {
    return loaded_ && ControlOf(timers_, timer, "timer").Elapse();
}

void SimForm::ShellRestarted() {
    if (!loaded_) return;
    for (auto& [id, control] : userControls_) control->Control().OnShellRestarted();
    if (shellRestarted_) shellRestarted_();
}

void SimForm::StartedAgain() {
    if (loaded_ && startedAgain_) startedAgain_();
}

forms::UserControlSite& SimForm::SiteOf(forms::ControlId control) {
    return ControlOf(userControls_, control, "user control").Site();
}

forms::UserControl& SimForm::UserControlOf(forms::ControlId control) {
    return ControlOf(userControls_, control, "user control").Control();
}

}  // namespace brenvik::sim
