#pragma once
#include "platform/ansi.h"
#include "platform/message_box.h"

namespace brenvik::win32 {

// MessageBoxA, modal to the program's active window, OK only, no icon.
class Win32MessageBox final : public MessageBoxService {
public:
    explicit Win32MessageBox(const AnsiEncoder& ansi) : ansi_(ansi) {}
    void Show(const std::u16string& prompt) override;

private:
    const AnsiEncoder& ansi_;
};

}  // namespace brenvik::win32
