#pragma once
// One program per user session. The first start holds a mutex named in the session's
// own namespace (Local\), so that each session of a shared machine, with its own
// desktop and notification area, runs its own. A later start asks the running
// program's form to come forward, and ends.
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

private:
    void* mutex_;
    bool first_;
};

// The message that asks a form to come forward: a form's window runs its "started
// again" handler when it gets it.
RegisteredMessage StartedAgainMessage();

// Posts the message to the running program's form, the form window with this caption,
// and lets that program take the foreground. The first start makes its window just
// after it takes the name, so this waits a little for the window to appear. False when
// none did.
bool AskRunningFormForward(std::u16string_view caption);

}  // namespace brenvik::win32
