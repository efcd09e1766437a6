#include "forms/win32/controls.h"

#include <windows.h>

#include "forms/win32/twips.h"
#include "platform/failure.h"

namespace brenvik::win32 {

namespace {
// Program texts are UTF-16, as Windows' own wide strings are.
const wchar_t* Wide(const std::u16string& text) {
    return reinterpret_cast<const wchar_t*>(text.c_str());
}
}  // namespace

bool TakesFocus(forms::ControlKind kind) {
    return kind == forms::ControlKind::TextBox || kind == forms::ControlKind::CommandButton ||
           kind == forms::ControlKind::CheckBox;
}

ChildControl::ChildControl(const wchar_t* windowClass, unsigned long style,
                           unsigned long extendedStyle, const forms::ControlLayout& row,
                           const ControlPlacement& placement)
    : twips_(row.place) {
    const forms::PixelRect place = forms::PixelsOf(twips_, placement.dpi);
    style |= WS_CHILD | WS_VISIBLE | (TakesFocus(row.kind) ? WS_TABSTOP : 0);
    window_ =
        ::CreateWindowExW(extendedStyle, windowClass, reinterpret_cast<const wchar_t*>(row.caption),
                          style, place.left, place.top, place.width, place.height, placement.parent,
                          reinterpret_cast<HMENU>(static_cast<INT_PTR>(row.id.WindowId())),
                          ::GetModuleHandleW(nullptr), nullptr);
    if (window_ == nullptr)
        throw Failure({"The window of control ", row.name, " could not be made."});
    ::SendMessageW(window_, WM_SETFONT, reinterpret_cast<WPARAM>(placement.font), FALSE);
}

void ChildControl::OnCommand(unsigned, const HandlerRunner&) {}

void ChildControl::PlaceAt(int dpi, HFONT__* font) {
    if (window_ == nullptr) return;
    const forms::PixelRect place = forms::PixelsOf(twips_, dpi);
    ::SetWindowPos(window_, nullptr, place.left, place.top, place.width, place.height,
                   SWP_NOZORDER | SWP_NOACTIVATE);
    ::SendMessageW(window_, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

std::u16string ChildControl::OwnText() const {
    std::u16string text;
    ReadOwnText(text);
    return text;
}

void ChildControl::ReadOwnText(std::u16string& into) const {
    if (window_ == nullptr) {
        into.clear();
        return;
    }
    into.resize(static_cast<std::size_t>(::GetWindowTextLengthW(window_)) + 1);
    const int copied = ::GetWindowTextW(window_, reinterpret_cast<wchar_t*>(into.data()),
                                        static_cast<int>(into.size()));
    into.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
}

void ChildControl::SetOwnText(const std::u16string& text) {
    if (window_ != nullptr) ::SetWindowTextW(window_, Wide(text));
}

Win32TextBox::Win32TextBox(const forms::ControlLayout& row, const ControlPlacement& placement)
    : ChildControl(L"EDIT", ES_LEFT | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, row, placement) {
    ::SendMessageW(window_, EM_SETLIMITTEXT, 0, 0);  // 0: as long as the system allows
    ReadOwnText(text_);
}

void Win32TextBox::SetText(const std::u16string& text) {
    SetOwnText(text);
    ReadOwnText(text_);  // as the control holds it
}

void Win32TextBox::OnCommand(unsigned notification, const HandlerRunner&) {
    // Not an event of the program's: kept in step even while a handler runs.
    if (notification == EN_CHANGE) ReadOwnText(text_);
}

void Win32TextBox::Detach() {
    ChildControl::Detach();
    text_.clear();
}

Win32Label::Win32Label(const forms::ControlLayout& row, const ControlPlacement& placement)
    : ChildControl(L"STATIC", SS_LEFT | SS_NOPREFIX, 0, row, placement) {
    if (!row.autoSize || window_ == nullptr) return;
    measuring_.reset(::CreateCompatibleDC(nullptr));
    MeasureIn(placement.font);
    FitTo(row.caption);
}

void Win32Label::MeasureIn(HFONT__* font) {
    ::SelectObject(measuring_.get(), font);
    TEXTMETRICW metrics{};
    ::GetTextMetricsW(measuring_.get(), &metrics);  // an empty caption keeps the height of a line
    lineHeight_ = metrics.tmHeight;
    width_ = -1;  // measured afresh
}

void Win32Label::PlaceAt(int dpi, HFONT__* font) {
    ChildControl::PlaceAt(dpi, font);
    if (measuring_ == nullptr || window_ == nullptr) return;
    MeasureIn(font);
    FitTo(OwnText());
}

void Win32Label::Detach() {
    ChildControl::Detach();
    measuring_.reset();
}

void Win32Label::SetCaption(const std::u16string& caption) {
    FitTo(caption);  // first, so that the new caption is drawn once, whole, at its size
    SetOwnText(caption);
}

void Win32Label::FitTo(const std::u16string& caption) {
    if (measuring_ == nullptr || window_ == nullptr) return;
    SIZE extent{};
    ::GetTextExtentPoint32W(measuring_.get(), Wide(caption), static_cast<int>(caption.size()),
                            &extent);
    if (extent.cx == width_) return;
    width_ = extent.cx;
    ::SetWindowPos(window_, nullptr, 0, 0, extent.cx, lineHeight_,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

Win32Button::Win32Button(const forms::ControlLayout& row, const ControlPlacement& placement)
    : ChildControl(L"BUTTON", BS_PUSHBUTTON, 0, row, placement) {}

void Win32Button::OnCommand(unsigned notification, const HandlerRunner& run) {
    if (notification == BN_CLICKED && click_) run(click_);
}

Win32CheckBox::Win32CheckBox(const forms::ControlLayout& row, const ControlPlacement& placement)
    : ChildControl(L"BUTTON", BS_AUTOCHECKBOX, 0, row, placement) {
    SetValue(row.checked);
}

int Win32CheckBox::Value() const {
    if (window_ == nullptr) return 0;
    return ::SendMessageW(window_, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0;
}

void Win32CheckBox::SetValue(int value) {
    if (window_ != nullptr)
        ::SendMessageW(window_, BM_SETCHECK, value != 0 ? BST_CHECKED : BST_UNCHECKED, 0);
}

Win32Timer::Win32Timer(const forms::ControlLayout& row, HWND__* owner)
    : owner_(owner),
      id_(static_cast<unsigned>(row.id.WindowId())),
      interval_(row.interval),
      enabled_(row.enabled) {
    Apply();
}

void Win32Timer::SetInterval(std::int32_t milliseconds) {
    interval_ = milliseconds;
    Apply();
}

void Win32Timer::SetEnabled(bool enabled) {
    enabled_ = enabled;
    Apply();
}

void Win32Timer::Elapsed(const HandlerRunner& run) {
    if (Running() && tick_) run(tick_);
}

void Win32Timer::Detach() {
    if (owner_ != nullptr) ::KillTimer(owner_, id_);
    owner_ = nullptr;
}

void Win32Timer::Apply() {
    if (owner_ == nullptr) return;
    if (Running()) {
        // SetTimer on a running timer replaces its interval and starts counting afresh.
        ::SetTimer(owner_, id_, static_cast<UINT>(interval_), nullptr);
    } else {
        ::KillTimer(owner_, id_);
    }
}

}  // namespace brenvik::win32
