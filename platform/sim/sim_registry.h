#pragma once
// An in-memory registry that answers as Wine's advapi32 does: the seven predefined
// roots, key names compared without regard to case, handles with the access they
// were opened for, and Windows' error codes. Tests can look inside it, count its
// calls and open handles, and make chosen calls fail.
//
// Where it is simpler than Windows: names are compared and split as bytes, so only
// ASCII letters fold and a double-byte character whose second byte is a backslash would
// split a path; HKEY_PERFORMANCE_DATA holds no counter data (it refuses sub-keys and
// writes, as Windows does, but answers queries as an empty key).
#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/registry_api.h"
#include "platform/sim/effect_log.h"

namespace brenvik::sim {

// The registry functions, for counting calls and injecting faults.
enum class RegFunction { OpenKeyEx, CreateKey, QueryValueEx, SetValueEx, DeleteKey, CloseKey };

struct StoredValue {
    std::uint32_t type;
    std::vector<std::uint8_t> data;
};

class SimRegistry final : public RegistryApi {
public:
    explicit SimRegistry(EffectLog& effects);
    ~SimRegistry() override;
    SimRegistry(const SimRegistry&) = delete;
    SimRegistry& operator=(const SimRegistry&) = delete;

    LResult RegOpenKeyExA(Handle key, const char* subKey, std::uint32_t options,
                          std::uint32_t access, Handle* result) override;
    LResult RegCreateKeyA(Handle key, const char* subKey, Handle* result) override;
    LResult RegQueryValueExA(Handle key, const char* valueName, std::uint32_t* reserved,
                             std::uint32_t* type, std::uint8_t* data,
                             std::uint32_t* dataSize) override;
    LResult RegSetValueExA(Handle key, const char* valueName, std::uint32_t reserved,
                           std::uint32_t type, const std::uint8_t* data,
                           std::uint32_t dataSize) override;
    LResult RegDeleteKeyA(Handle key, const char* subKey) override;
    LResult RegCloseKey(Handle key) override;

    // Removes a key with all its sub-keys and values, as RegDeleteTree does; for tests.
    // Paths are full ("HKEY_CURRENT_USER\Software\...", any case).
    void DeleteTree(std::string_view path);
    // A value, read straight from the store.
    std::optional<StoredValue> FindValue(std::string_view path, std::string_view valueName) const;
    // Handles returned by open and create and not yet closed.
    std::size_t OpenKeyCount() const { return handles_.size(); }
    // Calls made so far, of every registry function or of one.
    std::size_t CallCount() const;
    std::size_t CallCount(RegFunction function) const;

    // Fault injection: the nth call (counted from 1, from now on) of the function, or
    // every call when nth is 0, fails with the code and changes nothing.
    void FailCall(RegFunction function, LResult code, std::size_t nth = 0);
    void ClearFaults() { faults_.clear(); }

private:
    struct Key;
    struct OpenHandle {
        std::shared_ptr<Key> key;
        std::uint32_t access;
    };
    struct Fault {
        RegFunction function;
        LResult code;
        std::size_t nth;  // 0: every call
    };

    // Counts the call and tells whether an injected fault answers it.
    std::optional<LResult> Enter(RegFunction function);
    // The key behind a handle with at least the access asked for, or the error code.
    LResult Resolve(Handle handle, std::uint32_t access, std::shared_ptr<Key>& key) const;
    Handle NewHandle(std::shared_ptr<Key> key, std::uint32_t access);
    std::shared_ptr<Key> FindPath(std::string_view path) const;
    static std::string PathOf(const Key& key);

    EffectLog& effects_;
    std::array<std::shared_ptr<Key>, 7> roots_;
    std::map<Handle, OpenHandle> handles_;
    Handle nextHandle_ = 0x100;
    std::array<std::size_t, 6> calls_{};
    std::vector<Fault> faults_;
};

}  // namespace brenvik::sim
