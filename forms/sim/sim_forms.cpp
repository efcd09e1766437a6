#include "forms/sim/sim_forms.h"

#include <stdexcept>

#include "forms/sim/sim_form.h"
#include "forms/sim/sim_user_control_site.h"

namespace brenvik::sim {

std::unique_ptr<forms::Form> SimRuntime::LoadForm(const forms::FormLayout& layout) {
    auto form = std::make_unique<SimForm>(effects_, layout);
    form_ = form.get();
    return form;
}

forms::PictureRef SimRuntime::ProgramIcon() { return std::make_shared<SimPicture>(0x2A0001); }

void SimRuntime::End() {
    ended_ = true;
    effects_.Record("Runtime.End");
}

SimForm& SimRuntime::LoadedForm() {
    if (form_ == nullptr) throw std::logic_error("no form loaded");
    return *form_;
}

}  // namespace brenvik::sim
