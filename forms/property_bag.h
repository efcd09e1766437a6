#pragma once
// A user control's property store, held in memory: the stored properties of a
// layout row go in, and what the control writes can be read back in write order.
#include <vector>

#include "forms/user_control.h"

namespace brenvik::forms {

class MemoryPropertyBag final : public PropertyBag {
public:
    MemoryPropertyBag() = default;
    explicit MemoryPropertyBag(std::vector<StoredProperty> stored) : stored_(std::move(stored)) {}

    // The stored value under the name, whatever its case, or the default.
    PropertyValue ReadProperty(std::u16string_view name, const PropertyValue& byDefault) override;
    // Stores the value; a value equal to its default is left out (and forgets an
    // earlier value of that name), as the store keeps only what differs.
    void WriteProperty(std::u16string_view name, const PropertyValue& value,
                       const PropertyValue& byDefault) override;

    const std::vector<StoredProperty>& Stored() const { return stored_; }

private:
    std::vector<StoredProperty>::iterator Find(std::u16string_view name);

    std::vector<StoredProperty> stored_;
};

}  // namespace brenvik::forms
