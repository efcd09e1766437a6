#pragma once
// The window class of every form: what another start of the program finds the running
// form by.

namespace brenvik::win32 {

inline constexpr wchar_t kFormClass[] = L"BrenvikForm";

}  // namespace brenvik::win32
