#pragma once
// A message that RegisterWindowMessage names, by the identifier it gave. It gives 0
// when it can't register one, and 0 is WM_NULL, which Windows sends to learn whether
// a window still answers: a message that could not be registered matches none.

namespace brenvik::win32 {

class RegisteredMessage {
public:
    explicit constexpr RegisteredMessage(unsigned id) : id_(id) {}

    constexpr bool Is(unsigned message) const { return id_ != 0 && message == id_; }
    constexpr unsigned Id() const { return id_; }

private:
    unsigned id_;
};

}  // namespace brenvik::win32
