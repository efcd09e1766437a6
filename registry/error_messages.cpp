// English messages for the registry's result codes.
#include <array>

#include "platform/text.h"
#include "registry/reg_routine.h"

namespace brenvik::registry {

namespace {
struct CodeMessage {
    std::int32_t code;
    std::u16string_view message;
};
constexpr std::array<CodeMessage, 13> kMessages{{
    {2, u"Bad Key Name"},
    {4, u"Can't Read Key"},
    {5, u"Access to this key is denied"},
    {8, u"Out of memory"},
    {14, u"Out of memory"},
    {87, u"Invalid Parameter"},
    {234, u"There is more data than the buffer has been allocated to hold."},
    {1009, u"The Registry Database is corrupt!"},
    {1010, u"Bad Key Name"},
    {1011, u"Can't Open Key"},
    {1012, u"Can't Read Key"},
    {1013, u"Can't Write Key"},
    {1015, u"The Registry Database is corrupt!"},
}};
}  // namespace

std::u16string RegRoutine::ErrorMsg(const std::int32_t& lErrorCode) const {
    for (const CodeMessage& entry : kMessages)
        if (entry.code == lErrorCode) return std::u16string(entry.message);
    return u"Undefined Error Code:  " + text::NumberToText(lErrorCode);
}

}  // namespace brenvik::registry
