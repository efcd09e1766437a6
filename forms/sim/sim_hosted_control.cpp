#include "forms/sim/sim_hosted_control.h"

#include "forms/property_bag.h"

namespace brenvik::sim {

SimHostedControl::SimHostedControl(const forms::ControlLayout& row)
    : control_(row.createUserControl(site_)) {
    site_.Attach(*control_);
    forms::MemoryPropertyBag stored(row.storedProperties);
    control_->LoadProperties(stored);
    site_.Resize(static_cast<float>(row.place.width), static_cast<float>(row.place.height));
}

}  // namespace brenvik::sim
