#include "forms/sim/sim_form.h"

#include <algorithm>
#include <string_view>

#include "forms/sim/sim_hosted_control.h"

namespace brenvik::sim {

using forms::ControlOf;
using forms::EntryOf;

namespace {
// As a form's real window does, it hears the shell and another start from every level.
constexpr std::string_view kHeardFromEveryLevel[] = {"TaskbarCreated", "Brenvik.StartedAgain"};
}  // namespace

SimForm::SimForm(EffectLog& effects, const forms::FormLayout& layout, int dpi, bool elevated)
    : effects_(effects), dpi_(dpi), elevated_(elevated) {
    using forms::ControlKind;
    for (const auto& row : layout.controls) {
        const bool shown = row.kind != ControlKind::Timer && row.kind != ControlKind::UserControl;
        if (shown) placed_.emplace_back(row.id, Placed{row.place, nullptr, {}});
        switch (row.kind) {
            case ControlKind::TextBox:
                textBoxes_.emplace_back(row.id, std::make_unique<SimTextBox>(row.caption));
                break;
            case ControlKind::Label: {
                auto label = std::make_unique<SimLabel>(
                    effects_, row.name, row.caption,
                    [this, id = row.id] { Place(EntryOf(placed_, id)->second); });
                if (row.autoSize) EntryOf(placed_, row.id)->second.fitsTextOf = label.get();
                labels_.emplace_back(row.id, std::move(label));
                break;
            }
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
    for (auto& [id, control] : placed_) Place(control);
}

void SimForm::Place(Placed& control) const {
    control.pixels = forms::PixelsOf(control.twips, dpi_);
    if (control.fitsTextOf == nullptr) return;
    constexpr int kCharacterTwips = 90, kLineTwips = 195;
    const int characters = static_cast<int>(control.fitsTextOf->Caption().size());
    control.pixels.width = characters * forms::TwipsToPixels(kCharacterTwips, dpi_);
    control.pixels.height = forms::TwipsToPixels(kLineTwips, dpi_);
}

void SimForm::DpiChanged(int dpi) {
    if (!forms::IsMonitorDpi(dpi)) return;
    dpi_ = dpi;
    for (auto& [id, control] : placed_) Place(control);
    effects_.Record("Form.Dpi " + std::to_string(dpi));
}

forms::PixelRect SimForm::RectangleOf(forms::ControlId control) const {
    const auto it = EntryOf(placed_, control);
    if (it == placed_.end()) throw Failure({"The form has no such shown control."});
    return it->second.pixels;
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

bool SimForm::Hears(std::string_view message, Sender from) const {
    if (!loaded_) return false;
    if (!elevated_ || from == Sender::SameLevel) return true;
    return std::ranges::find(kHeardFromEveryLevel, message) != std::end(kHeardFromEveryLevel);
}

void SimForm::ShellRestarted(Sender from) {
    if (!Hears("TaskbarCreated", from)) return;
    for (auto& [id, control] : userControls_) control->Control().OnShellRestarted();
    if (shellRestarted_) shellRestarted_();
}

void SimForm::StartedAgain(Sender from) {
    if (Hears("Brenvik.StartedAgain", from) && startedAgain_) startedAgain_();
}

forms::UserControlSite& SimForm::SiteOf(forms::ControlId control) {
    return ControlOf(userControls_, control, "user control").Site();
}

forms::UserControl& SimForm::UserControlOf(forms::ControlId control) {
    return ControlOf(userControls_, control, "user control").Control();
}

}  // namespace brenvik::sim
