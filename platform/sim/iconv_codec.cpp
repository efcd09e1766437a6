#include "platform/sim/iconv_codec.h"

#include <iconv.h>

#include <cerrno>
#include <stdexcept>

namespace brenvik::sim {

namespace {
// Converts as Windows does: a character that the target can't hold becomes '?'
// (or U+003F), and a byte that the source can't read is skipped as one unit.
std::string Convert(const std::string& from, const std::string& to, std::string_view input,
                    std::string_view replacement, std::size_t unit) {
    iconv_t cd = iconv_open(to.c_str(), from.c_str());
    if (cd == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("iconv: no code page " + from);
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
            output.append(replacement);
            const std::size_t skip = inLeft < unit ? inLeft : unit;
            in += skip;
            inLeft -= skip;
        }
    }
    iconv_close(cd);
    return output;
}
}  // namespace

std::string IconvCodec::ToAnsi(std::u16string_view text) const {
    const std::string_view bytes(reinterpret_cast<const char*>(text.data()), text.size() * 2);
    return Convert("UTF-16LE", codePage_, bytes, "?", 2);
}

std::u16string IconvCodec::FromAnsi(std::string_view bytes) const {
    static const char16_t kQuestionMark = u'?';
    const std::string wide = Convert(codePage_, "UTF-16LE", bytes,
                                     std::string_view(reinterpret_cast<const char*>(&kQuestionMark), 2), 1);
    std::u16string text(wide.size() / 2, u'\0');
    for (std::size_t i = 0; i < text.size(); ++i)
        text[i] = static_cast<char16_t>(static_cast<unsigned char>(wide[2 * i]) |
                                        static_cast<unsigned char>(wide[2 * i + 1]) << 8);
    return text;
}

}  // namespace brenvik::sim
