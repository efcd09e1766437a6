#pragma once
// One program per logged-on user. The first start holds a mutex named in the user's own
// namespace (Local\), so that each user of a shared machine runs their own. A later
// start asks the running program's form to come forward, and ends.
#include <string_view>

namespace brenvik::win32 {

class OnePerUser {
public:
    // Takes the name `Local\<name>` for this process, unless another process of the
    // same user holds it.
    explicit OnePerUser(std::wstring_view name);
    ~OnePerUser();
    OnePerUser(const OnePerUser&) = delete;
    OnePerUser& operator=(const OnePerUser&) = delete;

    // False when an earlier start by the same user is still running.
    bool First() const { return first_; }

private:
    void* mutex_;
    bool first_;
};

// The message that asks a form to come forward: a form's window runs its "started
// again" handler when it gets it.
unsigned StartedAgainMessage();

// Posts the message to the running program's form, the form window with this caption,
// and lets that program take the foreground. The first start makes its window just
// after it takes the name, so this waits a little for the window to appear. False when
// none did.
bool AskRunningFormForward(std::u16string_view caption);

}  // namespace brenvik::win32
