#pragma once
// Passes every registry function on and counts the value writes that Windows took, so
// that a publication knows whether its values really reached the registry.
#include "platform/forwarding_registry_api.h"

namespace brenvik {

class ValueWriteWatch final : public ForwardingRegistryApi {
public:
    using ForwardingRegistryApi::ForwardingRegistryApi;

    LResult RegSetValueExA(Handle key, const char* valueName, std::uint32_t reserved,
                           std::uint32_t type, const std::uint8_t* data,
                           std::uint32_t dataSize) override {
        const LResult code = inner_.RegSetValueExA(key, valueName, reserved, type, data, dataSize);
        if (code == win::kErrorSuccess) ++valuesWritten_;
        return code;
    }

    int ValuesWritten() const { return valuesWritten_; }

private:
    int valuesWritten_ = 0;
};

}  // namespace brenvik
