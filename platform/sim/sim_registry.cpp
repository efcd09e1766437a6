#include "platform/sim/sim_registry.h"

#include <algorithm>
#include <cstring>

namespace brenvik::sim {

namespace {
// Access rights that the registry functions check on a handle.
constexpr std::uint32_t kKeyQueryValue = 0x1;
constexpr std::uint32_t kKeySetValue = 0x2;
constexpr std::uint32_t kKeyAllAccess = 0xF003F;
constexpr std::uint32_t kMaximumAllowed = 0x02000000;

constexpr LResult kErrorBadPathname = 161;
constexpr LResult kErrorNoAccess = 998;
constexpr LResult kErrorKeyDeleted = 1018;

constexpr const char* kRootNames[] = {
    "HKEY_CLASSES_ROOT",     "HKEY_CURRENT_USER",   "HKEY_LOCAL_MACHINE", "HKEY_USERS",
    "HKEY_PERFORMANCE_DATA", "HKEY_CURRENT_CONFIG", "HKEY_DYN_DATA"};

// Registry names compare as Windows compares them, without regard to case; the
// simulation folds ASCII letters only.
char Fold(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; }
bool SameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](char x, char y) { return Fold(x) == Fold(y); });
}

bool IsStringType(std::uint32_t type) {
    return type == 1 || type == 2 || type == 7;
}  // SZ, EXPAND_SZ, MULTI_SZ

// A sub-key path split into its names. Separators between and after names are
// skipped, as Windows does; a path may not begin with one.
bool SplitNames(std::string_view path, std::vector<std::string_view>& names) {
    if (!path.empty() && path.front() == '\\') return false;
    std::size_t i = 0;
    while (i < path.size()) {
        const std::size_t end = std::min(path.find('\\', i), path.size());
        names.push_back(path.substr(i, end - i));
        i = end;
        while (i < path.size() && path[i] == '\\') ++i;
    }
    return true;
}

std::size_t IndexOf(RegFunction function) { return static_cast<std::size_t>(function); }
}  // namespace

struct SimRegistry::Key {
    std::string name;  // as first spelled
    std::weak_ptr<Key> parent;
    std::vector<std::shared_ptr<Key>> children;
    std::vector<std::pair<std::string, StoredValue>> values;  // (name as first spelled, value)
    bool isRoot = false;
    bool deleted = false;

    std::shared_ptr<Key> Child(std::string_view childName) const {
        for (const auto& child : children)
            if (SameName(child->name, childName)) return child;
        return nullptr;
    }
    std::pair<std::string, StoredValue>* Value(std::string_view valueName) {
        for (auto& named : values)
            if (SameName(named.first, valueName)) return &named;
        return nullptr;
    }
};

SimRegistry::SimRegistry(EffectLog& effects) : effects_(effects) {
    for (std::size_t i = 0; i < roots_.size(); ++i) {
        roots_[i] = std::make_shared<Key>();
        roots_[i]->name = kRootNames[i];
        roots_[i]->isRoot = true;
    }
}

SimRegistry::~SimRegistry() = default;

std::optional<LResult> SimRegistry::Enter(RegFunction function) {
    const std::size_t count = ++calls_[IndexOf(function)];
    for (const Fault& fault : faults_)
        if (fault.function == function && (fault.nth == 0 || fault.nth == count)) return fault.code;
    return std::nullopt;
}

void SimRegistry::FailCall(RegFunction function, LResult code, std::size_t nth) {
    faults_.push_back({function, code, nth == 0 ? 0 : calls_[IndexOf(function)] + nth});
}

std::size_t SimRegistry::CallCount() const {
    std::size_t total = 0;
    for (std::size_t count : calls_) total += count;
    return total;
}

std::size_t SimRegistry::CallCount(RegFunction function) const { return calls_[IndexOf(function)]; }

LResult SimRegistry::Resolve(Handle handle, std::uint32_t access, std::shared_ptr<Key>& key) const {
    if (handle >= win::kHkeyClassesRoot && handle <= win::kHkeyDynData) {
        key = roots_[handle - win::kHkeyClassesRoot];
        return win::kErrorSuccess;
    }
    const auto it = handles_.find(handle);
    if (it == handles_.end()) return win::kErrorInvalidHandle;
    if (it->second.key->deleted) return kErrorKeyDeleted;
    if ((it->second.access & access) != access) return win::kErrorAccessDenied;
    key = it->second.key;
    return win::kErrorSuccess;
}

