#pragma once
// Test helpers take `Caller caller = Caller::current()` and open their body with
// `const auto trace = TraceCaller(caller);`: a failure inside the helper then names
// the test line that called it.
#include <gtest/gtest.h>
#include <source_location>

namespace brenvik::testing {

using Caller = std::source_location;

inline ::testing::ScopedTrace TraceCaller(const Caller& caller) {
    return ::testing::ScopedTrace(caller.file_name(), static_cast<int>(caller.line()),
                                  "called from here");
}

}  // namespace brenvik::testing
