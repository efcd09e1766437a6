#pragma once
// What Brenvik knows of the two programs it joins. The names are literals, written
// L"" BRENVIK_PLAYER_WINDOW_CLASS where a wide one is wanted (u"" for UTF-16).
#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>

#define BRENVIK_PLAYER_WINDOW_CLASS "Winamp v1.x"
#define BRENVIK_MESSENGER_WINDOW_CLASS "YahooBuddyMain"
// The messenger's settings, below HKEY_CURRENT_USER and as a whole key path.
#define BRENVIK_PAGER_SUB_KEY "Software\\Yahoo\\pager"
#define BRENVIK_PAGER_KEY_PATH "HKEY_CURRENT_USER\\" BRENVIK_PAGER_SUB_KEY
// The user ID, under the pager key; status 5 and its "invisible" flag, under the user's profile.
#define BRENVIK_USER_ID_VALUE "Yahoo! User ID"
#define BRENVIK_STATUS_VALUE "5"
#define BRENVIK_INVISIBLE_VALUE "5_DND"

namespace brenvik::other_programs {

// The WM_COMMAND identifier that makes the messenger read custom status 5 again.
inline constexpr std::uint32_t kReadStatusCommand = 392;

// The user's custom messages key below `pagerKey` (either form of the pager key).
template <typename Char>
std::basic_string<Char> CustomMessagesKey(
    const Char* pagerKey, std::type_identity_t<std::basic_string_view<Char>> userId) {
    const std::string_view profiles = "\\profiles\\", customMsgs = "\\Custom Msgs";
    std::basic_string<Char> key(pagerKey);
    key.append(profiles.begin(), profiles.end()).append(userId);
    return key.append(customMsgs.begin(), customMsgs.end());
}

}  // namespace brenvik::other_programs
