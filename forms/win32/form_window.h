#pragma once
// A form on a real top-level window: fixed single border, close button only, its
// client area and controls laid out in twips, its controls found by identity. The
// window procedure routes WM_COMMAND and WM_TIMER to the control they concern and
// runs the program's handlers one at a time.
#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include "forms/controls_by_id.h"
#include "forms/forms.h"
#include "forms/win32/controls.h"
#include "forms/win32/owned.h"
#include "forms/win32/window_base.h"

struct tagPOINT;
struct tagRECT;

namespace brenvik::win32 {

class FormsRuntime;
class UserControlHost;

class FormWindow final : public forms::Form, public WindowBase<FormWindow> {
public:
    // Makes the window, hidden, and its controls, so that the keyboard walks them by
    // their tab indices.
    FormWindow(FormsRuntime& runtime, const forms::FormLayout& layout);
    ~FormWindow() override;
    FormWindow(const FormWindow&) = delete;
    FormWindow& operator=(const FormWindow&) = delete;

    forms::TextBox& TextBoxOf(forms::ControlId id) override;
    forms::Label& LabelOf(forms::ControlId id) override;
    forms::CommandButton& ButtonOf(forms::ControlId id) override;
    forms::CheckBox& CheckBoxOf(forms::ControlId id) override;
    forms::Timer& TimerOf(forms::ControlId id) override;
    forms::UserControl& UserControlOf(forms::ControlId id) override;
    void OnUserControlEvent(
        forms::ControlId control,
        std::function<void(int eventNumber, forms::EventArgs& args)> handler) override;
    void OnShellRestarted(std::function<void()> handler) override;
    void OnStartedAgain(std::function<void()> handler) override;

    // Shows the window and brings it to the front (as when it comes back from the tray).
    void Show() override;
    void Hide() override;
    // The window closes: user controls end, timers stop, the window goes. Showing or
    // hiding an unloaded form does nothing.
    void Unload() override;

    // The top-level window (Window()) is null once the form is unloaded.
    using WindowBase<FormWindow>::Window;

private:
    friend class WindowBase<FormWindow>;
    Result OnMessage(HWND__* window, unsigned message, WParam wParam, LParam lParam);
    // A failure in the window's own handling ends the program, as a handler's does.
    void OnFailure(std::exception_ptr failure);

    template <typename T>
    using ById = forms::ById<std::unique_ptr<T>>;

    void CreateWindowAndControls(const forms::FormLayout& layout);
    void CreateControl(const forms::ControlLayout& row);
    // Runs one of the program's event handlers; see the definition for nesting.
    void RunHandler(const std::function<void()>& handler);
    void OnActivate(bool active);
    Result AnswerStartedAgain();
    void SetSmallIconAt(int dpi);
    // The frame whose client area is the layout's at `dpi`.
    forms::PixelRect FrameAt(int dpi) const;
    // Sizes the frame for the layout's client area at `dpi`, its corner at `corner`
    // (or where it is): should the borders Windows draws differ from those it reckoned,
    // the client area still comes out whole.
    void PlaceFrameAt(int dpi, const tagPOINT* corner);
    // The controls take their places and font at `dpi`, as a fresh start there gives them.
    void PlaceControlsAt(int dpi);
    // The window moved to a monitor of `dpi`: it takes the corner Windows suggests and
    // the layout's size there. No rectangle, or no DPI a monitor has, changes nothing.
    void OnDpiChanged(int dpi, const tagRECT* suggested);
    void OnDestroy();
    void OnFinalDestroy();

    FormsRuntime& runtime_;
    int clientWidth_, clientHeight_;  // twips
    int dpi_;                         // the window's: its layout's pixels are at this DPI
    OwnedFont font_;                  // the controls', at dpi_, while the window lives
    OwnedIcon smallIcon_;             // the caption's, made at dpi_
    HWND__* focus_ = nullptr;         // the control to focus when the window is next activated
    bool handling_ = false;           // one of the program's handlers is running
    bool closing_ = false;            // Unload has begun: the window answers no other start

    ById<Win32TextBox> textBoxes_;
    ById<Win32Label> labels_;
    ById<Win32Button> buttons_;
    ById<Win32CheckBox> checkBoxes_;
    ById<Win32Timer> timers_;
    ById<UserControlHost> userControls_;
    std::function<void()> shellRestartedHandler_;
    std::function<void()> startedAgainHandler_;
    std::vector<std::pair<int, ChildControl*>> byId_;  // by WM_COMMAND's control identifier
    std::vector<HWND__*> named_;  // given a name for screen readers, taken back before they go
};

}  // namespace brenvik::win32
