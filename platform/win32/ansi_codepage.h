#pragma once
// The system's ANSI code page (CP_ACP).
#include "platform/ansi.h"

namespace brenvik::win32 {

class AnsiCodePage final : public AnsiCodec {
public:
    std::string ToAnsi(std::u16string_view text) const override;
    std::u16string FromAnsi(std::string_view bytes) const override;
};

}  // namespace brenvik::win32
