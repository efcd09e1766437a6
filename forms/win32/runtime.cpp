#include "forms/win32/runtime.h"

#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <utility>

#include "forms/win32/form_window.h"
#include "forms/win32/twips.h"
#include "forms/win32/user_control_host.h"
#include "platform/win32/handles.h"

namespace brenvik::win32 {

namespace {
constexpr WORD kProgramIconId = 1;

HICON LoadProgramIcon(int size) {
    return static_cast<HICON>(::LoadImageW(::GetModuleHandleW(nullptr),
                                           MAKEINTRESOURCEW(kProgramIconId), IMAGE_ICON, size, size,
                                           LR_DEFAULTCOLOR));
}

// XP refuses the metrics at Vista's size, which adds iPaddedBorderWidth; every Windows
// accepts them at XP's, which the headers give for the oldest Windows the program runs on.
template <typename Metrics>
concept HasPaddedBorder = requires(Metrics metrics) {
    metrics.iPaddedBorderWidth;
};
static_assert(!HasPaddedBorder<NONCLIENTMETRICSW>, "NONCLIENTMETRICSW at Vista's size");

// The system's message font, as dialogs and message boxes show it; the stock GUI
// font where the system can't tell.
HFONT MessageFont() {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (!::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0))
        return nullptr;
    return ::CreateFontIndirectW(&metrics.lfMessageFont);
}
}  // namespace

FormsRuntime::FormsRuntime(WindowDpiQuery windowDpi, MessageFilter letThrough,
                           AccessibleNaming nameForScreenReaders)
    : windowDpi_(std::move(windowDpi)),
      letThrough_(letThrough),
      nameForScreenReaders_(nameForScreenReaders),
      dpi_(ScreenDpi()) {
    // Buttons, edit boxes and check boxes of common controls 6, in the visual style.
    INITCOMMONCONTROLSEX classes{sizeof classes, ICC_STANDARD_CLASSES};
    ::InitCommonControlsEx(&classes);
    font_.reset(MessageFont());
    programIcon_ = std::make_shared<IconPicture>(OwnedIcon(LoadProgramIcon(32)));
}

FormsRuntime::~FormsRuntime() {
    // No quit request is left behind for whatever runs on this thread next.
    MSG message;
    while (::PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
}

std::unique_ptr<forms::Form> FormsRuntime::LoadForm(const forms::FormLayout& layout) {
    return std::make_unique<FormWindow>(*this, layout);
}

forms::PictureRef FormsRuntime::ProgramIcon() { return programIcon_; }

OwnedIcon FormsRuntime::SmallIconAt(int dpi) const {
    return OwnedIcon(LoadProgramIcon(SmallIconSize(dpi)));
}

OwnedFont FormsRuntime::FontAt(int dpi) const {
    LOGFONTW description{};
    ::GetObjectW(font_ ? font_.get() : ::GetStockObject(DEFAULT_GUI_FONT), sizeof description,
                 &description);
    description.lfHeight = ::MulDiv(description.lfHeight, dpi, dpi_);
    description.lfWidth = ::MulDiv(description.lfWidth, dpi, dpi_);
    return OwnedFont(::CreateFontIndirectW(&description));
}

void FormsRuntime::End() {
    const std::vector<FormWindow*> loaded = loaded_;
    for (FormWindow* form : loaded) form->Unload();
    Quit();
}

int FormsRuntime::Run() {
    MSG message{};
    while (!ended_ && ::GetMessageW(&message, nullptr, 0, 0) > 0) {
        Dispatch(message);
        RethrowFailure();
    }
    ended_ = true;
    return static_cast<int>(message.wParam);
}

bool FormsRuntime::RunPending() {
    MSG message;
    while (!ended_ && ::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            ended_ = true;
            break;
        }
        Dispatch(message);
        RethrowFailure();
    }
    return !ended_;
}

void FormsRuntime::Dispatch(tagMSG& message) {
    for (FormWindow* form : loaded_) {
        if (::IsDialogMessageW(form->Window(), &message)) return;
    }
    ::TranslateMessage(&message);
    ::DispatchMessageW(&message);
}

void FormsRuntime::FormLoaded(FormWindow& form) { loaded_.push_back(&form); }

// The program ends with its last window.
void FormsRuntime::FormUnloaded(FormWindow& form) {
    loaded_.erase(std::remove(loaded_.begin(), loaded_.end(), &form), loaded_.end());
    if (loaded_.empty()) Quit();
}

void FormsRuntime::HandlerFailed(std::exception_ptr failure) {
    if (!failure_) failure_ = failure;
}

void FormsRuntime::RethrowFailure() {
    if (!failure_) return;
    ended_ = true;
    std::rethrow_exception(std::exchange(failure_, nullptr));
}

void FormsRuntime::Quit() {
    if (quitPosted_) return;
    quitPosted_ = true;
    ::PostQuitMessage(0);
}

}  // namespace brenvik::win32
