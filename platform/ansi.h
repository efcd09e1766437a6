#pragma once
// Conversion between the program's UTF-16 texts and the system's ANSI code page,
// made wherever a text crosses to an "A" function and back.
#include <string>
#include <string_view>

namespace brenvik {

class AnsiCodec {
public:
    virtual ~AnsiCodec() = default;
    virtual std::string ToAnsi(std::u16string_view text) const = 0;
    virtual std::u16string FromAnsi(std::string_view bytes) const = 0;
};

}  // namespace brenvik
