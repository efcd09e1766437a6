// Any position and screen scale reaching the Tray's window: at most one event, and
// one exactly when X over twips per pixel is one of the seven mouse messages from
// WM_MOUSEMOVE (512) to WM_RBUTTONDBLCLK (518), with the event and button of that message.
#include "forms/sim/sim_user_control_site.h"
#include "fuzz/fuzz_target.h"
#include "fuzz/fuzz_text.h"
#include "platform/sim/iconv_codec.h"
#include "platform/sim/sim_win_api.h"
#include "tray/tray.h"

namespace brenvik::fuzz {
namespace {

struct Raised {
    int event;
    std::int16_t button;
};

// By mouse message, from 512 on: the event raised and the button it carries.
constexpr Raised kExpected[] = {{Tray::kMouseMove, 0}, {Tray::kMouseDown, 1}, {Tray::kMouseUp, 1},
                                {Tray::kDblClick, 0},  {Tray::kMouseDown, 2}, {Tray::kMouseUp, 2},
                                {Tray::kDblClick, 0}};

}  // namespace

void TestOneInput(FuzzedDataProvider& input) {
    const auto button = input.ConsumeIntegral<std::int16_t>();
    const auto shift = input.ConsumeIntegral<std::int16_t>();
    const float twipsPerPixel = input.ConsumeFloatingPoint<float>();
    const float y = input.ConsumeFloatingPoint<float>();
    // Mostly a message times the scale, as the runtime computes it, so the
    // interesting quotients come up often; otherwise any position at all.
    const float x = input.ConsumeBool()
                        ? static_cast<float>(input.ConsumeIntegralInRange(500, 530)) * twipsPerPixel
                        : input.ConsumeFloatingPoint<float>();

    sim::SimWinApi api;
    static const sim::IconvCodec ansi;
    sim::SimUserControlSite site;
    Tray tray(api.shell, ansi, site);
    site.SetTwipsPerPixelX(twipsPerPixel);
    std::vector<Raised> raised;
    site.OnEvent([&raised](int event, forms::EventArgs& args) {
        raised.push_back({event, args.button});
        args.button = 99;  // a handler may change Button; the control doesn't look at it again
    });

    tray.OnWindowMouseMove(button, shift, x, y);

    const volatile float message = x / twipsPerPixel;
    const float m = message;
    Expect(raised.size() <= 1, "at most one event per call");
    const bool known = m >= 512 && m <= 518 && m == static_cast<float>(static_cast<int>(m));
    Expect(raised.size() == (known ? 1u : 0u), "an event exactly for the seven mouse messages");
    if (known) {
        const Raised& expected = kExpected[static_cast<int>(m) - 512];
        Expect(raised[0].event == expected.event && raised[0].button == expected.button,
               "the event and button of that message");
    }
    Expect(api.shell.Calls().empty(), "a mouse move calls no shell function");
}

}  // namespace brenvik::fuzz
