#pragma once
// GoogleTest's Notification (one thread lets others start) on a Windows event: the
// win32 thread model's C++ runtime has no std::mutex or std::condition_variable,
// which GoogleTest's own Notification is made of. Brenvik's tests start no thread.
// Included ahead of every file that includes GoogleTest (tests/CMakeLists.txt).
namespace testing::internal {

class Notification {
public:
    Notification();
    ~Notification();
    Notification(const Notification&) = delete;
    Notification& operator=(const Notification&) = delete;

    void Notify();
    void WaitForNotification();

private:
    void* event_;  // a manual-reset event, set by Notify
};

}  // namespace testing::internal
