#include "tests/e2e/messenger_log.h"

#include <windows.h>

#include <fstream>
#include <sstream>

namespace brenvik::e2e {

std::vector<Publication> ReadMessengerLog(const std::wstring& path) {
    std::vector<Publication> publications;
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return publications;
    std::string bytes;
    char buffer[4096];
    DWORD read = 0;
    while (ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0)
        bytes.append(buffer, read);
    CloseHandle(file);

    std::istringstream lines(bytes);
    std::string line;
    while (std::getline(lines, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const auto first = line.find('\t');
        const auto second = line.find('\t', first + 1);
        if (first == std::string::npos || second == std::string::npos)
            continue;  // a line still being written
        publications.push_back({std::stoull(line.substr(0, first)),
                                line.substr(first + 1, second - first - 1),
                                line.substr(second + 1)});
    }
    return publications;
}

}  // namespace brenvik::e2e
