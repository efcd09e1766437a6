#include "app/messenger_status.h"

#include "app/other_programs.h"
#include "app/value_write_watch.h"
#include "registry/reg_routine.h"

namespace brenvik {

namespace {
using namespace other_programs;
constexpr char16_t kPagerKey[] = u"" BRENVIK_PAGER_KEY_PATH;

// A user ID names a profile unless its read failed ("Error"), gave nothing, or gave a
// name that would lead out of the profiles key.
bool NamesAProfile(const std::u16string& userId) {
    return !userId.empty() && userId != u"Error" && userId.find(u'\\') == std::u16string::npos;
}
}  // namespace

bool MessengerStatus::Publish(const std::u16string& text, bool invisible) {
    // The accessor reports no failed write; the watch sees Windows' answer to each one.
    ValueWriteWatch watch(registry_.registry);
    registry::RegRoutine accessor({watch, registry_.ansi, registry_.messageBox});
    std::u16string entry(u"" BRENVIK_USER_ID_VALUE);
    const std::u16string userId = registry::AsText(accessor.GetStringValue(kPagerKey, entry));
    // Without a user there is no profile to write to, and nothing has been written.
    if (!NamesAProfile(userId)) return false;

    const std::u16string profileKey = CustomMessagesKey(kPagerKey, userId);
    // From the first write on, the registry may hold values that were never announced,
    // until a publication finishes.
    owed_ = true;
    int writesMeant = 0;
    entry = u"" BRENVIK_STATUS_VALUE;
    accessor.SetStringValue(profileKey, entry, text);
    ++writesMeant;
    entry = u"" BRENVIK_INVISIBLE_VALUE;
    accessor.SetDWORDValue(profileKey, entry, invisible ? 1 : 0);
    ++writesMeant;
    // A value that the registry refused is not announced.
    if (watch.ValuesWritten() != writesMeant) return false;

    // Posted, not sent: the messenger is not waited for. With no messenger there is no one
    // to tell (a post to window 0 would land in our own queue). A post that Windows refuses
    // (the messenger runs elevated, or its queue is full) told no one.
    const Handle messenger = windows_.FindWindowA(BRENVIK_MESSENGER_WINDOW_CLASS, nullptr);
    if (messenger != 0 && !windows_.PostMessageA(messenger, win::kWmCommand, kReadStatusCommand, 0))
        return false;
    owed_ = false;
    return true;
}

}  // namespace brenvik
