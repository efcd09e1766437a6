#pragma once
// Other programs' windows, as Brenvik meets them, one interface for each program: the
// player's, found and read, and the messenger's, found and told. The functions carry
// their Windows names and their ANSI ("A") signatures; the real adapter and the
// simulation implement both, and each side is handed only its own.
#include <cstdint>

#include "platform/win_types.h"

namespace brenvik {

namespace win {
constexpr std::uint32_t kWmCommand = 0x111;
}  // namespace win

// The player side's: find the player's window, read its title.
class PlayerWindowApi {
public:
    virtual ~PlayerWindowApi() = default;
    virtual Handle FindWindowA(const char* className, const char* windowName) = 0;
    virtual int GetWindowTextA(Handle window, char* buffer, int bufferSize) = 0;
};

// The messenger side's: find the messenger's window, post to it.
class MessengerWindowApi {
public:
    virtual ~MessengerWindowApi() = default;
    virtual Handle FindWindowA(const char* className, const char* windowName) = 0;
    // False when Windows refused the post (a full queue, a program of a higher
    // integrity level).
    virtual bool PostMessageA(Handle window, std::uint32_t message, std::uint32_t wParam,
                              std::int32_t lParam) = 0;
};

}  // namespace brenvik
