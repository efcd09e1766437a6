#pragma once
// The values every Windows function of the seams passes.
#include <cstdint>

namespace brenvik {

// Window and registry handles are 32-bit values on every Windows Brenvik runs on.
using Handle = std::uint32_t;
using LResult = std::int32_t;  // a registry call's Windows error code, 0 on success

}  // namespace brenvik
