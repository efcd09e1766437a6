#pragma once
// The simulated Windows: registry, window table and notification area, each behind
// the interface of the real one, with one record of their visible effects.
#include "platform/sim/effect_log.h"
#include "platform/sim/sim_registry.h"
#include "platform/sim/sim_shell.h"
#include "platform/sim/sim_windows.h"

namespace brenvik::sim {

struct SimWinApi {
    EffectLog effects;
    SimRegistry registry{effects};
    SimWindows windows{effects};
    SimShell shell{effects};
};

}  // namespace brenvik::sim
