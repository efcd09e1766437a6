// The least a windowed program does: one empty top-level window and a message loop.
// Brenvik.exe's start-up time and memory are measured against it.
//
//   minimal_window.exe [DLL...]
//
// With DLL names, it loads those first: what loading Brenvik's DLLs alone costs.
#include <windows.h>

namespace {
// Loads each DLL named after the program's own name (names without blanks). The
// command line is split here, with no library: CommandLineToArgvW would bring in
// shell32, and the C++ library would make the program bigger than it needs to be.
void LoadNamedDlls() {
    wchar_t line[1024];
    ::lstrcpynW(line, ::GetCommandLineW(), 1024);
    wchar_t* at = line;
    if (*at == L'"') {  // past the program's own name, quoted or not
        do ++at;
        while (*at != 0 && *at != L'"');
        if (*at != 0) ++at;
    } else {
        while (*at != 0 && *at != L' ') ++at;
    }
    for (;;) {
        while (*at == L' ') ++at;
        if (*at == 0) return;
        wchar_t* name = at;
        while (*at != 0 && *at != L' ') ++at;
        const bool last = *at == 0;
        *at = 0;
        ::LoadLibraryW(name);
        if (last) return;
        ++at;
    }
}

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        ::PostQuitMessage(0);
        return 0;
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}
}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
    LoadNamedDlls();
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = Procedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = L"MinimalWindow";
    if (::RegisterClassW(&windowClass) == 0) return 1;
    HWND window =
        ::CreateWindowExW(0, L"MinimalWindow", L"Minimal", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                          CW_USEDEFAULT, 480, 140, nullptr, nullptr, instance, nullptr);
    if (window == nullptr) return 1;
    ::ShowWindow(window, show);
    MSG message;
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}
