#pragma once
// The error that the program's own code throws when Windows refuses what it can't do
// without, or when it is asked for what doesn't exist. Like a standard error it
// carries a message, but in a buffer of its own: the standard errors' strings bring
// a second string implementation into the program file.
#include <exception>
#include <initializer_list>
#include <string_view>

namespace brenvik {

class Failure : public std::exception {
public:
    // The parts joined, cut to the buffer's size.
    Failure(std::initializer_list<std::string_view> parts) noexcept;
    const char* what() const noexcept override { return message_; }

private:
    char message_[160];
};

}  // namespace brenvik
