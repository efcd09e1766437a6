#include "platform/win32/message_box_win32.h"

#include <windows.h>

namespace brenvik::win32 {

void Win32MessageBox::Show(const std::u16string& prompt) {
    ::MessageBoxA(::GetActiveWindow(), ansi_.ToAnsi(prompt).c_str(), "Brenvik", MB_OK);
}

}  // namespace brenvik::win32
