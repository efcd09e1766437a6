#pragma once
// The simulated Windows and headless window that the benchmarks run the program on:
// a messenger user "user1" in the registry, the player and the messenger running.
#include <string>

#include "app/other_programs.h"
#include "platform/platform.h"
#include "platform/sim/iconv_codec.h"
#include "platform/sim/sim_win_api.h"

namespace brenvik::bench {

// A message box that answers at once.
class SilentMessageBox final : public MessageBoxService {
public:
    void Show(const std::u16string&) override {}
};

struct BenchPlatform {
    BenchPlatform() {
        Handle pager = 0;
        api.registry.RegCreateKeyA(win::kHkeyCurrentUser, BRENVIK_PAGER_SUB_KEY, &pager);
        const std::string user = "user1";
        api.registry.RegSetValueExA(pager, BRENVIK_USER_ID_VALUE, 0, win::kRegSz,
                                    reinterpret_cast<const std::uint8_t*>(user.c_str()),
                                    static_cast<std::uint32_t>(user.size() + 1));
        api.registry.RegCloseKey(pager);
    }

    sim::SimWinApi api;
    sim::IconvCodec ansi;
    SilentMessageBox messageBox;
    Platform platform{Platform::Of(api.windows, api.registry, api.shell, ansi, messageBox)};
};

}  // namespace brenvik::bench
