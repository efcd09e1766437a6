#pragma once
// Passes every Windows function on and counts the registry value writes that Windows
// took, so that a publication knows whether its values really reached the registry.
#include "platform/forwarding_win_api.h"

namespace brenvik {

class ValueWriteWatch final : public ForwardingWinApi {
public:
    using ForwardingWinApi::ForwardingWinApi;

    LResult RegSetValueExA(Handle key, const char* valueName, std::uint32_t reserved,
                           std::uint32_t type, const std::uint8_t* data,
                           std::uint32_t dataSize) override {
        const LResult code = inner_.RegSetValueExA(key, valueName, reserved, type, data, dataSize);
        if (code == win::ERROR_SUCCESS) ++valuesWritten_;
        return code;
    }

    int ValuesWritten() const { return valuesWritten_; }

private:
    int valuesWritten_ = 0;
};

}  // namespace brenvik
