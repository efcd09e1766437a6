#pragma once
// The intrinsic controls over USER controls: a label is a STATIC, a text box an
// EDIT, a command button and a check box are BUTTONs; the timer is a window timer
// of the form. Each is made from one row of the layout table.
//
// Once the form is unloaded its controls have no window: reads give an empty text
// or 0, and writes change nothing.
#include <cstdint>
#include <functional>
#include <string>

#include "forms/forms.h"
#include "forms/pixel_layout.h"
#include "forms/win32/owned.h"

namespace brenvik::win32 {

// Calls one of the program's event handlers on the form's behalf.
using HandlerRunner = std::function<void(const std::function<void()>& handler)>;

// The labels' tab indices are kept by the layout but skipped by the keyboard.
bool TakesFocus(forms::ControlKind kind);

// Where a row's child window goes: its parent, the screen's pixels per inch (the layout
// is in twips) and the font every control shows.
struct ControlPlacement {
    HWND__* parent;
    int dpi;
    HFONT__* font;
};

// A control that is a child window of the form.
class ChildControl {
public:
    virtual ~ChildControl() = default;
    HWND__* Window() const { return window_; }
    // The form's window, and with it this control's, is gone.
    virtual void Detach() { window_ = nullptr; }
    // A WM_COMMAND notification from the control; `run` calls an event handler.
    virtual void OnCommand(unsigned notification, const HandlerRunner& run);
    // The window moved to a monitor of another DPI: the control takes its place from
    // its layout's twips at `dpi`, and `font`, as if it had been made there.
    virtual void PlaceAt(int dpi, HFONT__* font);

protected:
    ChildControl(const wchar_t* windowClass, unsigned long style, unsigned long extendedStyle,
                 const forms::ControlLayout& row, const ControlPlacement& placement);
    std::u16string OwnText() const;                // the window's text
    void ReadOwnText(std::u16string& into) const;  // the same, into storage that is kept
    void SetOwnText(const std::u16string& text);

    HWND__* window_;

private:
    forms::TwipsRect twips_;
};

class Win32TextBox final : public forms::TextBox, public ChildControl {
public:
    Win32TextBox(const forms::ControlLayout& row, const ControlPlacement& placement);
    // Read at every refresh tick, so it asks the control nothing: the text is kept
    // in step with the control, which reports each change (EN_CHANGE).
    const std::u16string& Text() const override { return text_; }
    void SetText(const std::u16string& text) override;
    void OnCommand(unsigned notification, const HandlerRunner& run) override;
    void Detach() override;

private:
    std::u16string text_;
};

class Win32Label final : public forms::Label, public ChildControl {
public:
    Win32Label(const forms::ControlLayout& row, const ControlPlacement& placement);
    std::u16string Caption() const override { return OwnText(); }
    void SetCaption(const std::u16string& caption) override;
    void PlaceAt(int dpi, HFONT__* font) override;
    // The measuring goes with the window, so that no font stays selected after it.
    void Detach() override;

private:
    // Measures in `font` from now on.
    void MeasureIn(HFONT__* font);
    // A label that fits its text takes the size of its caption on one line.
    void FitTo(const std::u16string& caption);

    OwnedDc measuring_;  // with the label's font, for a label that fits its text
    int lineHeight_ = 0;
    int width_ = -1;
};

class Win32Button final : public forms::CommandButton, public ChildControl {
public:
    Win32Button(const forms::ControlLayout& row, const ControlPlacement& placement);
    std::u16string Caption() const override { return OwnText(); }
    void SetCaption(const std::u16string& caption) override { SetOwnText(caption); }
    void OnClick(std::function<void()> handler) override { click_ = std::move(handler); }
    void OnCommand(unsigned notification, const HandlerRunner& run) override;

private:
    std::function<void()> click_;
};

class Win32CheckBox final : public forms::CheckBox, public ChildControl {
public:
    Win32CheckBox(const forms::ControlLayout& row, const ControlPlacement& placement);
    int Value() const override;
    // 0 clears the box; any other value checks it.
    void SetValue(int value) override;
};

// A window timer of the form, running exactly while it is enabled with a positive
// interval. Changing the interval of a running timer starts its count again.
class Win32Timer final : public forms::Timer {
public:
    // The timer's identifier is its control's window identifier.
    Win32Timer(const forms::ControlLayout& row, HWND__* owner);
    std::int32_t Interval() const override { return interval_; }
    void SetInterval(std::int32_t milliseconds) override;
    bool Enabled() const override { return enabled_; }
    void SetEnabled(bool enabled) override;
    void OnTimer(std::function<void()> handler) override { tick_ = std::move(handler); }

    unsigned Id() const { return id_; }
    // A WM_TIMER of this timer; `run` calls the event handler. A tick already queued
    // when the timer stopped is dropped.
    void Elapsed(const HandlerRunner& run);
    // The form's window is gone, and the timer with it.
    void Detach();

private:
    bool Running() const { return owner_ != nullptr && enabled_ && interval_ > 0; }
    void Apply();

    HWND__* owner_;
    unsigned id_;
    std::int32_t interval_;
    bool enabled_;
    std::function<void()> tick_;
};

}  // namespace brenvik::win32
