#include "platform/sim/iconv_codec.h"

#include <iconv.h>

#include <cerrno>
#include <functional>
#include <stdexcept>

namespace brenvik::sim {

namespace {
// Converts as Windows does: a unit of the input (one UTF-16 code unit, or one ANSI
// byte) that the other side can't hold becomes what the fallback makes of it.
std::string Convert(const std::string& from, const std::string& to, std::string_view input,
                    std::size_t unit,
                    const std::function<std::string(std::string_view)>& fallback) {
    iconv_t cd = iconv_open(to.c_str(), from.c_str());
    if (cd == reinterpret_cast<iconv_t>(-1))
        throw std::runtime_error("iconv: no code page " + from);
    std::string output;
    char buffer[256];
    auto* in = const_cast<char*>(input.data());
    std::size_t inLeft = input.size();
    while (inLeft > 0) {
        char* out = buffer;
        std::size_t outLeft = sizeof buffer;
        const std::size_t done = iconv(cd, &in, &inLeft, &out, &outLeft);
        output.append(buffer, static_cast<std::size_t>(out - buffer));
        if (done == static_cast<std::size_t>(-1) && errno != E2BIG) {
            const std::size_t skip = inLeft < unit ? inLeft : unit;
            output.append(fallback(std::string_view(in, skip)));
            in += skip;
            inLeft -= skip;
        }
    }
    iconv_close(cd);
    return output;
}

// Windows-1252 leaves five bytes unassigned, and Windows reads each of them as the
// control character of the same number (0x81 <-> U+0081). glibc's table lacks them.
bool IsUnassignedIn1252(unsigned value) {
    return value == 0x81 || value == 0x8D || value == 0x8F || value == 0x90 || value == 0x9D;
}
}  // namespace

IconvCodec::IconvCodec(std::string codePage)
    : codePage_(std::move(codePage)),
      is1252_(codePage_ == "CP1252" || codePage_ == "WINDOWS-1252") {}

std::string IconvCodec::ToAnsi(std::u16string_view text) const {
    const std::string_view bytes(reinterpret_cast<const char*>(text.data()), text.size() * 2);
    return Convert("UTF-16LE", codePage_, bytes, 2, [this](std::string_view unit) {
        const unsigned value =
            static_cast<unsigned char>(unit[0]) | static_cast<unsigned char>(unit[1]) << 8;
        return std::string(1, is1252_ && IsUnassignedIn1252(value) ? unit[0] : '?');
    });
}

std::u16string IconvCodec::FromAnsi(std::string_view bytes) const {
    const std::string wide =
        Convert(codePage_, "UTF-16LE", bytes, 1, [this](std::string_view unit) {
            // In UTF-16LE: the character of the byte's own number, or a question mark.
            const bool unassigned =
                is1252_ && IsUnassignedIn1252(static_cast<unsigned char>(unit[0]));
            return std::string{unassigned ? unit[0] : '?', '\0'};
        });
    std::u16string text(wide.size() / 2, u'\0');
    for (std::size_t i = 0; i < text.size(); ++i)
        text[i] = static_cast<char16_t>(static_cast<unsigned char>(wide[2 * i]) |
                                        static_cast<unsigned char>(wide[2 * i + 1]) << 8);
    return text;
}

}  // namespace brenvik::sim
