#include "platform/sim/sim_windows.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>
#include <string_view>

namespace brenvik::sim {

namespace {
// Window classes compare without regard to ASCII case, as Windows' atoms do.
bool SameClass(std::string_view a, std::string_view b) {
    const auto lower = [](unsigned char c) { return c >= 'A' && c <= 'Z' ? c + 32 : c; };
    return std::ranges::equal(a, b, [&](char x, char y) { return lower(x) == lower(y); });
}
}  // namespace

Handle SimWindows::Create(std::string className, std::string title) {
    windows_.push_back({nextHandle_, std::move(className), std::move(title), {}});
    nextHandle_ += 4;
    return windows_.back().handle;
}

void SimWindows::Destroy(Handle window) {
    std::erase_if(windows_, [window](const Window& w) { return w.handle == window; });
}

void SimWindows::SetTitle(Handle window, std::string title) {
    if (Window* w = Find(window)) w->title = std::move(title);
}

const std::vector<PostedMessage>& SimWindows::Posted(Handle window) const {
    const Window* w = Find(window);
    if (w == nullptr) throw std::out_of_range("no such window");
    return w->posted;
}

void SimWindows::RefusePosts(Handle window, bool refused) {
    if (Window* w = Find(window)) w->refusesPosts = refused;
}

Handle SimWindows::FindWindowA(const char* className, const char* windowName) {
    // Windows searches from the top of the z-order: the newest window first.
    for (auto it = windows_.rbegin(); it != windows_.rend(); ++it) {
        if (className != nullptr && !SameClass(it->className, className)) continue;
        if (windowName != nullptr && it->title != windowName) continue;
        return it->handle;
    }
    return 0;
}

int SimWindows::GetWindowTextA(Handle window, char* buffer, int bufferSize) {
    const Window* w = Find(window);
    if (w == nullptr || bufferSize <= 0) return 0;
    const auto length = static_cast<int>(std::min<std::size_t>(w->title.size(), bufferSize - 1));
    std::memcpy(buffer, w->title.data(), static_cast<std::size_t>(length));
    buffer[length] = '\0';
    return length;
}

bool SimWindows::PostMessageA(Handle window, std::uint32_t message, std::uint32_t wParam,
                              std::int32_t lParam) {
    Window* w = Find(window);
    if (w == nullptr || w->refusesPosts) return false;
    w->posted.push_back({message, wParam, lParam});
    effects_.Record("PostMessageA " + w->className + " " + std::to_string(message) + " " +
                    std::to_string(wParam) + " " + std::to_string(lParam));
    return true;
}

SimWindows::Window* SimWindows::Find(Handle window) {
    auto it = std::find_if(windows_.begin(), windows_.end(),
                           [window](const Window& w) { return w.handle == window; });
    return it == windows_.end() ? nullptr : &*it;
}

const SimWindows::Window* SimWindows::Find(Handle window) const {
    return const_cast<SimWindows*>(this)->Find(window);
}

}  // namespace brenvik::sim
