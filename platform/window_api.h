#pragma once
// Other programs' windows, as Brenvik meets them: the player's, found and read, and the
// messenger's, found and told. The functions carry their Windows names and their ANSI
// ("A") signatures.
#include <cstdint>

#include "platform/win_types.h"

namespace brenvik {

namespace win {
constexpr std::uint32_t kWmCommand = 0x111;
}  // namespace win

class WindowApi {
public:
    virtual ~WindowApi() = default;
    virtual Handle FindWindowA(const char* className, const char* windowName) = 0;
    virtual int GetWindowTextA(Handle window, char* buffer, int bufferSize) = 0;
    // False when Windows refused the post (a full queue, a program of a higher
    // integrity level).
    virtual bool PostMessageA(Handle window, std::uint32_t message, std::uint32_t wParam,
                              std::int32_t lParam) = 0;
};

}  // namespace brenvik
