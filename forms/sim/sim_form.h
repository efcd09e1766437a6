#pragma once
// A loaded window of the headless runtime: its controls by identity, its visibility,
// and the user controls it hosts.
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "forms/controls_by_id.h"
#include "forms/forms.h"
#include "forms/pixel_layout.h"
#include "forms/sim/sim_controls.h"
#include "platform/sim/effect_log.h"

namespace brenvik::sim {

class SimHostedControl;

class SimForm final : public forms::Form {
public:
    // The window starts at `dpi`, above other programs' integrity level when `elevated`.
    SimForm(EffectLog& effects, const forms::FormLayout& layout, int dpi, bool elevated = false);
    ~SimForm() override;

    forms::TextBox& TextBoxOf(forms::ControlId id) override;
    forms::Label& LabelOf(forms::ControlId id) override;
    forms::CommandButton& ButtonOf(forms::ControlId id) override;
    forms::CheckBox& CheckBoxOf(forms::ControlId id) override;
    forms::Timer& TimerOf(forms::ControlId id) override;
    void OnUserControlEvent(forms::ControlId control,
                            std::function<void(int, forms::EventArgs&)> handler) override;
    void OnShellRestarted(std::function<void()> handler) override {
        shellRestarted_ = std::move(handler);
    }
    void OnStartedAgain(std::function<void()> handler) override {
        startedAgain_ = std::move(handler);
    }
    void Show() override;
    void Hide() override;
    void Unload() override;

    // What a user does and sees.
    void Click(forms::ControlId button);
    bool ElapseTimer(forms::ControlId timer);  // true when a tick ran
    bool Visible() const { return visible_; }
    bool Loaded() const { return loaded_; }
    // The close button: the runtime unloads the window.
    void Close() { Unload(); }
    // Where a message comes from. Windows hands an elevated window what a program of a
    // lower level sends only when the window has let that message through.
    enum class Sender { SameLevel, LowerLevel };
    // A new shell's broadcast: each user control puts its icon back, then the
    // window's handler runs.
    void ShellRestarted(Sender from = Sender::SameLevel);
    // Another start of the program asks this window to come forward.
    void StartedAgain(Sender from = Sender::SameLevel);
    // The window moved to a monitor of `dpi`: its controls take their places there. No
    // DPI a monitor has changes nothing.
    void DpiChanged(int dpi);
    int Dpi() const { return dpi_; }
    // Where a control that the window shows sits, in pixels of its client area. A
    // label that fits its text has the size of its caption in the headless font, whose
    // every character is 90 twips wide and whose line is 195 twips high.
    forms::PixelRect RectangleOf(forms::ControlId control) const;
    // The user control's site, to drive its window as the shell would.
    forms::UserControlSite& SiteOf(forms::ControlId control);
    forms::UserControl& UserControlOf(forms::ControlId control) override;

private:
    template <typename T>
    using ById = forms::ById<std::unique_ptr<T>>;
    struct Placed {
        forms::TwipsRect twips;
        const SimLabel* fitsTextOf;  // the label, when it fits its text
        forms::PixelRect pixels;
    };

    void Place(Placed& control) const;
    bool Hears(std::string_view message, Sender from) const;

    EffectLog& effects_;
    int dpi_;
    forms::ById<Placed> placed_;
    ById<SimTextBox> textBoxes_;
    ById<SimLabel> labels_;
    ById<SimButton> buttons_;
    ById<SimCheckBox> checkBoxes_;
    ById<SimTimer> timers_;
    ById<SimHostedControl> userControls_;
    std::function<void()> shellRestarted_;
    std::function<void()> startedAgain_;
    bool visible_ = false;
    bool loaded_ = true;
    bool elevated_;
};

}  // namespace brenvik::sim
