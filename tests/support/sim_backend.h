#pragma once
// The host build's backend: the simulated Windows, which the tests that only the
// simulation can run (injected faults, a shell that restarts) reach through `api`.
#include "platform/sim/iconv_codec.h"
#include "platform/sim/sim_win_api.h"
#include "tests/support/test_backend.h"

namespace brenvik::testing {

class SimBackend final : public TestBackend {
public:
    PlayerWindowApi& PlayerWindows() override { return api.windows; }
    MessengerWindowApi& MessengerWindows() override { return api.windows; }
    RegistryApi& Registry() override { return api.registry; }
    ShellApi& Shell() override { return api.shell; }
    const AnsiCodec& Ansi() override { return codec_; }
    std::unique_ptr<AnsiCodec> CodePage932() const override {
        return std::make_unique<sim::IconvCodec>("CP932");
    }
    void DeleteRegistryTree(const std::string& subKey) override {
        api.registry.DeleteTree("HKEY_CURRENT_USER\\" + subKey);
    }

    Handle CreateWindowOfClass(const std::string& className, const std::string& title) override {
        return api.windows.Create(className, title);
    }
    void DestroyWindow(Handle window) override { api.windows.Destroy(window); }
    std::vector<ReceivedMessage> Received(Handle window) override {
        std::vector<ReceivedMessage> received;
        for (const auto& m : api.windows.Posted(window))
            received.push_back({m.message, m.wParam, m.lParam});
        return received;
    }

    sim::SimWinApi api;

private:
    sim::IconvCodec codec_;
};

}  // namespace brenvik::testing
