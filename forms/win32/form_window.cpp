#include "forms/win32/form_window.h"

#include <windows.h>

#include <algorithm>
#include <vector>

#include "forms/control_id.h"
#include "forms/win32/one_per_session.h"
#include "forms/win32/runtime.h"
#include "forms/win32/twips.h"
#include "forms/win32/user_control_host.h"
#include "forms/win32/window_dpi.h"
#include "platform/failure.h"
#include "platform/win32/handles.h"

namespace brenvik::win32 {

namespace {
// Fixed single border with a close button only: no sizing frame, no minimize or
// maximize box.
constexpr DWORD kFormStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
// Sent by the Windows that move windows between monitors of different DPI (8.1 and 10
// 1703 on); the headers of the oldest Windows the program runs on don't name them.
constexpr UINT kDpiChanged = 0x02E0;        // WM_DPICHANGED
constexpr UINT kGetDpiScaledSize = 0x02E4;  // WM_GETDPISCALEDSIZE
using forms::ControlOf;

// Each form's window class, registered once, when its first window is made.
void RegisterFormClass(const std::wstring& name) {
    static std::vector<std::wstring> registered;
    if (std::find(registered.begin(), registered.end(), name) != registered.end()) return;
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = FormWindow::Procedure;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = name.c_str();
    if (::RegisterClassExW(&wc) == 0)
        throw Failure({"The window class of the forms could not be registered."});
    registered.push_back(name);
}

// The order the controls are made in, which is their z-order: those that take the focus
// by their tab indices, as the dialog keyboard walks them; each other row just before
// the next of those in the layout (a label just before the box it names, as the
// accessibility layer reads it), or at the end.
std::vector<const forms::ControlLayout*> InCreationOrder(const forms::FormLayout& layout) {
    const auto& all = layout.controls;
    // Runs of the layout [first, last]: each ends in a row that takes the focus, kept in
    // tab-index order as they come (a dozen rows: each goes after those before it).
    std::vector<std::pair<std::size_t, std::size_t>> runs;
    std::size_t first = 0;
    for (std::size_t i = 0; i < all.size(); ++i) {
        if (!TakesFocus(all[i].kind)) continue;
        auto at = runs.end();
        while (at != runs.begin() && all[(at - 1)->second].tabIndex > all[i].tabIndex) --at;
        runs.insert(at, {first, i});
        first = i + 1;
    }
    std::vector<const forms::ControlLayout*> rows;
    for (const auto& [from, last] : runs)
        for (std::size_t i = from; i <= last; ++i) rows.push_back(&all[i]);
    for (std::size_t i = first; i < all.size(); ++i) rows.push_back(&all[i]);
    return rows;
}
}  // namespace

FormWindow::FormWindow(FormsRuntime& runtime, const forms::FormLayout& layout)
    : runtime_(runtime),
      clientWidth_(layout.clientWidth),
      clientHeight_(layout.clientHeight),
      dpi_(runtime.Dpi()) {
    CreateWindowAndControls(layout);
}

FormWindow::~FormWindow() { Unload(); }

void FormWindow::CreateWindowAndControls(const forms::FormLayout& layout) {
    const forms::PixelRect frame = FrameAt(dpi_);
    const std::wstring windowClass(layout.windowClass.begin(), layout.windowClass.end());
    RegisterFormClass(windowClass);
    const std::wstring caption(layout.caption.begin(), layout.caption.end());
    HWND window = ::CreateWindowExW(0, windowClass.c_str(), caption.c_str(), kFormStyle,
                                    CW_USEDEFAULT, CW_USEDEFAULT, frame.width, frame.height,
                                    nullptr, nullptr, ::GetModuleHandleW(nullptr), this);
    if (window == nullptr) throw Failure({"The form's window could not be made."});
    runtime_.FormLoaded(*this);
    // Whatever fails from here takes the window with it: no half-made form stays behind.
    try {
        // An elevated program hears the shell's restart and another start's request too.
        for (const RegisteredMessage message :
             {UserControlHost::TaskbarCreatedMessage(), StartedAgainMessage()}) {
            if (message.Id() != 0) runtime_.LetThrough(window, message.Id());
        }
        // Made on a monitor whose DPI is not the system's, the window is told of no
        // change: it lays itself out at its own DPI from the start, as after a move there.
        const int own = runtime_.DpiOf(window);
        if (forms::IsMonitorDpi(own) && own != dpi_) {
            dpi_ = own;
            PlaceFrameAt(dpi_, nullptr);
        }
        font_ = runtime_.FontAt(dpi_);
        SetSmallIconAt(dpi_);
        ::SendMessageW(window, WM_SETICON, ICON_BIG,
                       static_cast<LPARAM>(runtime_.ProgramIcon()->Handle()));
        for (const forms::ControlLayout* row : InCreationOrder(layout)) CreateControl(*row);
    } catch (...) {
        Unload();
        throw;
    }
    // The first control in tab order that takes the focus has it when the window shows.
    HWND first = ::GetNextDlgTabItem(window, nullptr, FALSE);
    focus_ = first != nullptr && ::IsChild(window, first) ? first : nullptr;
}

// The caption's icon is drawn from an image of its own size at the window's DPI, not
// scaled from another's.
void FormWindow::SetSmallIconAt(int dpi) {
    OwnedIcon icon = runtime_.SmallIconAt(dpi);
    if (icon == nullptr) return;
    ::SendMessageW(Window(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon.get()));
    smallIcon_ = std::move(icon);
}

void FormWindow::CreateControl(const forms::ControlLayout& row) {
    const ControlPlacement placement{Window(), dpi_, font_.get()};
    auto keep = [&](auto& map, auto control) {
        byId_.emplace_back(row.id.WindowId(), control.get());
        if (row.accessibleName != nullptr) {
            named_.push_back(control->Window());
            runtime_.NameForScreenReaders(named_.back(),
                                          reinterpret_cast<const wchar_t*>(row.accessibleName));
        }
        map.emplace_back(row.id, std::move(control));
    };
    switch (row.kind) {
        case forms::ControlKind::TextBox:
            keep(textBoxes_, std::make_unique<Win32TextBox>(row, placement));
            break;
        case forms::ControlKind::Label:
            keep(labels_, std::make_unique<Win32Label>(row, placement));
            break;
        case forms::ControlKind::CommandButton:
            keep(buttons_, std::make_unique<Win32Button>(row, placement));
            break;
        case forms::ControlKind::CheckBox:
            keep(checkBoxes_, std::make_unique<Win32CheckBox>(row, placement));
            break;
        case forms::ControlKind::Timer:
            timers_.emplace_back(row.id, std::make_unique<Win32Timer>(row, Window()));
            break;
        case forms::ControlKind::UserControl: {
            auto failed = [this](std::exception_ptr failure) { OnFailure(failure); };
            userControls_.emplace_back(
                row.id, std::make_unique<UserControlHost>(FromHandle(Window()), row, failed));
            break;
        }
    }
}

forms::TextBox& FormWindow::TextBoxOf(forms::ControlId id) {
    return ControlOf(textBoxes_, id, "text box");
}
forms::Label& FormWindow::LabelOf(forms::ControlId id) { return ControlOf(labels_, id, "label"); }
forms::CommandButton& FormWindow::ButtonOf(forms::ControlId id) {
    return ControlOf(buttons_, id, "command button");
}
forms::CheckBox& FormWindow::CheckBoxOf(forms::ControlId id) {
    return ControlOf(checkBoxes_, id, "check box");
}
forms::Timer& FormWindow::TimerOf(forms::ControlId id) { return ControlOf(timers_, id, "timer"); }
forms::UserControl& FormWindow::UserControlOf(forms::ControlId id) {
    return ControlOf(userControls_, id, "user control").Control();
}

void FormWindow::OnUserControlEvent(forms::ControlId control,
                                    std::function<void(int, forms::EventArgs&)> handler) {
    ControlOf(userControls_, control, "user control")
        .OnEvent([this, handler = std::move(handler)](int eventNumber, forms::EventArgs& args) {
            RunHandler([&] { handler(eventNumber, args); });
        });
}

void FormWindow::OnShellRestarted(std::function<void()> handler) {
    shellRestartedHandler_ = std::move(handler);
}

void FormWindow::OnStartedAgain(std::function<void()> handler) {
    startedAgainHandler_ = std::move(handler);
}

void FormWindow::Show() {
    if (Window() == nullptr) return;
    ::ShowWindow(Window(), SW_SHOW);
    ::SetForegroundWindow(Window());
}

void FormWindow::Hide() {
    if (Window() != nullptr) ::ShowWindow(Window(), SW_HIDE);
}

void FormWindow::Unload() {
    if (Window() == nullptr) return;
    closing_ = true;
    ::DestroyWindow(Window());
}

// The program's handlers run one at a time, each to its end. An event that comes
// while one runs (a tick while a handler waits on a message box) is dropped. An
// error that escapes a handler goes to the runtime, which ends the program with it.
void FormWindow::RunHandler(const std::function<void()>& handler) {
    if (handling_) return;
    handling_ = true;
    try {
        handler();
    } catch (...) {
        runtime_.HandlerFailed(std::current_exception());
    }
    handling_ = false;
}

void FormWindow::OnFailure(std::exception_ptr failure) { runtime_.HandlerFailed(failure); }

Result FormWindow::OnMessage(HWND__* window, unsigned message, WParam wParam, LParam lParam) {
    const HandlerRunner run = [this](const std::function<void()>& handler) { RunHandler(handler); };
    switch (message) {
        case WM_COMMAND:
            if (lParam != 0) {
                const auto it = std::find_if(byId_.begin(), byId_.end(), [&](const auto& entry) {
                    return entry.first == LOWORD(wParam);
                });
                if (it != byId_.end()) it->second->OnCommand(HIWORD(wParam), run);
            }
            return 0;
        case WM_TIMER:
            for (auto& [id, timer] : timers_) {
                if (timer->Id() == wParam) timer->Elapsed(run);
            }
            return 0;
        case WM_ACTIVATE:
            OnActivate(LOWORD(wParam) != WA_INACTIVE && HIWORD(wParam) == 0);
            return 0;
        case kGetDpiScaledSize: {
            // Windows would scale the old frame linearly; the layout's client area at
            // the new DPI is exact.
            auto* size = reinterpret_cast<SIZE*>(lParam);
            const int dpi = static_cast<int>(wParam);
            if (size == nullptr || !forms::IsMonitorDpi(dpi)) return FALSE;
            const forms::PixelRect frame = FrameAt(dpi);
            *size = {frame.width, frame.height};
            return TRUE;
        }
        case kDpiChanged:
            OnDpiChanged(HIWORD(wParam), reinterpret_cast<const RECT*>(lParam));
            return 0;
        case WM_SETFOCUS:
            if (focus_ != nullptr) ::SetFocus(focus_);
            return 0;
        case WM_CLOSE:
            Unload();
            return 0;
        case WM_DESTROY:
            OnDestroy();
            return 0;
        case WM_NCDESTROY:
            OnFinalDestroy();
            break;
        default:
            // The shell restarted: every tray icon is gone and must be added again.
            if (UserControlHost::TaskbarCreatedMessage().Is(message)) {
                for (auto& [id, host] : userControls_) host->ShellRestarted();
                if (shellRestartedHandler_) RunHandler(shellRestartedHandler_);
                return 0;
            }
            if (StartedAgainMessage().Is(message)) return AnswerStartedAgain();
            break;
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

// Another start waits for this answer. A closing window doesn't come forward, so that a
// start made during the close waits for the name instead of ending; nor does one whose
// handler can't run now (another one waits on a message box, whose loop still hands it
// this message). One that can answers before the work, which a busy shell may hold up.
Result FormWindow::AnswerStartedAgain() {
    if (closing_ || handling_ || !startedAgainHandler_) return 0;
    ::ReplyMessage(kCameForward);
    RunHandler(startedAgainHandler_);
    return kCameForward;
}

// Like a dialog, the window gives the focus back to the control that had it.
void FormWindow::OnActivate(bool active) {
    if (!active) {
        HWND focused = ::GetFocus();
        if (focused != nullptr && ::IsChild(Window(), focused)) focus_ = focused;
    } else if (focus_ != nullptr) {
        ::SetFocus(focus_);
    }
}

forms::PixelRect FormWindow::FrameAt(int dpi) const {
    return FrameAround(TwipsToPixels(clientWidth_, dpi), TwipsToPixels(clientHeight_, dpi),
                       kFormStyle, dpi);
}

void FormWindow::PlaceFrameAt(int dpi, const POINT* corner) {
    const forms::PixelRect frame = FrameAt(dpi);
    const UINT keep = SWP_NOZORDER | SWP_NOACTIVATE | (corner == nullptr ? SWP_NOMOVE : 0);
    const POINT at = corner != nullptr ? *corner : POINT{0, 0};
    ::SetWindowPos(Window(), nullptr, at.x, at.y, frame.width, frame.height, keep);
    RECT client{};
    ::GetClientRect(Window(), &client);
    const int wider = TwipsToPixels(clientWidth_, dpi) - client.right;
    const int taller = TwipsToPixels(clientHeight_, dpi) - client.bottom;
    if (wider != 0 || taller != 0)
        ::SetWindowPos(Window(), nullptr, 0, 0, frame.width + wider, frame.height + taller,
                       SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE);
}

// From the layout's twips, every control, whatever DPI they were at before. The new
// font is in every control before the old one is freed. The user controls are not
// shown, and stay as they are.
void FormWindow::PlaceControlsAt(int dpi) {
    OwnedFont font = runtime_.FontAt(dpi);
    for (auto& [id, control] : byId_) control->PlaceAt(dpi, font.get());
    dpi_ = dpi;
    font_ = std::move(font);
}

void FormWindow::OnDpiChanged(int dpi, const RECT* suggested) {
    if (suggested == nullptr || !forms::IsMonitorDpi(dpi)) return;
    const POINT corner{suggested->left, suggested->top};
    PlaceFrameAt(dpi, &corner);
    PlaceControlsAt(dpi);
    SetSmallIconAt(dpi);
}

// The controls are still there: each user control ends (its end-of-life hook runs
// and its window goes) before the window itself.
void FormWindow::OnDestroy() {
    for (HWND control : named_) runtime_.NameForScreenReaders(control, nullptr);
    named_.clear();
    for (auto& [id, timer] : timers_) timer->Detach();
    userControls_.clear();
}

void FormWindow::OnFinalDestroy() {
    for (auto& [id, control] : byId_) control->Detach();
    byId_.clear();
    font_.reset();
    smallIcon_.reset();
    focus_ = nullptr;
    runtime_.FormUnloaded(*this);
}

}  // namespace brenvik::win32
