#include "bench/wine/floor_calls.h"

#include <cstdint>

namespace brenvik::winbench {

void ReadPlayerTitle(WinApi& api, char (&title)[260]) {
    const Handle player = api.FindWindowA("Winamp v1.x", nullptr);
    (void)api.GetWindowTextA(player, title, sizeof title);
}

void PublishDirectly(WinApi& api, std::string_view status) {
    Handle key = 0;
    std::uint8_t userId[255];
    std::uint32_t type = win::REG_SZ, size = sizeof userId;
    (void)api.RegOpenKeyExA(win::HKEY_CURRENT_USER, kPagerKey, 0, win::KEY_READ, &key);
    (void)api.RegQueryValueExA(key, "Yahoo! User ID", nullptr, &type, userId, &size);
    (void)api.RegCloseKey(key);

    (void)api.RegOpenKeyExA(win::HKEY_CURRENT_USER, kCustomMessagesKey, 0, win::KEY_WRITE, &key);
    (void)api.RegSetValueExA(key, "5", 0, win::REG_SZ,
                             reinterpret_cast<const std::uint8_t*>(status.data()),
                             static_cast<std::uint32_t>(status.size()));
    (void)api.RegCloseKey(key);

    const std::uint8_t invisible[4] = {1, 0, 0, 0};
    (void)api.RegOpenKeyExA(win::HKEY_CURRENT_USER, kCustomMessagesKey, 0, win::KEY_WRITE, &key);
    (void)api.RegSetValueExA(key, "5_DND", 0, win::REG_DWORD, invisible, sizeof invisible);
    (void)api.RegCloseKey(key);

    const Handle messenger = api.FindWindowA("YahooBuddyMain", nullptr);
    (void)api.PostMessageA(messenger, win::WM_COMMAND, 392, 0);
}

}  // namespace brenvik::winbench
