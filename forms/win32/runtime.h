#pragma once
// The forms runtime over real windows: it loads forms from their layout tables,
// gives the program its icon, and runs the message loop with the dialog keyboard
// (Tab and Shift+Tab walk the tab order).
#include <exception>
#include <functional>
#include <memory>
#include <vector>

#include "forms/forms.h"
#include "forms/win32/accessible_name.h"
#include "forms/win32/message_filter.h"
#include "forms/win32/owned.h"
#include "forms/win32/window_dpi.h"

namespace brenvik::win32 {

class FormWindow;

// Tells the DPI of a window: its monitor's (WindowDpi), or a stand-in's in tests.
using WindowDpiQuery = std::function<int(HWND__* window)>;

class FormsRuntime final : public forms::Runtime {
public:
    explicit FormsRuntime(WindowDpiQuery windowDpi = WindowDpi,
                          MessageFilter letThrough = LetThroughFromEveryLevel,
                          AccessibleNaming nameForScreenReaders = NameByAnnotation);
    ~FormsRuntime() override;
    FormsRuntime(const FormsRuntime&) = delete;
    FormsRuntime& operator=(const FormsRuntime&) = delete;

    std::unique_ptr<forms::Form> LoadForm(const forms::FormLayout& layout) override;
    // Icon 1 of the program file, 32 x 32; an empty picture when the file has none.
    forms::PictureRef ProgramIcon() override;
    // Unloads every form still loaded (their user controls end) and ends the loop.
    void End() override;

    // The message loop. It ends when the last form is unloaded or End is called and
    // returns the program's exit code. An error that escapes one of the program's
    // event handlers ends the loop and is thrown again from here.
    int Run();
    // Handles the messages already waiting, as Run would, then returns; false once
    // the program has ended. Tests drive the runtime with it.
    bool RunPending();

    // What the forms share: the screen's DPI and each form's own.
    int Dpi() const { return dpi_; }
    int DpiOf(HWND__* window) const { return windowDpi_(window); }
    // The font every control shows at `dpi`: the system's message font, scaled from the
    // screen's DPI to another.
    OwnedFont FontAt(int dpi) const;
    // Icon 1 of the program file at the small icon's size at `dpi`; null when the file
    // has none.
    OwnedIcon SmallIconAt(int dpi) const;
    void LetThrough(HWND__* window, unsigned message) const { letThrough_(window, message); }
    void NameForScreenReaders(HWND__* control, const wchar_t* name) const {
        nameForScreenReaders_(control, name);
    }
    void FormLoaded(FormWindow& form);
    void FormUnloaded(FormWindow& form);
    void HandlerFailed(std::exception_ptr failure);

private:
    // Hands one message to the dialog keyboard of the form it concerns, or dispatches it.
    void Dispatch(tagMSG& message);
    void RethrowFailure();
    void Quit();

    WindowDpiQuery windowDpi_;
    MessageFilter letThrough_;
    AccessibleNaming nameForScreenReaders_;
    int dpi_;
    OwnedFont font_;  // at the screen's DPI; null: the stock GUI font stands for it
    forms::PictureRef programIcon_;
    std::vector<FormWindow*> loaded_;
    bool quitPosted_ = false;
    bool ended_ = false;
    std::exception_ptr failure_;
};

}  // namespace brenvik::win32
