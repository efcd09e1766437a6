#pragma once
// One policy for every window procedure: no exception leaves it, of whatever kind. One
// that reaches a procedure goes to `failed` (the forms runtime, which ends the message
// loop and throws it again from Run), and the message counts as handled.
#include <cstdint>
#include <exception>
#include <functional>

namespace brenvik::win32 {

using FailureSink = std::function<void(std::exception_ptr failure)>;

template <typename Body>
std::intptr_t AnswerWithoutThrowing(const FailureSink& failed, Body&& body) noexcept {
    try {
        return body();
    } catch (...) {
        if (failed) failed(std::current_exception());
        return 0;
    }
}

}  // namespace brenvik::win32
