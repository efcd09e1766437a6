#pragma once
// The now-playing text: the title of the player's main window.
#include <array>
#include <cstddef>
#include <string>

#include "platform/ansi.h"
#include "platform/window_api.h"

namespace brenvik {

// The title of the window of class "Winamp v1.x", read into a 260-byte buffer and
// cut at its first NUL; empty when the player isn't running or the read fails. The
// bytes are converted only when they differ from the last capture's.
class NowPlaying {
public:
    // The title's bytes at most; the buffer offered to the read holds them and the NUL.
    static constexpr std::size_t kTitleBytes = 259;

    // Valid until the next capture.
    const std::u16string& Capture(PlayerWindowApi& windows, const AnsiDecoder& ansi);

private:
    std::array<char, kTitleBytes> lastBytes_{};
    std::size_t lastLength_ = 0;
    std::u16string title_;
};

}  // namespace brenvik
