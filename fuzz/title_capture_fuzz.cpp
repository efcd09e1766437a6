// Any title of the player's window, in a single- or double-byte code page: the
// capture is the title up to its first NUL, at most 259 bytes, converted back.
#include "app/now_playing.h"
#include "app/other_programs.h"
#include "fuzz/fuzz_target.h"
#include "fuzz/fuzz_text.h"
#include "platform/sim/iconv_codec.h"
#include "platform/sim/sim_win_api.h"

namespace brenvik::fuzz {

void TestOneInput(FuzzedDataProvider& input) {
    static const sim::IconvCodec westEuropean("CP1252");
    static const sim::IconvCodec japanese("CP932");
    const AnsiCodec& ansi = input.ConsumeBool() ? japanese : westEuropean;
    const bool playing = input.ConsumeIntegralInRange(0, 15) != 0;
    const std::string title = input.ConsumeRemainingBytesAsString();

    sim::SimWinApi api;
    api.windows.Create("Other class", "not this one");
    if (playing) api.windows.Create(BRENVIK_PLAYER_WINDOW_CLASS, title);
    NowPlaying nowPlaying;
    const std::u16string captured = nowPlaying.Capture(api.windows, ansi);

    if (!playing) {
        Expect(captured.empty(), "no player, no title");
        return;
    }
    const std::string bytes = title.substr(0, std::min<std::size_t>(title.find('\0'), 259));
    Expect(captured == ansi.FromAnsi(bytes), "the title up to its NUL, at most 259 bytes");
    Expect(captured.size() <= 259, "never more characters than bytes read");
}

}  // namespace brenvik::fuzz
