#include "platform/sim/sim_shell.h"

#include <algorithm>
#include <string>

namespace brenvik::sim {

std::uint32_t ShellCall::Field(int offset) const {
    return static_cast<std::uint32_t>(record[offset]) |
           static_cast<std::uint32_t>(record[offset + 1]) << 8 |
           static_cast<std::uint32_t>(record[offset + 2]) << 16 |
           static_cast<std::uint32_t>(record[offset + 3]) << 24;
}

bool SimShell::Shell_NotifyIconA(std::uint32_t message, std::uint8_t* notifyIconData) {
    ShellCall call{message, {}, false};
    std::copy_n(notifyIconData, call.record.size(), call.record.begin());
    const auto icon = std::make_pair(call.Field(4), call.Field(8));
    const bool known = icons_.count(icon) != 0;
    const bool sizeOk = call.Field(0) == win::kNotifyIconDataSize;
    if (available_) {
        switch (message) {
            case win::kNimAdd:
                call.succeeded = sizeOk && !known && icon.first != 0;
                if (call.succeeded) icons_.insert(icon);
                break;
            case win::kNimModify:
                call.succeeded = known;
                break;
            case win::kNimDelete:
                call.succeeded = known;
                icons_.erase(icon);
                break;
        }
    }
    calls_.push_back(call);
    static const char* const kNames[] = {"NIM_ADD", "NIM_MODIFY", "NIM_DELETE"};
    effects_.Record(std::string("Shell_NotifyIconA ") + (message < 3 ? kNames[message] : "?"));
    return call.succeeded;
}

}  // namespace brenvik::sim
