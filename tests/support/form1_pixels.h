#pragma once
// Brenvik's window at 96 dpi as a user sees it: its client area and each control's
// place in it, in pixels (the layout's twips / 15). Checked on Brenvik.exe end to end,
// and on the forms runtime's sample form, whose rows stand where Brenvik's like ones do.
#include <windows.h>

#include <stdexcept>
#include <string_view>

namespace brenvik::testing {

inline constexpr SIZE kClientAt96Dpi{472, 106};  // 7080 x 1590 twips

struct ControlPixels {
    std::string_view control;
    RECT place;  // a label that fits its text: only the corner, its size is its text's
};
// clang-format off
inline constexpr ControlPixels kControlsAt96Dpi[] = {
    {"Label1",   {23, 20, 0, 0}},
    {"Text1",    {64, 17, 246, 36}},
    {"Label2",   {334, 20, 0, 0}},
    {"Text2",    {382, 18, 424, 37}},
    {"Label3",   {429, 20, 462, 38}},
    {"Check1",   {262, 21, 280, 37}},
    {"Label5",   {282, 21, 0, 0}},
    {"Label4",   {23, 46, 0, 0}},
    {"Command1", {16, 68, 121, 93}},
    {"Command3", {139, 68, 266, 93}},
    {"Command2", {276, 68, 400, 92}},
};
// clang-format on

constexpr RECT PlaceAt96Dpi(std::string_view control) {
    for (const ControlPixels& row : kControlsAt96Dpi) {
        if (row.control == control) return row.place;
    }
    throw std::invalid_argument("no such control at 96 dpi");
}

}  // namespace brenvik::testing
