#pragma once
// The events that Brenvik.Tray raises to its host, numbered in the order declared,
// and the mouse messages on the icon that raise them.
#include <array>
#include <cstdint>
#include <string_view>

#include "platform/shell_api.h"

namespace brenvik {

struct TrayEventInfo {
    int number;
    std::string_view name;
    std::u16string_view description;  // shown by a designer's event list
};

inline constexpr std::array<TrayEventInfo, 4> kTrayEvents{{
    {1, "MouseMove", u""},
    {2, "MouseDown", u""},  // Button: 1 left, 2 right, by reference
    {3, "MouseUp", u""},    // Button: 1 left, 2 right, by reference
    {4, "DblClick",
     u"Viene generato quando si preme e si rilascia due volte in rapida successione "
     u"un pulsante del mouse su un oggetto."},
}};

// A mouse message that the shell reports on the icon, the event it raises and the
// Button it passes (0 for events without one). Middle-button messages raise nothing.
struct TrayMouseMessage {
    std::uint32_t message;
    int event;
    std::int16_t button;
};

inline constexpr std::array<TrayMouseMessage, 7> kTrayMouseMessages{{
    {win::kWmMouseMove, 1, 0},      // MouseMove
    {win::kWmMouseMove + 1, 2, 1},  // WM_LBUTTONDOWN: MouseDown, left
    {win::kWmMouseMove + 2, 3, 1},  // WM_LBUTTONUP: MouseUp, left
    {win::kWmMouseMove + 3, 4, 0},  // WM_LBUTTONDBLCLK: DblClick
    {win::kWmMouseMove + 4, 2, 2},  // WM_RBUTTONDOWN: MouseDown, right
    {win::kWmMouseMove + 5, 3, 2},  // WM_RBUTTONUP: MouseUp, right
    {win::kWmMouseMove + 6, 4, 0},  // WM_RBUTTONDBLCLK: DblClick
}};

}  // namespace brenvik
