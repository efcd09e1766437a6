#include "forms/sim/sim_user_control_site.h"

namespace brenvik::sim {

void SimUserControlSite::Resize(float width, float height) {
    width_ = width;
    height_ = height;
    Resized();
}

// As a window does, a size that changes nothing raises no resize.
void SimUserControlSite::SetHeight(float twips) {
    if (twips == height_) return;
    height_ = twips;
    Resized();
}

void SimUserControlSite::SetWidth(float twips) {
    if (twips == width_) return;
    width_ = twips;
    Resized();
}

void SimUserControlSite::Resized() {
    if (control_) control_->OnResize();
}

void SimUserControlSite::RaiseEvent(int eventNumber, forms::EventArgs& args) {
    if (handler_) handler_(eventNumber, args);
}

}  // namespace brenvik::sim
