#include "tests/support/sim_backend.h"

namespace brenvik::testing {

std::unique_ptr<TestBackend> MakeTestBackend() { return std::make_unique<SimBackend>(); }

}  // namespace brenvik::testing
