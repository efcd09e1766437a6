#pragma once
// A table of top-level windows: found by class, with titles and the messages
// posted to them.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/sim/effect_log.h"
#include "platform/window_api.h"

namespace brenvik::sim {

struct PostedMessage {
    std::uint32_t message;
    std::uint32_t wParam;
    std::int32_t lParam;
};

class SimWindows final : public PlayerWindowApi, public MessengerWindowApi {
public:
    explicit SimWindows(EffectLog& effects) : effects_(effects) {}

    // Creates a window and returns its handle; its title is in ANSI bytes.
    Handle Create(std::string className, std::string title = {});
    void Destroy(Handle window);
    void SetTitle(Handle window, std::string title);
    const std::vector<PostedMessage>& Posted(Handle window) const;
    // Posts to the window fail, as Windows refuses them to a program of a higher
    // integrity level or a full queue.
    void RefusePosts(Handle window, bool refused);

    Handle FindWindowA(const char* className, const char* windowName) override;
    // As Windows does: copies at most bufferSize - 1 bytes and a NUL; for a window
    // that doesn't exist it writes nothing and returns 0.
    int GetWindowTextA(Handle window, char* buffer, int bufferSize) override;
    bool PostMessageA(Handle window, std::uint32_t message, std::uint32_t wParam,
                      std::int32_t lParam) override;

private:
    struct Window {
        Handle handle;
        std::string className;
        std::string title;
        std::vector<PostedMessage> posted;
        bool refusesPosts = false;
    };
    Window* Find(Handle window);
    const Window* Find(Handle window) const;

    EffectLog& effects_;
    std::vector<Window> windows_;
    Handle nextHandle_ = 0x10010;
};

}  // namespace brenvik::sim