Handle SimRegistry::NewHandle(std::shared_ptr<Key> key, std::uint32_t access) {
    const Handle handle = nextHandle_;
    nextHandle_ += 4;
    handles_[handle] = {std::move(key), access};
    return handle;
}

std::string SimRegistry::PathOf(const Key& key) {
    std::string path = key.name;
    for (auto parent = key.parent.lock(); parent; parent = parent->parent.lock())
        path = parent->name + "\\" + path;
    return path;
}

LResult SimRegistry::RegOpenKeyExA(Handle key, const char* subKey, std::uint32_t,
                                   std::uint32_t access, Handle* result) {
    if (auto fault = Enter(RegFunction::OpenKeyEx)) {
        if (result != nullptr) *result = 0;
        return *fault;
    }
    if (result == nullptr) return win::kErrorInvalidParameter;
    *result = 0;
    std::string_view path = subKey != nullptr ? subKey : "";
    // Classes root names may begin with a separator.
    if (key == win::kHkeyClassesRoot && !path.empty() && path.front() == '\\')
        path.remove_prefix(1);
    std::shared_ptr<Key> parent;
    // Opening below a key needs no right on the parent handle.
    if (const LResult code = Resolve(key, 0, parent)) return code;
    // A predefined root opened by itself is its own handle.
    if (path.empty() && parent->isRoot) {
        *result = key;
        return win::kErrorSuccess;
    }
    if (key == win::kHkeyPerformanceData) return win::kErrorInvalidHandle;  // it has no sub-keys
    std::vector<std::string_view> names;
    if (!SplitNames(path, names)) return kErrorBadPathname;
    std::shared_ptr<Key> found = parent;
    for (std::string_view name : names)
        if (!(found = found->Child(name))) return win::kErrorFileNotFound;
    *result = NewHandle(found, (access & kMaximumAllowed) != 0 ? kKeyAllAccess : access);
    return win::kErrorSuccess;
}

LResult SimRegistry::RegCreateKeyA(Handle key, const char* subKey, Handle* result) {
    if (auto fault = Enter(RegFunction::CreateKey)) {
        if (result != nullptr) *result = 0;
        return *fault;
    }
    if (result == nullptr) return win::kErrorInvalidParameter;
    *result = 0;
    std::shared_ptr<Key> parent;
    if (key == win::kHkeyPerformanceData) return win::kErrorInvalidHandle;
    if (const LResult code = Resolve(key, 0, parent)) return code;
    std::vector<std::string_view> names;
    if (!SplitNames(subKey != nullptr ? subKey : "", names)) return kErrorBadPathname;
    std::shared_ptr<Key> found = parent;
    bool created = false;
    for (std::string_view name : names) {
        std::shared_ptr<Key> child = found->Child(name);
        if (!child) {
            child = std::make_shared<Key>();
            child->name = std::string(name);
            child->parent = found;
            found->children.push_back(child);
            created = true;
        }
        found = child;
    }
    if (created) effects_.Record("RegCreateKeyA " + PathOf(*found));
    *result = NewHandle(found, kKeyAllAccess);
    return win::kErrorSuccess;
}

LResult SimRegistry::RegQueryValueExA(Handle key, const char* valueName, std::uint32_t* reserved,
                                      std::uint32_t* type, std::uint8_t* data,
                                      std::uint32_t* dataSize) {
    if (auto fault = Enter(RegFunction::QueryValueEx)) return *fault;
    if ((data != nullptr && dataSize == nullptr) || reserved != nullptr)
        return win::kErrorInvalidParameter;
    if (key == 0) return win::kErrorInvalidHandle;
    const std::uint32_t room = dataSize != nullptr ? *dataSize : 0;
    // A size query starts from 0, and the type reads as REG_NONE until a value is found.
    if (data == nullptr && dataSize != nullptr) *dataSize = 0;
    if (type != nullptr) *type = 0;
    std::shared_ptr<Key> found;
    if (const LResult code = Resolve(key, kKeyQueryValue, found)) return code;
    const auto* named = found->Value(valueName != nullptr ? valueName : "");
    if (named == nullptr) return win::kErrorFileNotFound;
    const StoredValue* value = &named->second;

    const auto size = static_cast<std::uint32_t>(value->data.size());
    LResult code = win::kErrorSuccess;
    if (data != nullptr && size > 0) {
        if (size > room) {
            code = win::kErrorMoreData;
        } else {
            std::memcpy(data, value->data.data(), size);
            // A string stored without its NUL gets one when the buffer has room for it.
            if (IsStringType(value->type) && size < room && data[size - 1] != 0) data[size] = 0;
        }
    }
    if (type != nullptr) *type = value->type;
    if (dataSize != nullptr) *dataSize = size;
    return code;
}

