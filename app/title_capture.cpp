#include "app/title_capture.h"

#include <algorithm>
#include <array>

namespace brenvik {

std::u16string CaptureNowPlaying(WinApi& api, const AnsiCodec& ansi) {
    const Handle player = api.FindWindowA("Winamp v1.x", nullptr);
    if (player == 0) return {};
    // The buffer holds 259 title bytes and the NUL. It starts as spaces, so a read
    // that writes nothing leaves no NUL: that read failed, and the title is empty.
    std::array<char, 260> buffer;
    buffer.fill(' ');
    api.GetWindowTextA(player, buffer.data(), static_cast<int>(buffer.size()));  // length unused: the NUL ends the title
    const auto end = std::find(buffer.begin(), buffer.end(), '\0');
    if (end == buffer.end()) return {};
    return ansi.FromAnsi(std::string_view(buffer.data(), static_cast<std::size_t>(end - buffer.begin())));
}

}  // namespace brenvik
