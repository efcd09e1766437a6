#pragma once
// The sample form loaded by the real forms runtime, with a user control that records
// what its host does to it in place of the tray icon.
#include <windows.h>

#include <chrono>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <string>

#include "forms/win32/controls.h"
#include "forms/win32/form_window.h"
#include "forms/win32/runtime.h"
#include "forms/win32/twips.h"
#include "platform/win32/handles.h"
#include "tests/forms/sample_form.h"

namespace brenvik::testing {

// What the hosted control saw; it outlives the control, which its host destroys.
struct HostedControlLog {
    int terminated = 0;
    int shellRestarted = 0;
    forms::PictureRef storedIcon;
    forms::UserControlSite* site = nullptr;
    float mouseX = -1;  // twips, of the last mouse move
    // What the form answered another start that asked it forward while it closed.
    LRESULT answerWhileClosing = -1;
};

class RecordingControl final : public forms::UserControl {
public:
    RecordingControl(forms::UserControlSite& site, HostedControlLog& log) : site_(site), log_(log) {
        log.site = &site;
    }
    void InitDefaults() override {}
    void LoadProperties(forms::PropertyBag& bag) override {
        const auto icon = bag.ReadProperty(u"Icon", std::monostate{});
        if (const auto* picture = std::get_if<forms::PictureRef>(&icon)) log_.storedIcon = *picture;
    }
    void SaveProperties(forms::PropertyBag&) override {}
    void OnResize() override {}
    void OnTerminate() override {
        ++log_.terminated;
        HWND form = GetParent(win32::ToHwnd(site_.hWnd()));
        log_.answerWhileClosing =
            SendMessageW(form, RegisterWindowMessageW(L"Brenvik.StartedAgain"), 0, 0);
    }
    // Any mouse move raises event 4 with Button 1.
    void OnWindowMouseMove(std::int16_t, std::int16_t, float x, float) override {
        log_.mouseX = x;
        forms::EventArgs args{1};
        site_.RaiseEvent(4, args);
    }
    void OnShellRestarted() override { ++log_.shellRestarted; }

private:
    forms::UserControlSite& site_;
    HostedControlLog& log_;
};

inline HWND WindowOf(auto& control) { return dynamic_cast<win32::ChildControl&>(control).Window(); }

inline std::wstring TextOf(HWND window) {
    wchar_t buffer[256];
    std::fill(std::begin(buffer), std::end(buffer), L'\x2A2A');
    const int length = GetWindowTextW(window, buffer, 256);
    return std::wstring(buffer, length > 0 ? length : 0);
}

inline std::wstring ClassOf(HWND window) {
    wchar_t buffer[64]{};
    GetClassNameW(window, buffer, 64);
    return buffer;
}

inline RECT ClientRectIn(HWND parent, HWND child) {
    RECT r{};
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

// The height of the font a control shows, as its LOGFONT gives it.
inline LONG FontHeightOf(HWND control) {
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof font,
               &font);
    return font.lfHeight;
}

// The height of the system's message font, which dialogs show, scaled from the screen's
// DPI to `dpi`.
inline LONG MessageFontHeightAt(int dpi) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    return MulDiv(metrics.lfMessageFont.lfHeight, dpi, win32::ScreenDpi());
}

class SampleForm : public ::testing::Test {
protected:
    // The windows' DPIs come from `windowDpi`: their monitors' unless a test says; what
    // they let through from lower integrity levels goes to `letThrough`.
    explicit SampleForm(win32::WindowDpiQuery windowDpi = win32::WindowDpi,
                        win32::MessageFilter letThrough = win32::LetThroughFromEveryLevel)
        : runtime_(std::move(windowDpi), letThrough),
          form_(runtime_.LoadForm(SampleLayout(runtime_.ProgramIcon(),
                                               [this](forms::UserControlSite& site) {
                                                   return std::make_unique<RecordingControl>(site,
                                                                                             log_);
                                               }))),
          window_(dynamic_cast<win32::FormWindow&>(*form_)) {}

    HWND Main() const { return window_.Window(); }
    HWND WindowOfControl(forms::ControlKind kind, forms::ControlId id) {
        switch (kind) {
            case forms::ControlKind::TextBox:
                return WindowOf(form_->TextBoxOf(id));
            case forms::ControlKind::Label:
                return WindowOf(form_->LabelOf(id));
            case forms::ControlKind::CommandButton:
                return WindowOf(form_->ButtonOf(id));
            case forms::ControlKind::CheckBox:
                return WindowOf(form_->CheckBoxOf(id));
            default:
                return nullptr;
        }
    }
    HWND Text1() { return WindowOfControl(forms::ControlKind::TextBox, Control::Text1); }

    // Handles waiting messages until `done` holds; false if it doesn't within a long
    // while (a hung test, not a slow one).
    bool PumpUntil(const std::function<bool()>& done) {
        const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        while (!done()) {
            if (std::chrono::steady_clock::now() > giveUp) return false;
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
            runtime_.RunPending();
        }
        return true;
    }

    HostedControlLog log_;
    win32::FormsRuntime runtime_;
    std::unique_ptr<forms::Form> form_;
    win32::FormWindow& window_;
};

}  // namespace brenvik::testing
