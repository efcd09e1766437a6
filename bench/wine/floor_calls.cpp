#include "bench/wine/floor_calls.h"

#include <cstdint>

#include "app/other_programs.h"

namespace brenvik::winbench {

using namespace other_programs;

void ReadPlayerTitle(win32::Win32Api& api, char (&title)[260]) {
    const Handle player = api.FindWindowA(BRENVIK_PLAYER_WINDOW_CLASS, nullptr);
    (void)api.GetWindowTextA(player, title, sizeof title);
}

void PublishDirectly(win32::Win32Api& api, std::string_view status) {
    Handle key = 0;
    std::uint8_t userId[255];
    std::uint32_t type = win::kRegSz, size = sizeof userId;
    (void)api.RegOpenKeyExA(win::kHkeyCurrentUser, BRENVIK_PAGER_SUB_KEY, 0, win::kKeyRead, &key);
    (void)api.RegQueryValueExA(key, BRENVIK_USER_ID_VALUE, nullptr, &type, userId, &size);
    (void)api.RegCloseKey(key);

    (void)api.RegOpenKeyExA(win::kHkeyCurrentUser, kCustomMessagesKey.c_str(), 0, win::kKeyWrite,
                            &key);
    (void)api.RegSetValueExA(key, BRENVIK_STATUS_VALUE, 0, win::kRegSz,
                             reinterpret_cast<const std::uint8_t*>(status.data()),
                             static_cast<std::uint32_t>(status.size()));
    (void)api.RegCloseKey(key);

    const std::uint8_t invisible[4] = {1, 0, 0, 0};
    (void)api.RegOpenKeyExA(win::kHkeyCurrentUser, kCustomMessagesKey.c_str(), 0, win::kKeyWrite,
                            &key);
    (void)api.RegSetValueExA(key, BRENVIK_INVISIBLE_VALUE, 0, win::kRegDword, invisible,
                             sizeof invisible);
    (void)api.RegCloseKey(key);

    const Handle messenger = api.FindWindowA(BRENVIK_MESSENGER_WINDOW_CLASS, nullptr);
    (void)api.PostMessageA(messenger, win::kWmCommand, kReadStatusCommand, 0);
}

}  // namespace brenvik::winbench
