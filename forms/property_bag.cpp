#include "forms/property_bag.h"

#include <algorithm>

namespace brenvik::forms {

namespace {
// Property names are identifiers in Latin letters; case is folded on those.
char16_t FoldCase(char16_t c) {
    return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c;
}

bool SameName(std::u16string_view a, std::u16string_view b) {
    return std::ranges::equal(a, b,
                              [](char16_t x, char16_t y) { return FoldCase(x) == FoldCase(y); });
}
}  // namespace

std::vector<StoredProperty>::iterator MemoryPropertyBag::Find(std::u16string_view name) {
    return std::ranges::find_if(stored_,
                                [name](const StoredProperty& p) { return SameName(p.name, name); });
}

PropertyValue MemoryPropertyBag::ReadProperty(std::u16string_view name,
                                              const PropertyValue& byDefault) {
    const auto found = Find(name);
    return found == stored_.end() ? byDefault : found->value;
}

void MemoryPropertyBag::WriteProperty(std::u16string_view name, const PropertyValue& value,
                                      const PropertyValue& byDefault) {
    const auto found = Find(name);
    if (value == byDefault) {
        if (found != stored_.end()) stored_.erase(found);
    } else if (found != stored_.end()) {
        found->value = value;
    } else {
        stored_.push_back({std::u16string(name), value});
    }
}

}  // namespace brenvik::forms
