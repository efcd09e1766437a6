#pragma once
// A registry key of the test's own under HKEY_CURRENT_USER\Software\BrenvikTest,
// removed before the test and after it. The registry functions can't list sub-keys,
// so the test names every sub-key it may create, parents before children.
#include <initializer_list>
#include <string>
#include <vector>

#include "platform/registry_api.h"

namespace brenvik::testing {

class TestKey {
public:
    TestKey(RegistryApi& api, std::string name, std::initializer_list<std::string> subKeys)
        : api_(api), path_("Software\\BrenvikTest\\" + std::move(name)) {
        for (const std::string& subKey : subKeys) subKeys_.push_back(path_ + "\\" + subKey);
        Remove();
    }
    ~TestKey() { Remove(); }
    TestKey(const TestKey&) = delete;
    TestKey& operator=(const TestKey&) = delete;

    // The key's path below HKEY_CURRENT_USER, and the same with a sub-key.
    const std::string& Path() const { return path_; }
    std::string Path(const std::string& subKey) const { return path_ + "\\" + subKey; }

private:
    // Children first; a key that isn't there is no failure.
    void Remove() {
        for (auto it = subKeys_.rbegin(); it != subKeys_.rend(); ++it)
            (void)api_.RegDeleteKeyA(win::kHkeyCurrentUser, it->c_str());
        (void)api_.RegDeleteKeyA(win::kHkeyCurrentUser, path_.c_str());
        (void)api_.RegDeleteKeyA(win::kHkeyCurrentUser,
                                 "Software\\BrenvikTest");  // gone once empty
    }

    RegistryApi& api_;
    std::string path_;
    std::vector<std::string> subKeys_;
};

}  // namespace brenvik::testing
