#include "platform/failure.h"

#include <algorithm>

namespace brenvik {

Failure::Failure(std::initializer_list<std::string_view> parts) noexcept {
    char* end = message_;
    char* const last = message_ + sizeof message_ - 1;  // room for the NUL
    for (const std::string_view part : parts)
        end = std::copy_n(part.begin(), std::min<std::size_t>(part.size(), last - end), end);
    *end = '\0';
}

}  // namespace brenvik
