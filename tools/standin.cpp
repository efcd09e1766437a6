#include "standin.h"

#include <windows.h>

#include <shellapi.h>

namespace standin {

std::vector<std::wstring> Arguments() {
    int count = 0;
    LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::wstring> arguments;
    for (int i = 1; i < count; ++i) arguments.emplace_back(argv[i]);
    LocalFree(argv);
    return arguments;
}

std::wstring TakeOption(std::vector<std::wstring>& arguments, const wchar_t* name) {
    for (auto it = arguments.begin(); it != arguments.end(); ++it) {
        if (*it != name) continue;
        std::wstring value = std::next(it) != arguments.end() ? *std::next(it) : std::wstring();
        arguments.erase(it, std::next(it) != arguments.end() ? std::next(it, 2) : std::next(it));
        return value;
    }
    return {};
}

std::string ToUtf8(const std::wstring& text) {
    if (text.empty()) return {};
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                         nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), bytes.data(), size,
                        nullptr, nullptr);
    return bytes;
}

std::wstring FromUtf8(const std::string& bytes) {
    if (bytes.empty()) return {};
    const int size =
        MultiByteToWideChar(CP_UTF8, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
    std::wstring text(static_cast<std::size_t>(size), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, bytes.data(), static_cast<int>(bytes.size()), text.data(),
                        size);
    return text;
}

namespace {

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    if (const std::optional<LRESULT> result = Handle(window, message, wParam, lParam))
        return *result;
    return DefWindowProcW(window, message, wParam, lParam);
}

int RunMessageLoop() {
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

}  // namespace

HWND MakeWindow(const wchar_t* className, const std::wstring& title, int width, int height) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = Procedure;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = className;
    RegisterClassW(&wc);
    HWND window =
        CreateWindowExW(0, className, title.c_str(), WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                        CW_USEDEFAULT, width, height, nullptr, nullptr, wc.hInstance, nullptr);
    if (window != nullptr) ShowWindow(window, SW_SHOWNOACTIVATE);
    return window;
}

void PaintLines(HWND window, const std::vector<std::wstring>& lines) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    HGDIOBJ previous = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    int y = 8;
    for (const auto& line : lines) {
        TextOutW(dc, 8, y, line.c_str(), static_cast<int>(line.size()));
        y += metrics.tmHeight + 2;
    }
    SelectObject(dc, previous);
    EndPaint(window, &paint);
}

}  // namespace standin

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    if (const std::optional<int> ended = standin::Start(standin::Arguments())) return *ended;
    return standin::RunMessageLoop();
}
