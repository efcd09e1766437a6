#pragma once
// A headless forms runtime: the window and its controls as plain state, with every
// visible change recorded in the effect log, and timers that a test fires.
#include <memory>

#include "forms/forms.h"
#include "platform/sim/effect_log.h"

namespace brenvik::sim {

class SimForm;

class SimRuntime final : public forms::Runtime {
public:
    explicit SimRuntime(EffectLog& effects) : effects_(effects) {}

    std::unique_ptr<forms::Form> LoadForm(const forms::FormLayout& layout) override;
    forms::PictureRef ProgramIcon() override;
    void End() override;

    bool Ended() const { return ended_; }
    // The form loaded last, for a test to drive and inspect.
    SimForm& LoadedForm();

private:
    EffectLog& effects_;
    SimForm* form_ = nullptr;
    bool ended_ = false;
};

}  // namespace brenvik::sim
