#pragma once
// One ordered record of everything the simulated Windows and forms runtime were
// asked to do that the outside world would see, so that tests can check the order.
#include <string>
#include <vector>

namespace brenvik::sim {

class EffectLog {
public:
    void Record(std::string effect) { entries_.push_back(std::move(effect)); }
    const std::vector<std::string>& Entries() const { return entries_; }
    void Clear() { entries_.clear(); }

private:
    std::vector<std::string> entries_;
};

}  // namespace brenvik::sim
