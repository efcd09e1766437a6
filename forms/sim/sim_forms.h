#pragma once
// A headless forms runtime: the window and its controls as plain state, with every
// visible change recorded in the effect log, and timers that a test fires.
#include <map>
#include <memory>
#include <string>

#include "forms/forms.h"
#include "forms/pixel_layout.h"
#include "platform/sim/effect_log.h"

namespace brenvik::sim {

class SimForm;

class SimRuntime final : public forms::Runtime {
public:
    // Its forms start at `dpi`.
    explicit SimRuntime(EffectLog& effects, int dpi = forms::kStandardDpi)
        : effects_(effects), dpi_(dpi) {}

    std::unique_ptr<forms::Form> LoadForm(const forms::FormLayout& layout) override;
    forms::PictureRef ProgramIcon() override;
    void End() override;

    bool Ended() const { return ended_; }
    // The forms loaded from now on run at a higher integrity level than other programs.
    void RunElevated() { elevated_ = true; }
    // The form loaded last, for a test to drive and inspect.
    SimForm& LoadedForm();

private:
    EffectLog& effects_;
    int dpi_;
    SimForm* form_ = nullptr;
    bool ended_ = false;
    bool elevated_ = false;
};

}  // namespace brenvik::sim
