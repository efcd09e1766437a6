#pragma once
// An ANSI code page: the system's (CP_ACP) unless another is named.
#include "platform/ansi.h"

namespace brenvik::win32 {

class AnsiCodePage final : public AnsiCodec {
public:
    explicit AnsiCodePage(unsigned codePage = 0 /* CP_ACP */) : codePage_(codePage) {}
    std::string ToAnsi(std::u16string_view text) const override;
    std::u16string FromAnsi(std::string_view bytes) const override;

private:
    unsigned codePage_;
};

}  // namespace brenvik::win32
