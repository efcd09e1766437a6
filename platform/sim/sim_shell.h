#pragma once
// The notification area: records every Shell_NotifyIconA call with the record's 88
// bytes as they were at the call, and keeps the icons as the shell would, so that
// an add of a shown icon, or a modify or delete of a missing one, fails.
#include <array>
#include <cstdint>
#include <set>
#include <utility>
#include <vector>

#include "platform/shell_api.h"
#include "platform/sim/effect_log.h"

namespace brenvik::sim {

struct ShellCall {
    std::uint32_t message;
    std::array<std::uint8_t, win::kNotifyIconDataSize> record;
    bool succeeded;

    std::uint32_t Field(int offset) const;  // a 32-bit little-endian field of the record
};

class SimShell final : public ShellApi {
public:
    explicit SimShell(EffectLog& effects) : effects_(effects) {}

    bool Shell_NotifyIconA(std::uint32_t message, std::uint8_t* notifyIconData) override;

    const std::vector<ShellCall>& Calls() const { return calls_; }
    std::size_t IconCount() const { return icons_.size(); }
    // A shell that refuses every call, as when no notification area is running.
    void SetAvailable(bool available) { available_ = available; }
    // The shell restarted: every icon is gone until its owner adds it again.
    void Restart() { icons_.clear(); }

private:
    EffectLog& effects_;
    std::vector<ShellCall> calls_;
    std::set<std::pair<std::uint32_t, std::uint32_t>> icons_;  // (hWnd, uID)
    bool available_ = true;
};

}  // namespace brenvik::sim
