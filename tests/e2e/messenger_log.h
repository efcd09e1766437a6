#pragma once
// What the stand-in messenger logged: one publication a line.
#include <cstdint>
#include <string>
#include <vector>

namespace brenvik::e2e {

struct Publication {
    std::uint64_t milliseconds;  // when the messenger got the command
    std::string invisible;       // "5_DND" as read, or "(missing)"
    std::string status;          // "5" as read (UTF-8)
};

std::vector<Publication> ReadMessengerLog(const std::wstring& path);

}  // namespace brenvik::e2e
