#include "forms/win32/user_control_host.h"

#include <windows.h>

#include <cmath>

#include "forms/property_bag.h"
#include "forms/unseeded_rnd.h"
#include "forms/win32/twips.h"
#include "platform/failure.h"
#include "platform/win32/handles.h"

namespace brenvik::win32 {

namespace {
constexpr wchar_t kWindowClass[] = L"BrenvikUserControl";

void RegisterControlClass() {
    static const bool registered = [] {
        WNDCLASSW wc{};
        wc.lpfnWndProc = UserControlHost::Procedure;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = kWindowClass;
        return RegisterClassW(&wc) != 0;
    }();
    if (!registered) throw Failure({"The user control's window class could not be registered."});
}
}  // namespace

UserControlHost::UserControlHost(Handle hostWindow, const forms::ControlLayout& row,
                                 FailureHandler onFailure)
    : UserControlSite(TwipsPerPixel(ScreenDpi()), static_cast<float>(row.place.width),
                      static_cast<float>(row.place.height)),
      onFailure_(std::move(onFailure)) {
    RegisterControlClass();
    // Never shown: the control is invisible at run time, yet its window receives the
    // shell's notifications.
    const std::string_view narrowName(row.name);
    const std::wstring name(narrowName.begin(), narrowName.end());
    HWND window = CreateWindowExW(
        0, kWindowClass, name.c_str(), WS_CHILD, TwipsToPixels(row.place.left, dpi_),
        TwipsToPixels(row.place.top, dpi_), Pixels(Width()), Pixels(Height()), ToHwnd(hostWindow),
        nullptr, GetModuleHandleW(nullptr), this);
    if (!window) throw Failure({"The window of user control ", row.name, " could not be made."});
    try {
        control_ = row.createUserControl(*this);
        forms::MemoryPropertyBag bag(row.storedProperties);
        control_->LoadProperties(bag);
        Resized();  // the control sees the size the layout gave it
    } catch (...) {
        // No window is left pointing at a host that was never made.
        DestroyWindow(Detach());
        throw;
    }
}

UserControlHost::~UserControlHost() {
    control_->OnTerminate();
    control_.reset();
    DestroyWindow(Detach());  // no message reaches a host that is gone
}

std::uint32_t UserControlHost::hWnd() const { return FromHandle(Window()); }

RegisteredMessage UserControlHost::TaskbarCreatedMessage() {
    static const RegisteredMessage message(RegisterWindowMessageA("TaskbarCreated"));
    return message;
}

int UserControlHost::Pixels(float twips) const {
    // The site's sizes are whole twips (the layout's, the image's): they round as the
    // layout's do.
    return TwipsToPixels(static_cast<int>(std::lround(twips)), dpi_);
}

void UserControlHost::Resized() {
    SetWindowPos(Window(), nullptr, 0, 0, Pixels(Width()), Pixels(Height()),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    control_->OnResize();
}

void UserControlHost::RaiseEvent(int eventNumber, forms::EventArgs& args) {
    // A copy runs: the handler may replace itself.
    if (const EventHandler handler = onEvent_) handler(eventNumber, args);
}

double UserControlHost::Rnd() {
    // One generator for the whole program, never seeded.
    static UnseededRnd generator;
    return generator.Next();
}

Result UserControlHost::OnMessage(HWND__* window, unsigned message, WParam wParam, LParam lParam) {
    if (message != WM_MOUSEMOVE) return DefWindowProcW(window, message, wParam, lParam);
    MouseMoved(static_cast<std::uint32_t>(wParam), static_cast<std::uint32_t>(lParam));
    return 0;
}

void UserControlHost::MouseMoved(std::uint32_t wParam, std::uint32_t lParam) {
    if (!control_) return;  // still being made
    const std::int16_t button = static_cast<std::int16_t>(((wParam & MK_LBUTTON) ? 1 : 0) |
                                                          ((wParam & MK_RBUTTON) ? 2 : 0) |
                                                          ((wParam & MK_MBUTTON) ? 4 : 0));
    const std::int16_t shift =
        static_cast<std::int16_t>(((wParam & MK_SHIFT) ? 1 : 0) | ((wParam & MK_CONTROL) ? 2 : 0) |
                                  (GetKeyState(VK_MENU) < 0 ? 4 : 0));
    // The position in the control's scale unit, the twip.
    const float x = static_cast<float>(LOWORD(lParam)) * TwipsPerPixelX();
    const float y = static_cast<float>(HIWORD(lParam)) * TwipsPerPixelX();
    control_->OnWindowMouseMove(button, shift, x, y);
}

}  // namespace brenvik::win32
