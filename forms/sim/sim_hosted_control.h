#pragma once
// A user control on the headless window: made from its layout row on a site of its
// own, loaded from its stored properties and sized as the layout places it.
#include <memory>

#include "forms/forms.h"
#include "forms/sim/sim_user_control_site.h"

namespace brenvik::sim {

class SimHostedControl {
public:
    explicit SimHostedControl(const forms::ControlLayout& row);

    void SetEventHandler(SimUserControlSite::EventHandler handler) {
        site_.OnEvent(std::move(handler));
    }
    void Terminate() { control_->OnTerminate(); }
    SimUserControlSite& Site() { return site_; }
    forms::UserControl& Control() { return *control_; }

private:
    SimUserControlSite site_;
    std::unique_ptr<forms::UserControl> control_;
};

}  // namespace brenvik::sim
