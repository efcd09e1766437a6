#include "platform/sim/iconv_codec.h"
#include "platform/sim/sim_win_api.h"
#include "tests/support/test_backend.h"

namespace brenvik::testing {

namespace {
class SimBackend final : public TestBackend {
public:
    PlayerWindowApi& PlayerWindows() override { return api_.windows; }
    MessengerWindowApi& MessengerWindows() override { return api_.windows; }
    RegistryApi& Registry() override { return api_.registry; }
    ShellApi& Shell() override { return api_.shell; }
    const AnsiCodec& Ansi() override { return codec_; }
    std::unique_ptr<AnsiCodec> CodePage932() const override {
        return std::make_unique<sim::IconvCodec>("CP932");
    }
    bool IsSimulation() const override { return true; }
    void DeleteRegistryTree(const std::string& subKey) override {
        api_.registry.DeleteTree("HKEY_CURRENT_USER\\" + subKey);
    }

    Handle CreateWindowOfClass(const std::string& className, const std::string& title) override {
        return api_.windows.Create(className, title);
    }
    void DestroyWindow(Handle window) override { api_.windows.Destroy(window); }
    std::vector<ReceivedMessage> Received(Handle window) override {
        std::vector<ReceivedMessage> received;
        for (const auto& m : api_.windows.Posted(window))
            received.push_back({m.message, m.wParam, m.lParam});
        return received;
    }

private:
    sim::SimWinApi api_;
    sim::IconvCodec codec_;
};
}  // namespace

std::unique_ptr<TestBackend> MakeTestBackend() { return std::make_unique<SimBackend>(); }

}  // namespace brenvik::testing
