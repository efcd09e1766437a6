// RegRoutine's operations in any order, on paths and value names drawn from a small
// vocabulary (so they meet the same keys again), with registry calls made to fail
// with the codes Windows gives: no operation leaves a key open, the writes always
// give the empty result, and the reads a value or "Error" whenever the path names a root.
#include <array>
#include <string_view>

#include "app/other_programs.h"
#include "fuzz/fuzz_target.h"
#include "fuzz/fuzz_text.h"
#include "fuzz/registry_operations.h"
#include "platform/sim/iconv_codec.h"
#include "platform/sim/sim_win_api.h"
#include "registry/reg_routine.h"
#include "tests/support/recording_message_box.h"

namespace brenvik::fuzz {
namespace {

constexpr std::array<std::u16string_view, 5> kRoots{u"HKEY_CURRENT_USER", u"HKEY_LOCAL_MACHINE",
                                                    u"HKEY_PERFORMANCE_DATA", u"HKEY_Current_User",
                                                    u"hkey_users"};
constexpr std::array<std::u16string_view, 7> kNames{u"Software", u"Yahoo", u"pager", u"SOFTWARE",
                                                    u"",         u"x y",   u"\u00e9"};
constexpr std::array<std::u16string_view, 5> kEntries{u"", u"" BRENVIK_STATUS_VALUE,
                                                      u"" BRENVIK_INVISIBLE_VALUE,
                                                      u"" BRENVIK_USER_ID_VALUE, u"\u00e9"};
constexpr std::array<brenvik::LResult, 8> kCodes{2, 5, 6, 87, 234, 1009, 1013, 1450};
// Every function but RegCloseKey: a close made to fail leaves its key open by design.
constexpr std::array<brenvik::sim::RegFunction, 5> kFailing{
    brenvik::sim::RegFunction::OpenKeyEx, brenvik::sim::RegFunction::CreateKey,
    brenvik::sim::RegFunction::QueryValueEx, brenvik::sim::RegFunction::SetValueEx,
    brenvik::sim::RegFunction::DeleteKey};

template <typename T, std::size_t N>
T Pick(FuzzedDataProvider& input, const std::array<T, N>& from) {
    return from[input.ConsumeIntegralInRange<std::size_t>(0, N - 1)];
}

std::u16string KeyPath(FuzzedDataProvider& input) {
    std::u16string path(Pick(input, kRoots));
    const int depth = input.ConsumeIntegralInRange(0, 4);
    for (int i = 0; i < depth; ++i) path.append(u"\\").append(Pick(input, kNames));
    if (input.ConsumeIntegralInRange(0, 15) == 0) path += u'\\';  // malformed
    return path;
}

// The values the writes take, drawn from the input.
struct DrawnValues {
    FuzzedDataProvider& input;
    std::u16string String() { return ShortText(input, 300); }
    std::int32_t Dword() { return input.ConsumeIntegral<std::int32_t>(); }
    std::u16string Binary() { return ShortText(input, 300); }
};

}  // namespace

void TestOneInput(FuzzedDataProvider& input) {
    sim::SimWinApi api;
    static const sim::IconvCodec ansi;
    testing::RecordingMessageBox messageBox;
    const registry::RegistryAccess access{api.registry, ansi, messageBox};
    auto reg = std::make_unique<registry::RegRoutine>(access);

    for (int step = 0; step < 64 && input.remaining_bytes() > 0; ++step) {
        if (input.ConsumeIntegralInRange(0, 7) == 0)
            api.registry.FailCall(Pick(input, kFailing), Pick(input, kCodes),
                                  input.ConsumeIntegralInRange(0, 3));
        if (input.ConsumeIntegralInRange(0, 15) == 0) api.registry.ClearFaults();
        if (input.ConsumeIntegralInRange(0, 15) == 0)
            reg = std::make_unique<registry::RegRoutine>(access);

        const std::u16string path = KeyPath(input);
        std::u16string entry(Pick(input, kEntries));
        const bool reachesRoot =
            !path.ends_with(u'\\') && reg->GetMainKeyHandle(path.substr(0, path.find(u'\\'))) != 0;
        const auto operation =
            static_cast<RegOperation>(input.ConsumeIntegralInRange(0, kLastRegOperation));
        DrawnValues values{input};
        const registry::AccessorResult result = RunOperation(*reg, operation, path, entry, values);
        Expect(api.registry.OpenKeyCount() == 0, "no key is left open");
        if (IsRead(operation) && reachesRoot)
            Expect(!std::holds_alternative<std::monostate>(result),
                   "a read on a root gives a value or Error");
        else
            Expect(std::holds_alternative<std::monostate>(result),
                   "writes and refused paths give the empty result");
    }
}

}  // namespace brenvik::fuzz
