#pragma once
// What the stand-ins share: their command line, a small top-level window and the
// program around it. tools/standin.cpp holds WinMain: it hands the arguments to the
// stand-in's Start, which makes the window (MakeWindow), and then runs the message
// loop until the window closes.
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace standin {

// Each stand-in defines these two.
// Start: reads the program's arguments (without its own name) and makes the window.
// Returns the exit code where the program ends at once, nothing where the window shows.
std::optional<int> Start(std::vector<std::wstring> arguments);
// Handle: the stand-in's window's messages; nothing for those it leaves to Windows
// (DefWindowProc). The window's end (WM_DESTROY) ends the program; Handle doesn't see it.
std::optional<LRESULT> Handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The program's arguments, without its own name.
std::vector<std::wstring> Arguments();

// The value after option `name` ("--log" and the next argument), or empty; the option
// and its value are taken out of `arguments`.
std::wstring TakeOption(std::vector<std::wstring>& arguments, const wchar_t* name);

std::string ToUtf8(const std::wstring& text);
std::wstring FromUtf8(const std::string& bytes);

// Registers `className`, whose messages go to Handle, and shows a window of it without
// taking the focus from whatever program is being tested.
HWND MakeWindow(const wchar_t* className, const std::wstring& title, int width, int height);

// Draws `lines` in the window's client area, one a line.
void PaintLines(HWND window, const std::vector<std::wstring>& lines);

}  // namespace standin
