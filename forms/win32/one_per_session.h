#pragma once
// One program per user session. The first start holds a mutex named in the session's
// own namespace (Local\), so that each session of a shared machine, with its own
// desktop and notification area, runs its own. A later start asks the running
// program's form to come forward, and ends.
#include <string>
#include <string_view>

#include "forms/win32/registered_message.h"

namespace brenvik::win32 {

class OnePerSession {
public:
    // Takes the name `Local\<name>` for this process, unless another process of the
    // same user session holds it.
    explicit OnePerSession(std::wstring_view name);
    ~OnePerSession();
    OnePerSession(const OnePerSession&) = delete;
    OnePerSession& operator=(const OnePerSession&) = delete;

    // False when an earlier start in the same user session is still running.
    bool First() const { return first_; }

    // A later start posts the started-again message to the running program's form,
    // the window of this class and caption, and lets that program take the foreground.
    // The first start makes its window just after it takes the name, so this waits a
    // little for the window to appear; and a program that is ending may hold the name
    // a moment after its window has gone, so meanwhile this start takes the name
    // whenever it is free, and is then the first.
    void AskRunningFormForwardOrTakeOver(std::u16string_view windowClass,
                                         std::u16string_view caption);

private:
    // Takes the name if no other process holds it. A later start holds no handle to
    // the mutex, so that it keeps no other start from taking the name.
    void TryTake();

    std::wstring name_;
    void* mutex_ = nullptr;
    bool first_ = false;
};

// The message that asks a form to come forward: a form's window runs its "started
// again" handler when it gets it.
RegisteredMessage StartedAgainMessage();

}  // namespace brenvik::win32
