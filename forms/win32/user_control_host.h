#pragma once
// A user control hosted on a real window: the control's own window is a hidden
// child of the host window (the shell sends the tray icon's notifications there),
// and this object is the control's site.
#include <cstdint>
#include <exception>
#include <functional>
#include <memory>

#include "forms/forms.h"
#include "forms/win32/owned.h"
#include "forms/win32/registered_message.h"
#include "forms/win32/twips.h"
#include "forms/win32/window_base.h"
#include "platform/win32/handles.h"
#include "platform/win_types.h"

namespace brenvik::win32 {

// A picture of an icon; it owns the icon and destroys it. Handle 0 is the empty picture.
class IconPicture final : public forms::Picture {
public:
    explicit IconPicture(OwnedIcon icon) : icon_(std::move(icon)) {}
    std::uint32_t Handle() const override { return FromHandle(icon_.get()); }

private:
    OwnedIcon icon_;
};

class UserControlHost final : public forms::UserControlSite, public WindowBase<UserControlHost> {
public:
    using EventHandler = std::function<void(int eventNumber, forms::EventArgs& args)>;
    using FailureHandler = std::function<void(std::exception_ptr failure)>;

    // Makes the control's window inside `hostWindow`, makes the control by the row's
    // factory, loads it from the row's stored properties and gives it the row's size
    // (the control may then set its own). A failure in the handling of the control's
    // window goes to `onFailure`.
    UserControlHost(Handle hostWindow, const forms::ControlLayout& row, FailureHandler onFailure);
    // The control's end-of-life hook runs, then its window goes.
    ~UserControlHost() override;
    UserControlHost(const UserControlHost&) = delete;
    UserControlHost& operator=(const UserControlHost&) = delete;

    forms::UserControl& Control() { return *control_; }
    // The control's events go to `handler` from now on.
    void OnEvent(EventHandler handler) { onEvent_ = std::move(handler); }

    // The message that a new shell broadcasts to the top-level windows. It reaches
    // only the host's top-level window, whose procedure hands it on by calling
    // ShellRestarted on each of its hosts.
    static RegisteredMessage TaskbarCreatedMessage();
    void ShellRestarted() { control_->OnShellRestarted(); }

    std::uint32_t hWnd() const override;
    bool AmbientUserMode() const override { return true; }
    // The running host keeps no design-time state that a change would touch.
    void PropertyChanged(std::u16string_view) override {}
    forms::PictureRef EmptyPicture() override { return std::make_shared<IconPicture>(nullptr); }
    void RaiseEvent(int eventNumber, forms::EventArgs& args) override;
    double Rnd() override;

private:
    friend class WindowBase<UserControlHost>;
    Result OnMessage(HWND__* window, unsigned message, WParam wParam, LParam lParam);
    void OnFailure(std::exception_ptr failure) { onFailure_(failure); }
    void MouseMoved(std::uint32_t wParam, std::uint32_t lParam);

    int Pixels(float twips) const;
    void Resized() override;

    int dpi_ = ScreenDpi();
    EventHandler onEvent_;
    FailureHandler onFailure_;
    std::unique_ptr<forms::UserControl> control_;
};

}  // namespace brenvik::win32
