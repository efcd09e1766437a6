// Key paths: a root name, optionally followed by "\" and a sub-key.
#include <array>
#include <string_view>

#include "registry/reg_routine.h"

namespace brenvik::registry {

namespace {
struct RootName {
    std::u16string_view name;
    Handle handle;
};
constexpr std::array<RootName, 7> kRootNames{{
    {u"HKEY_CLASSES_ROOT", win::kHkeyClassesRoot},
    {u"HKEY_CURRENT_USER", win::kHkeyCurrentUser},
    {u"HKEY_LOCAL_MACHINE", win::kHkeyLocalMachine},
    {u"HKEY_USERS", win::kHkeyUsers},
    {u"HKEY_PERFORMANCE_DATA", win::kHkeyPerformanceData},
    {u"HKEY_CURRENT_CONFIG", win::kHkeyCurrentConfig},
    {u"HKEY_DYN_DATA", win::kHkeyDynData},
}};

constexpr std::u16string_view kRootPrefix = u"HKEY_";
constexpr char16_t kSeparator = u'\\';
}  // namespace

std::int32_t RegRoutine::GetMainKeyHandle(const std::u16string& MainKeyName) const {
    for (const RootName& root : kRootNames)
        if (MainKeyName == root.name) return static_cast<std::int32_t>(root.handle);
    return 0;
}

void RegRoutine::SplitKeyPath(std::u16string& path, std::int32_t& root) {
    const std::size_t separator = path.find(kSeparator);
    if (!path.starts_with(kRootPrefix) || path.ends_with(kSeparator)) {
        access_.messageBox.Show(u"Incorrect Format:\n\n" + path);
        root = 0;
        return;
    }
    if (separator == std::u16string::npos) {
        root = GetMainKeyHandle(path);
        path.clear();
        return;
    }
    root = GetMainKeyHandle(path.substr(0, separator));
    path.erase(0, separator + 1);  // only the first separator goes; a second one stays
}

}  // namespace brenvik::registry
