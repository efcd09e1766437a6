#pragma once
// What other programs find Brenvik's window by: its window class and caption. Another
// start of the program, the end-to-end tests, the benchmarks and brenvik_remote look
// for exactly this window.
namespace brenvik::form1 {

inline constexpr char16_t kCaption[] = u"Brenvik";
inline constexpr char16_t kWindowClass[] = u"BrenvikForm";

#ifdef _WIN32
// The same, as the "W" functions of Windows take them (wchar_t is UTF-16 there).
inline const wchar_t* WideCaption() { return reinterpret_cast<const wchar_t*>(kCaption); }
inline const wchar_t* WideWindowClass() { return reinterpret_cast<const wchar_t*>(kWindowClass); }
#endif

}  // namespace brenvik::form1
