#pragma once
// An ANSI code page for the simulation, by glibc's iconv: Windows-1252 by default,
// code page 932 for double-byte cases.
#include <string>

#include "platform/ansi.h"

namespace brenvik::sim {

class IconvCodec final : public AnsiCodec {
public:
    explicit IconvCodec(std::string codePage = "CP1252");
    std::string ToAnsi(std::u16string_view text) const override;
    std::u16string FromAnsi(std::string_view bytes) const override;

private:
    std::string codePage_;
    bool is1252_;
};

}  // namespace brenvik::sim
