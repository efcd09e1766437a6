// Any key path through each of RegRoutine's key and value operations, against the
// simulated registry. A malformed path is shown to the user exactly as given and
// makes no registry call; a well-formed one whose root is not one of the seven makes
// none either and shows nothing; no operation leaves a key open.
#include <array>
#include <string_view>

#include "fuzz/fuzz_target.h"
#include "fuzz/fuzz_text.h"
#include "fuzz/registry_operations.h"
#include "platform/sim/iconv_codec.h"
#include "platform/sim/sim_win_api.h"
#include "registry/reg_routine.h"
#include "tests/support/recording_message_box.h"

namespace brenvik::fuzz {
namespace {

constexpr std::array<std::u16string_view, 7> kRoots{
    u"HKEY_CLASSES_ROOT",     u"HKEY_CURRENT_USER",   u"HKEY_LOCAL_MACHINE", u"HKEY_USERS",
    u"HKEY_PERFORMANCE_DATA", u"HKEY_CURRENT_CONFIG", u"HKEY_DYN_DATA"};

bool IsRootName(std::u16string_view name) {
    for (std::u16string_view root : kRoots)
        if (name == root) return true;
    return false;
}

// The values the writes take: the same every time.
struct FixedValues {
    std::u16string String() { return u"abc"; }
    std::int32_t Dword() { return 1; }
    std::u16string Binary() { return u"\x01\x02"; }
};

}  // namespace

void TestOneInput(FuzzedDataProvider& input) {
    const auto operation =
        static_cast<RegOperation>(input.ConsumeIntegralInRange(0, kLastRegOperation));
    const std::u16string path = RemainingText(input);

    sim::SimWinApi api;
    static const sim::IconvCodec ansi;
    testing::RecordingMessageBox messageBox;
    registry::RegRoutine reg({api.registry, ansi, messageBox});

    std::u16string entry = u"5";
    FixedValues values;
    const registry::AccessorResult result = RunOperation(reg, operation, path, entry, values);

    const bool wellFormed = path.starts_with(u"HKEY_") && !path.ends_with(u'\\');
    const std::u16string_view rootName = std::u16string_view(path).substr(0, path.find(u'\\'));
    const bool reachesRegistry = wellFormed && IsRootName(rootName);
    if (wellFormed) {
        Expect(messageBox.prompts.empty(), "a well-formed path shows no message");
    } else {
        Expect(messageBox.prompts.size() == 1, "a malformed path shows one message");
        Expect(messageBox.prompts[0] == u"Incorrect Format:\n\n" + path,
               "the message shows the path as given");
    }
    if (!reachesRegistry) {
        Expect(api.registry.CallCount() == 0, "a refused path makes no registry call");
        Expect(std::holds_alternative<std::monostate>(result),
               "a refused path gives the empty result");
    } else if (IsRead(operation)) {
        Expect(!std::holds_alternative<std::monostate>(result),
               "a read on a known root gives a value or Error");
    } else {
        Expect(std::holds_alternative<std::monostate>(result), "a write gives the empty result");
    }
    Expect(api.registry.OpenKeyCount() == 0, "no key is left open");
    Expect((reg.GetMainKeyHandle(path) != 0) == IsRootName(path),
           "only the seven root names have a handle");
}

}  // namespace brenvik::fuzz
