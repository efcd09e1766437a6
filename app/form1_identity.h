#pragma once
// What other programs find Brenvik's window by: its window class and caption. Another
// start of the program, the end-to-end tests, the benchmarks and brenvik_remote look
// for exactly this window.
namespace brenvik::form1 {

inline constexpr char16_t kCaption[] = u"Brenvik";
inline constexpr char16_t kWindowClass[] = u"BrenvikForm";

}  // namespace brenvik::form1
