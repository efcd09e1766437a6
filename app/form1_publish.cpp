// Publication of the status text as the messenger's custom status message 5.
#include "app/form1.h"
#include "app/value_write_watch.h"
#include "registry/reg_routine.h"

namespace brenvik {

namespace {
constexpr char16_t kPagerKey[] = u"HKEY_CURRENT_USER\\Software\\Yahoo\\pager";
constexpr std::uint32_t kCustomMessageCommand = 392;

// A user ID names a profile unless its read failed ("Error"), gave nothing, or gave a
// name that would lead out of the profiles key.
bool NamesAProfile(const std::u16string& userId) {
    return !userId.empty() && userId != u"Error" && userId.find(u'\\') == std::u16string::npos;
}
}  // namespace

void Form1::SetBrenvik(const std::u16string& Teks) {
    // Unchanged and nothing owed: no registry access, no post.
    if (Teks == LastStatus && !publicationOwed_) return;

    // The accessor reports no failed write; the watch sees Windows' answer to each one.
    ValueWriteWatch watch(platform_.api);
    registry::RegRoutine accessor({watch, platform_.ansi, platform_.messageBox});
    std::u16string entry = u"Yahoo! User ID";
    const std::u16string userId = registry::AsText(accessor.GetStringValue(kPagerKey, entry));
    // Without a user there is no profile to write to; LastStatus stays, so the next tick tries
    // again.
    if (!NamesAProfile(userId)) return;

    const std::u16string profileKey = kPagerKey + (u"\\profiles\\" + userId) + u"\\Custom Msgs";
    // From the first write on, the registry may hold values that were never announced,
    // until a publication finishes.
    publicationOwed_ = true;
    entry = u"5";
    accessor.SetStringValue(profileKey, entry, Teks);
    entry = u"5_DND";
    accessor.SetDWORDValue(profileKey, entry, Check1.Value() == 1 ? 1 : 0);
    // A value that the registry refused is not announced: LastStatus keeps the text
    // that went out last, and the next tick publishes in full, even a text equal to it.
    if (watch.ValuesWritten() != 2) return;

    // Posted, not sent: the messenger is not waited for. With no messenger there is no one
    // to tell (a post to window 0 would land in our own queue). A post that Windows refuses
    // (the messenger runs elevated, or its queue is full) told no one: as for a refused
    // write, LastStatus stays and the next tick publishes in full.
    const Handle messenger = platform_.api.FindWindowA("YahooBuddyMain", nullptr);
    if (messenger != 0 &&
        !platform_.api.PostMessageA(messenger, win::WM_COMMAND, kCustomMessageCommand, 0))
        return;

    Label4.SetCaption(u"Preview: " + Teks);
    LastStatus = Teks;
    publicationOwed_ = false;
}

}  // namespace brenvik
