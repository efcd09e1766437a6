#pragma once
// One program per user session. The first start holds a mutex named in the session's
// own namespace (Local\), so that each session of a shared machine, with its own
// desktop and notification area, runs its own. A later start asks the running
// program's form to come forward, and ends once that form has answered.
#include <string>
#include <string_view>

#include "forms/win32/owned.h"
#include "forms/win32/registered_message.h"

namespace brenvik::win32 {

// What a form answers to the started-again message when it comes forward (before the
// work of it, which a busy shell may hold up). Any other answer (a closing form's, a busy
// one's, DefWindowProc's 0) means it won't.
inline constexpr long kCameForward = 0x4272;

// The message that asks a form to come forward: a form's window answers kCameForward
// when it gets it, and runs its "started again" handler.
RegisteredMessage StartedAgainMessage();

// Lets a process take the foreground (user32's AllowSetForegroundWindow): Windows gives
// it to a window only when the program that has it (the start the user just made)
// allows it.
using AllowForeground = int(__stdcall*)(unsigned long processId);
AllowForeground UserAllowForeground();

// How a later start reaches the running form; tests give other ways.
struct ForwardWay {
    RegisteredMessage startedAgain = StartedAgainMessage();
    AllowForeground allowForeground = UserAllowForeground();
    unsigned answerMilliseconds = 1000;  // how long one form may take to answer
    unsigned waitMilliseconds = 5000;    // after this, no more asking
};

enum class LaterStart {
    Reached,   // the running form came forward: this start ends
    TookName,  // the name was let go of meanwhile: this start runs as the first
    NoAnswer,  // the name is held and no form answered in time
};

class OnePerSession {
public:
    // Takes the name `Local\<name>` for this process, unless another process of the
    // same user session holds it, or holds it out of this one's reach.
    explicit OnePerSession(std::wstring_view name);

    // False when an earlier start in the same user session is still running.
    bool First() const { return first_; }

    // A later start asks each form of this class and caption to come forward, and hands
    // it the foreground first. The first start makes its window just after it takes the
    // name, and a closing or hung one answers nothing, so this asks again until a form
    // answers or the wait is over; meanwhile it takes the name whenever it is free.
    [[nodiscard]] LaterStart AskRunningFormForwardOrTakeOver(std::u16string_view windowClass,
                                                             std::u16string_view caption,
                                                             const ForwardWay& way = {});

private:
    // Takes the name if no other process holds it. A later start holds no handle to
    // the mutex, so that it keeps no other start from taking the name.
    void TryTake();

    std::wstring name_;
    OwnedHandle mutex_;
    bool first_ = false;
};

}  // namespace brenvik::win32
