// A stand-in for the player: a window of class "Winamp v1.x" whose title is the
// now-playing text.
//
//   winamp_standin.exe [--interval MS] [--title-file PATH] [TITLE...]
//
// The window takes the first TITLE (none: an empty title). With several titles and
// --interval it moves on to the next one every MS milliseconds, round and round.
// With --title-file it reads PATH (UTF-8) every 100 ms and takes its first line as
// the title whenever that changes. Another program can also set the title at any
// time with WM_SETTEXT, as with any window.
#include <fstream>
#include <sstream>

#include "app/other_programs.h"
#include "standin.h"

namespace {

constexpr UINT_PTR kCycleTimer = 1;
constexpr UINT_PTR kFileTimer = 2;
constexpr UINT kFilePollMs = 100;

std::vector<std::wstring> g_titles;
std::size_t g_next = 1;
std::wstring g_titleFile;
std::string g_lastFileContent;
bool g_fileRead = false;

std::wstring TitleOf(HWND window) {
    std::wstring title(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    title.resize(static_cast<std::size_t>(
        GetWindowTextW(window, title.data(), static_cast<int>(title.size()))));
    return title;
}

void ReadTitleFile(HWND window) {
    std::ifstream file(g_titleFile.c_str(), std::ios::binary);
    if (!file) return;
    std::ostringstream content;
    content << file.rdbuf();
    const std::string text = content.str();
    if (g_fileRead && text == g_lastFileContent) return;
    g_fileRead = true;
    g_lastFileContent = text;
    const std::string firstLine = text.substr(0, text.find_first_of("\r\n"));
    SetWindowTextW(window, standin::FromUtf8(firstLine).c_str());
}

}  // namespace

std::optional<LRESULT> standin::Handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_TIMER:
            if (wParam == kCycleTimer) {
                SetWindowTextW(window, g_titles[g_next].c_str());
                g_next = (g_next + 1) % g_titles.size();
            } else if (wParam == kFileTimer) {
                ReadTitleFile(window);
            }
            return 0;
        case WM_SETTEXT: {
            const LRESULT result = DefWindowProcW(window, message, wParam, lParam);
            InvalidateRect(window, nullptr, TRUE);
            return result;
        }
        case WM_PAINT:
            standin::PaintLines(window, {L"Player stand-in. Now playing:", TitleOf(window)});
            return 0;
        default:
            return std::nullopt;
    }
}

std::optional<int> standin::Start(std::vector<std::wstring> arguments) {
    const std::wstring interval = standin::TakeOption(arguments, L"--interval");
    g_titleFile = standin::TakeOption(arguments, L"--title-file");
    g_titles = arguments;

    HWND window = standin::MakeWindow(L"" BRENVIK_PLAYER_WINDOW_CLASS,
                                      g_titles.empty() ? L"" : g_titles.front(), 420, 110);
    if (window == nullptr) return 1;
    const int ms = interval.empty() ? 0 : _wtoi(interval.c_str());
    if (g_titles.size() > 1 && ms > 0)
        SetTimer(window, kCycleTimer, static_cast<UINT>(ms), nullptr);
    if (!g_titleFile.empty()) {
        ReadTitleFile(window);
        SetTimer(window, kFileTimer, kFilePollMs, nullptr);
    }
    return std::nullopt;
}
