#pragma once
// The floors the program's ticks are measured against: the Windows calls a tick
// can't do without, made directly through the real functions.
#include <string>
#include <string_view>

#include "app/other_programs.h"
#include "forms/forms.h"
#include "platform/win32/win32_api.h"

struct HDC__;
struct HWND__;

namespace brenvik::winbench {

constexpr char kUserId[] = "benchuser";
inline const std::string kCustomMessagesKey =
    other_programs::CustomMessagesKey(BRENVIK_PAGER_SUB_KEY, kUserId);

// What an unchanged tick needs: find the player and read its title.
void ReadPlayerTitle(win32::Win32Api& api, char (&title)[260]);

// What a publication needs: read the user ID; write "5" and "5_DND", each with its
// own open and close of the user's key; find the messenger and post it command 392.
void PublishDirectly(win32::Win32Api& api, std::string_view status);

// The windows whose parent is `window`.
int ChildWindowsOf(HWND__* window);

// Where the preview's floor is shown: a shown form of the program's form style, and on
// it a bare window for each windowed row of `layout`, of the class and style that the
// forms runtime gives the row's kind, at the row's place at `dpi`, in the font of
// `program`'s labels. The row of `preview` is the preview label, fitted among as
// many siblings as the program's own. The form shows at the foot of the screen, clear
// of the windows made at the system's default place.
class FloorForm {
public:
    FloorForm(const forms::FormLayout& layout, forms::ControlId preview, HWND__* program, int dpi);
    ~FloorForm();
    FloorForm(const FloorForm&) = delete;
    FloorForm& operator=(const FloorForm&) = delete;

    HWND__* Label() const { return label_; }
    // What a publication's preview needs: the text measured in the label's font (in a
    // memory DC kept from one call to the next), the label sized to fit it, its text set.
    void ShowPreview(const char* text);

private:
    HWND__* window_ = nullptr;
    HWND__* label_ = nullptr;
    HDC__* measuring_ = nullptr;
};

}  // namespace brenvik::winbench
