#pragma once
// Conversion between the program's UTF-16 texts and the system's ANSI code page,
// made wherever a text crosses to an "A" function and back.
#include <string>
#include <string_view>

namespace brenvik {

// A text on its way to an "A" function.
class AnsiEncoder {
public:
    virtual ~AnsiEncoder() = default;
    virtual std::string ToAnsi(std::u16string_view text) const = 0;
};

// Text that an "A" function wrote back.
class AnsiDecoder {
public:
    virtual ~AnsiDecoder() = default;
    virtual std::u16string FromAnsi(std::string_view bytes) const = 0;
};

// Both ways, for a part that sends texts and reads them back.
class AnsiCodec : public AnsiEncoder, public AnsiDecoder {};

}  // namespace brenvik
