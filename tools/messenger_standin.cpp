// A stand-in for the messenger: a window of class "YahooBuddyMain" that, at each
// WM_COMMAND 392, reads custom status message 5 of the current user from the
// registry, as the messenger would, and logs it.
//
//   messenger_standin.exe --log PATH [--user-id ID]
//
// Each command appends one line to PATH (UTF-8), written through at once:
//   <milliseconds since 1970-01-01 UTC> TAB <"5_DND"> TAB <"5">
// where a value that can't be read shows as "(missing)". The user is the value
// "Yahoo! User ID" under HKEY_CURRENT_USER\Software\Yahoo\pager, and the values are
// read from ...\pager\profiles\<user>\Custom Msgs. With --user-id the stand-in
// writes that value first. The log file is made (empty) at start.
#include <cstdint>

#include "app/other_programs.h"
#include "standin.h"

namespace {

using namespace brenvik::other_programs;
constexpr wchar_t kPagerKey[] = L"" BRENVIK_PAGER_SUB_KEY;
constexpr wchar_t kMissing[] = L"(missing)";

std::wstring g_logPath;
int g_commands = 0;
std::wstring g_lastLine;

std::wstring ReadString(const std::wstring& key, const wchar_t* name) {
    HKEY opened = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, key.c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS)
        return kMissing;
    std::wstring value(1024, L'\0');
    DWORD type = 0, size = static_cast<DWORD>(value.size() * sizeof(wchar_t));
    const LONG result = RegQueryValueExW(opened, name, nullptr, &type,
                                         reinterpret_cast<BYTE*>(value.data()), &size);
    RegCloseKey(opened);
    if (result != ERROR_SUCCESS || type != REG_SZ) return kMissing;
    value.resize(size / sizeof(wchar_t));
    while (!value.empty() && value.back() == L'\0') value.pop_back();
    return value;
}

std::wstring ReadDword(const std::wstring& key, const wchar_t* name) {
    HKEY opened = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, key.c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS)
        return kMissing;
    DWORD value = 0, type = 0, size = sizeof value;
    const LONG result =
        RegQueryValueExW(opened, name, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size);
    RegCloseKey(opened);
    if (result != ERROR_SUCCESS || type != REG_DWORD) return kMissing;
    return std::to_wstring(value);
}

std::uint64_t MillisecondsSince1970() {
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    const std::uint64_t ticks =
        (static_cast<std::uint64_t>(now.dwHighDateTime) << 32) | now.dwLowDateTime;
    constexpr std::uint64_t kTicksFrom1601To1970 = 116444736000000000ull;
    return (ticks - kTicksFrom1601To1970) / 10000;
}

void Append(const std::string& bytes) {
    HANDLE file = CreateFileW(g_logPath.c_str(), FILE_APPEND_DATA,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    DWORD written = 0;
    if (!bytes.empty())
        WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
}

void LogCustomStatus() {
    const std::wstring user = ReadString(kPagerKey, L"" BRENVIK_USER_ID_VALUE);
    const std::wstring profile = CustomMessagesKey(kPagerKey, user);
    const std::wstring dnd = ReadDword(profile, L"" BRENVIK_INVISIBLE_VALUE);
    const std::wstring text = ReadString(profile, L"" BRENVIK_STATUS_VALUE);
    g_lastLine = dnd + L"\t" + text;
    ++g_commands;
    Append(std::to_string(MillisecondsSince1970()) + "\t" + standin::ToUtf8(g_lastLine) + "\n");
}

void WriteUserId(const std::wstring& user) {
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, kPagerKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key,
                        nullptr) != ERROR_SUCCESS)
        return;
    RegSetValueExW(key, L"" BRENVIK_USER_ID_VALUE, 0, REG_SZ,
                   reinterpret_cast<const BYTE*>(user.c_str()),
                   static_cast<DWORD>((user.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(key);
}

}  // namespace

std::optional<LRESULT> standin::Handle(HWND window, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
        case WM_COMMAND:
            if (LOWORD(wParam) == kReadStatusCommand && HIWORD(wParam) == 0) {
                LogCustomStatus();
                InvalidateRect(window, nullptr, TRUE);
            }
            return 0;
        case WM_PAINT:
            standin::PaintLines(window, {L"Messenger stand-in: " + std::to_wstring(g_commands) +
                                             L" status commands",
                                         g_lastLine});
            return 0;
        default:
            return std::nullopt;
    }
}

std::optional<int> standin::Start(std::vector<std::wstring> arguments) {
    g_logPath = standin::TakeOption(arguments, L"--log");
    const std::wstring user = standin::TakeOption(arguments, L"--user-id");
    if (g_logPath.empty()) {
        MessageBoxW(nullptr, L"Usage: messenger_standin.exe --log PATH [--user-id ID]",
                    L"Messenger stand-in", MB_OK);
        return 2;
    }
    if (!user.empty()) WriteUserId(user);
    Append("");
    if (standin::MakeWindow(L"" BRENVIK_MESSENGER_WINDOW_CLASS, L"Yahoo! Messenger", 420, 110) ==
        nullptr)
        return 1;
    return std::nullopt;
}
