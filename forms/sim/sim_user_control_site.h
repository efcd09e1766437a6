#pragma once
// A user control's site without windows: the tests (and the headless forms runtime)
// set what the host would provide and read what the control asked of it.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "forms/unseeded_rnd.h"
#include "forms/user_control.h"

namespace brenvik::sim {

// A picture with a given handle; handle 0 is an empty picture.
class SimPicture final : public forms::Picture {
public:
    explicit SimPicture(std::uint32_t handle) : handle_(handle) {}
    std::uint32_t Handle() const override { return handle_; }

private:
    std::uint32_t handle_;
};

class SimUserControlSite final : public forms::UserControlSite {
public:
    using EventHandler = std::function<void(int eventNumber, forms::EventArgs& args)>;

    // 15 twips per pixel, and the control's design surface for its size.
    SimUserControlSite() : UserControlSite(15, 4800, 3600) {}

    // The control whose OnResize a change of size calls.
    void Attach(forms::UserControl& control) { control_ = &control; }
    void SetHWnd(std::uint32_t window) { hWnd_ = window; }
    void SetUserMode(bool userMode) { userMode_ = userMode; }
    using UserControlSite::Resize;
    using UserControlSite::SetTwipsPerPixelX;
    void OnEvent(EventHandler handler) { handler_ = std::move(handler); }

    // Every property-changed notification, in order.
    const std::vector<std::u16string>& PropertyChanges() const { return changes_; }
    void ClearPropertyChanges() { changes_.clear(); }

    std::uint32_t hWnd() const override { return hWnd_; }
    bool AmbientUserMode() const override { return userMode_; }
    void PropertyChanged(std::u16string_view name) override { changes_.emplace_back(name); }
    forms::PictureRef EmptyPicture() override { return std::make_shared<SimPicture>(0); }
    void RaiseEvent(int eventNumber, forms::EventArgs& args) override {
        if (handler_) handler_(eventNumber, args);
    }
    double Rnd() override { return rnd_.Next(); }

private:
    void Resized() override {
        if (control_) control_->OnResize();
    }

    forms::UserControl* control_ = nullptr;
    std::uint32_t hWnd_ = 0x20040;
    bool userMode_ = true;
    EventHandler handler_;
    std::vector<std::u16string> changes_;
    UnseededRnd rnd_;
};

}  // namespace brenvik::sim
