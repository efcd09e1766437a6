#pragma once
// What the stand-ins share: their command line and a small top-level window.
#include <windows.h>

#include <string>
#include <vector>

namespace standin {

// The program's arguments, without its own name.
std::vector<std::wstring> Arguments();

// The value after option `name` ("--log" and the next argument), or empty; the option
// and its value are taken out of `arguments`.
std::wstring TakeOption(std::vector<std::wstring>& arguments, const wchar_t* name);

std::string ToUtf8(const std::wstring& text);
std::wstring FromUtf8(const std::string& bytes);

// Registers `className` with `procedure` and shows a window of it without taking the
// focus from whatever program is being tested.
HWND MakeWindow(const wchar_t* className, const std::wstring& title, WNDPROC procedure, int width,
                int height);

// Runs the message loop until the window closes; returns the exit code.
int RunMessageLoop();

// Draws `lines` in the window's client area, one a line.
void PaintLines(HWND window, const std::vector<std::wstring>& lines);

}  // namespace standin