LResult SimRegistry::RegSetValueExA(Handle key, const char* valueName, std::uint32_t,
                                    std::uint32_t type, const std::uint8_t* data,
                                    std::uint32_t dataSize) {
    if (auto fault = Enter(RegFunction::SetValueEx)) return *fault;
    if (data == nullptr && dataSize > 0) return kErrorNoAccess;
    // A string counted without its NUL is stored with it when a NUL follows it in
    // memory, as Windows does (and so reads the byte after the data, like Windows).
    if (IsStringType(type) && dataSize > 0 && data[dataSize - 1] != 0 && data[dataSize] == 0)
        ++dataSize;
    if (key == 0 || key == win::kHkeyPerformanceData) return win::kErrorInvalidHandle;
    std::shared_ptr<Key> found;
    if (const LResult code = Resolve(key, kKeySetValue, found)) return code;
    const std::string_view name = valueName != nullptr ? valueName : "";
    auto* named = found->Value(name);
    if (named == nullptr) named = &found->values.emplace_back(std::string(name), StoredValue{});
    named->second = {type, std::vector<std::uint8_t>(data, data + dataSize)};
    effects_.Record("RegSetValueExA " + PathOf(*found) + " " + named->first);
    return win::kErrorSuccess;
}

LResult SimRegistry::RegDeleteKeyA(Handle key, const char* subKey) {
    if (auto fault = Enter(RegFunction::DeleteKey)) return *fault;
    if (subKey == nullptr) return win::kErrorInvalidParameter;
    if (key == win::kHkeyPerformanceData) return win::kErrorInvalidHandle;
    std::shared_ptr<Key> parent;
    if (const LResult code = Resolve(key, 0, parent)) return code;
    std::vector<std::string_view> names;
    if (!SplitNames(subKey, names)) return kErrorBadPathname;
    std::shared_ptr<Key> found = parent;
    for (std::string_view name : names)
        if (!(found = found->Child(name))) return win::kErrorFileNotFound;
    // Only a key without sub-keys can go, and never a root.
    if (found->isRoot || !found->children.empty()) return win::kErrorAccessDenied;
    effects_.Record("RegDeleteKeyA " + PathOf(*found));
    auto owner = found->parent.lock();
    std::erase(owner->children, found);
    // Handles still open on it stay valid to close, and report the key as deleted.
    found->deleted = true;
    return win::kErrorSuccess;
}

void SimRegistry::DeleteTree(std::string_view path) {
    const std::shared_ptr<Key> found = FindPath(path);
    if (!found || found->isRoot) return;
    const auto markDeleted = [](auto& self, Key& key) -> void {
        key.deleted = true;
        for (auto& child : key.children) self(self, *child);
    };
    markDeleted(markDeleted, *found);
    std::erase(found->parent.lock()->children, found);
}

LResult SimRegistry::RegCloseKey(Handle key) {
    if (auto fault = Enter(RegFunction::CloseKey)) return *fault;
    if (key == 0) return win::kErrorInvalidHandle;
    if (key >= win::kHkeyClassesRoot) return win::kErrorSuccess;  // the predefined roots stay open
    return handles_.erase(key) == 1 ? win::kErrorSuccess : win::kErrorInvalidHandle;
}

std::shared_ptr<SimRegistry::Key> SimRegistry::FindPath(std::string_view path) const {
    const std::size_t separator = std::min(path.find('\\'), path.size());
    std::shared_ptr<Key> found;
    for (const auto& root : roots_)
        if (SameName(root->name, path.substr(0, separator))) found = root;
    if (!found) return nullptr;
    std::vector<std::string_view> names;
    if (separator < path.size() && !SplitNames(path.substr(separator + 1), names)) return nullptr;
    for (std::string_view name : names)
        if (!(found = found->Child(name))) return nullptr;
    return found;
}

std::optional<StoredValue> SimRegistry::FindValue(std::string_view path,
                                                  std::string_view valueName) const {
    const std::shared_ptr<Key> key = FindPath(path);
    if (!key) return std::nullopt;
    if (const auto* named = key->Value(valueName)) return named->second;
    return std::nullopt;
}

}  // namespace brenvik::sim
