// Any tip, in a single- or double-byte code page: the 64-byte szTip field always
// holds a NUL, with only spaces after it, whether made directly or through the
// Tray's ToolTip assignment and a later show.
#include <algorithm>

#include "forms/sim/sim_user_control_site.h"
#include "fuzz/fuzz_target.h"
#include "fuzz/fuzz_text.h"
#include "platform/sim/iconv_codec.h"
#include "platform/sim/sim_win_api.h"
#include "platform/text.h"
#include "tray/tray.h"

namespace brenvik::fuzz {
namespace {

constexpr int kSzTip = 24;

// The field holds a NUL; after the last one only the padding's spaces follow (a tip
// may hold NUL characters of its own, which end it early for the shell).
template <typename Bytes>
void ExpectTerminatedTip(const Bytes& field, const char* where) {
    const auto lastNul = std::find(field.rbegin(), field.rend(), 0);
    Expect(lastNul != field.rend(), where);
    Expect(std::all_of(field.rbegin(), lastNul, [](auto byte) { return byte == ' '; }),
           "only spaces after the NUL");
}

std::array<std::uint8_t, NotifyIconData::kTipSize> SzTipOf(const sim::ShellCall& call) {
    std::array<std::uint8_t, NotifyIconData::kTipSize> field;
    std::copy_n(call.record.begin() + kSzTip, field.size(), field.begin());
    return field;
}

}  // namespace

void TestOneInput(FuzzedDataProvider& input) {
    static const sim::IconvCodec westEuropean("CP1252");
    static const sim::IconvCodec japanese("CP932");
    const AnsiCodec& ansi = input.ConsumeBool() ? japanese : westEuropean;
    const std::u16string tip = RemainingText(input);

    const NotifyIconData::TipField field = MakeTipField(ansi, tip);
    ExpectTerminatedTip(field, "the field made from the tip holds a NUL");
    const std::string whole = ansi.ToAnsi(tip);
    if (whole.size() < NotifyIconData::kTipSize && whole.find('\0') == std::string::npos)
        Expect(std::equal(whole.begin(), whole.end(), field.begin(),
                          [](char byte, std::uint8_t kept) {
                              return static_cast<std::uint8_t>(byte) == kept;
                          }) &&
                   field[whole.size()] == 0,
               "a tip that fits is kept whole");

    sim::SimWinApi api;
    sim::SimUserControlSite site;
    Tray tray(api.shell, ansi, site);
    site.Attach(tray);
    tray.InitDefaults();
    tray.SetToolTip(tip);
    Expect(tray.ToolTip() == text::TrimSpaces(tip),
           "ToolTip reads the tip without spaces at either end");
    ExpectTerminatedTip(SzTipOf(api.shell.Calls().back()), "the modify's szTip holds a NUL");
    tray.SetVisible(true);
    ExpectTerminatedTip(SzTipOf(api.shell.Calls().back()), "the add's szTip holds a NUL");
    tray.OnTerminate();
}

}  // namespace brenvik::fuzz
