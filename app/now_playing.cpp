#include "app/now_playing.h"

#include <algorithm>

#include "app/other_programs.h"

namespace brenvik {

namespace {
using TitleBuffer = std::array<char, NowPlaying::kTitleBytes + 1>;

// The title bytes before the first NUL, or none when the player isn't running or the
// read failed. The buffer starts as spaces, so a read that writes nothing leaves no NUL.
std::string_view ReadTitle(PlayerWindowApi& windows, TitleBuffer& buffer) {
    const Handle player = windows.FindWindowA(BRENVIK_PLAYER_WINDOW_CLASS, nullptr);
    if (player == 0) return {};
    buffer.fill(' ');
    windows.GetWindowTextA(
        player, buffer.data(),
        static_cast<int>(buffer.size()));  // length unused: the NUL ends the title
    const auto end = std::find(buffer.begin(), buffer.end(), '\0');
    if (end == buffer.end()) return {};
    return {buffer.data(), static_cast<std::size_t>(end - buffer.begin())};
}
}  // namespace

const std::u16string& NowPlaying::Capture(PlayerWindowApi& windows, const AnsiDecoder& ansi) {
    TitleBuffer buffer;
    const std::string_view title = ReadTitle(windows, buffer);
    // The same song as last time needs no conversion: the common tick allocates nothing.
    if (title != std::string_view(lastBytes_.data(), lastLength_)) {
        lastLength_ = title.copy(lastBytes_.data(), title.size());
        title_ = ansi.FromAnsi(title);
    }
    return title_;
}

}  // namespace brenvik
