#pragma once
// The messenger's settings in the registry, as a test sets them up and reads back
// what the program published, through the same Windows functions on both backends.
#include <functional>
#include <optional>
#include <string>

#include "app/other_programs.h"
#include "platform/registry_api.h"
#include "tests/support/caller.h"

namespace brenvik::testing {

class MessengerSettings {
public:
    // `deleteTree` removes a key under HKEY_CURRENT_USER with everything in it.
    using TreeRemover = std::function<void(const std::string& subKey)>;
    MessengerSettings(RegistryApi& api, TreeRemover deleteTree)
        : api_(api), deleteTree_(std::move(deleteTree)) {
        deleteTree_(BRENVIK_PAGER_SUB_KEY);
    }
    ~MessengerSettings() { deleteTree_(BRENVIK_PAGER_SUB_KEY); }

    // Stores "Yahoo! User ID" under the pager key (ANSI bytes as given).
    void SetUserId(const std::string& userId, Caller caller = Caller::current());
    // Creates the pager key with no user ID in it.
    void CreatePagerKeyOnly(Caller caller = Caller::current());
    std::optional<std::string> Status(const std::string& userId) const;       // value "5"
    std::optional<std::uint32_t> Invisible(const std::string& userId) const;  // value "5_DND"
    bool ProfileExists(const std::string& userId) const;

private:
    RegistryApi& api_;
    TreeRemover deleteTree_;
};

}  // namespace brenvik::testing
