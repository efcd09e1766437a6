#pragma once
// Windows names a control for screen readers after its caption, or an edit box after the
// label made just before it. A control whose caption the window never shows is given
// the text that stands for it instead.

struct HWND__;

namespace brenvik::win32 {

// Gives `control` the accessible name `name`; with null, takes back the name given, before
// the control goes. Tests give a stand-in.
using AccessibleNaming = void (*)(HWND__* control, const wchar_t* name);

// Windows' accessibility annotation (IAccPropServices of oleacc), found at run time;
// where Windows lacks it, the control keeps Windows' own name.
void NameByAnnotation(HWND__* control, const wchar_t* name);

}  // namespace brenvik::win32
