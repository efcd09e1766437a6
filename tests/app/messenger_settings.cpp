#include "tests/app/messenger_settings.h"

#include <gtest/gtest.h>
#include <vector>

#include "app/other_programs.h"
namespace brenvik::testing {

namespace {
using namespace other_programs;
constexpr char kPager[] = BRENVIK_PAGER_SUB_KEY;

std::string ProfileKey(const std::string& userId) { return CustomMessagesKey(kPager, userId); }
}  // namespace

void MessengerSettings::SetUserId(const std::string& userId, Caller caller) {
    const auto trace = TraceCaller(caller);
    Handle key = 0;
    ASSERT_EQ(api_.RegCreateKeyA(win::kHkeyCurrentUser, kPager, &key), 0);
    api_.RegSetValueExA(key, BRENVIK_USER_ID_VALUE, 0, win::kRegSz,
                        reinterpret_cast<const std::uint8_t*>(userId.c_str()),
                        static_cast<std::uint32_t>(userId.size() + 1));
    api_.RegCloseKey(key);
}

void MessengerSettings::CreatePagerKeyOnly(Caller caller) {
    const auto trace = TraceCaller(caller);
    Handle key = 0;
    ASSERT_EQ(api_.RegCreateKeyA(win::kHkeyCurrentUser, kPager, &key), 0);
    api_.RegCloseKey(key);
}

std::optional<std::string> MessengerSettings::Status(const std::string& userId) const {
    Handle key = 0;
    if (api_.RegOpenKeyExA(win::kHkeyCurrentUser, ProfileKey(userId).c_str(), 0, win::kKeyRead,
                           &key) != 0)
        return std::nullopt;
    std::vector<std::uint8_t> data(1024, 0xAA);
    std::uint32_t type = 0, size = static_cast<std::uint32_t>(data.size());
    const LResult code =
        api_.RegQueryValueExA(key, BRENVIK_STATUS_VALUE, nullptr, &type, data.data(), &size);
    api_.RegCloseKey(key);
    if (code != 0 || type != win::kRegSz) return std::nullopt;
    std::string text(data.begin(), data.begin() + size);
    return text.substr(0, text.find('\0'));
}

std::optional<std::uint32_t> MessengerSettings::Invisible(const std::string& userId) const {
    Handle key = 0;
    if (api_.RegOpenKeyExA(win::kHkeyCurrentUser, ProfileKey(userId).c_str(), 0, win::kKeyRead,
                           &key) != 0)
        return std::nullopt;
    std::uint32_t value = 0xdeadbeef, type = 0, size = 4;
    const LResult code = api_.RegQueryValueExA(key, BRENVIK_INVISIBLE_VALUE, nullptr, &type,
                                               reinterpret_cast<std::uint8_t*>(&value), &size);
    api_.RegCloseKey(key);
    if (code != 0 || type != win::kRegDword || size != 4) return std::nullopt;
    return value;
}

bool MessengerSettings::ProfileExists(const std::string& userId) const {
    Handle key = 0;
    const std::string path = std::string(kPager) + "\\profiles\\" + userId;
    if (api_.RegOpenKeyExA(win::kHkeyCurrentUser, path.c_str(), 0, win::kKeyRead, &key) != 0)
        return false;
    api_.RegCloseKey(key);
    return true;
}

}  // namespace brenvik::testing
