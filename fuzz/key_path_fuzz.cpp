// Any key path through each of RegRoutine's key and value operations, against the
// simulated registry. A malformed path is shown to the user exactly as given and
// makes no registry call; a well-formed one whose root is not one of the seven makes
// none either and shows nothing; no operation leaves a key open.
#include <array>
#include <string_view>

#include "fuzz/fuzz_text.h"
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

enum class Operation {
    GetString,
    SetString,
    GetDword,
    SetDword,
    GetBinary,
    SetBinary,
    CreateKey,
    DeleteKey
};

registry::AccessorResult Run(registry::RegRoutine& reg, Operation operation,
                             const std::u16string& path) {
    std::u16string entry = u"5";
    switch (operation) {
        case Operation::GetString:
            return reg.GetStringValue(path, entry);
        case Operation::SetString:
            return reg.SetStringValue(path, entry, u"abc");
        case Operation::GetDword:
            return reg.GetDWORDValue(path, entry);
        case Operation::SetDword:
            return reg.SetDWORDValue(path, entry, 1);
        case Operation::GetBinary:
            return reg.GetBinaryValue(path, entry);
        case Operation::SetBinary:
            return reg.SetBinaryValue(path, entry, u"\x01\x02");
        case Operation::CreateKey:
            return reg.CreateKey(path);
        case Operation::DeleteKey:
            return reg.DeleteKey(path);
    }
    return {};
}

bool IsRead(Operation operation) {
    return operation == Operation::GetString || operation == Operation::GetDword ||
           operation == Operation::GetBinary;
}

}  // namespace
}  // namespace brenvik::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace brenvik;
    using namespace brenvik::fuzz;
    FuzzedDataProvider input(data, size);
    const auto operation = static_cast<Operation>(input.ConsumeIntegralInRange(0, 7));
    const std::u16string path = RemainingText(input);

    sim::SimWinApi api;
    static const sim::IconvCodec ansi;
    testing::RecordingMessageBox messageBox;
    registry::RegRoutine reg({api.registry, ansi, messageBox});

    const registry::AccessorResult result = Run(reg, operation, path);

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
    return 0;
}
