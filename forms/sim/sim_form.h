#pragma once
// A loaded window of the headless runtime: its controls by name, its visibility,
// and the user controls it hosts.
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

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

    forms::TextBox& TextBoxNamed(std::string_view name) override;
    forms::Label& LabelNamed(std::string_view name) override;
    forms::CommandButton& ButtonNamed(std::string_view name) override;
    forms::CheckBox& CheckBoxNamed(std::string_view name) override;
    forms::Timer& TimerNamed(std::string_view name) override;
    void OnUserControlEvent(std::string_view control,
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
    void Click(std::string_view button);
    bool ElapseTimer(std::string_view timer);  // true when a tick ran
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
    forms::PixelRect RectangleOf(std::string_view control) const;
    // The user control's site, to drive its window as the shell would.
    forms::UserControlSite& SiteOf(std::string_view control);
    forms::UserControl& UserControlNamed(std::string_view control);

private:
    template <typename T>
    using ByName = std::map<std::string, std::unique_ptr<T>, std::less<>>;
    struct Placed {
        forms::TwipsRect twips;
        const SimLabel* fitsTextOf;  // the label, when it fits its text
        forms::PixelRect pixels;
    };

    void Place(Placed& control) const;
    bool Hears(std::string_view message, Sender from) const;

    EffectLog& effects_;
    int dpi_;
    std::map<std::string, Placed, std::less<>> placed_;
    ByName<SimTextBox> textBoxes_;
    ByName<SimLabel> labels_;
    ByName<SimButton> buttons_;
    ByName<SimCheckBox> checkBoxes_;
    ByName<SimTimer> timers_;
    ByName<SimHostedControl> userControls_;
    std::function<void()> shellRestarted_;
    std::function<void()> startedAgain_;
    bool visible_ = false;
    bool loaded_ = true;
    bool elevated_;
    std::vector<std::string_view> letThrough_;  // the messages any level may send
};

}  // namespace brenvik::sim
