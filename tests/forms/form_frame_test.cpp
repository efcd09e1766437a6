// Form1's own window: its frame, caption, icons and client area.
#include "tests/forms/form_fixture.h"

#include <cstdlib>

namespace brenvik::testing {
namespace {

TEST_F(Form1Window, IsAPlainTopLevelWindowWithAFixedBorderAndACloseButtonOnly) {
    const DWORD style = static_cast<DWORD>(GetWindowLongW(Main(), GWL_STYLE));
    EXPECT_EQ(style & WS_CAPTION, WS_CAPTION);
    EXPECT_TRUE(style & WS_SYSMENU);
    for (const DWORD absent : {DWORD{WS_THICKFRAME}, DWORD{WS_MAXIMIZEBOX}, DWORD{WS_MINIMIZEBOX},
                               DWORD{WS_CHILD}, DWORD{WS_POPUP}}) {
        SCOPED_TRACE(absent);
        EXPECT_EQ(style & absent, 0);
    }
    // A taskbar button while shown: no owner, not a tool window.
    EXPECT_EQ(GetWindowLongW(Main(), GWL_EXSTYLE) & WS_EX_TOOLWINDOW, 0);
    EXPECT_EQ(GetWindow(Main(), GW_OWNER), nullptr);
    EXPECT_EQ(GetMenu(Main()), nullptr);
    EXPECT_EQ(TextOf(Main()), L"Brenvik");
    EXPECT_FALSE(IsWindowVisible(Main())) << "a form is loaded hidden";
}

SIZE IconSize(HICON icon) {
    ICONINFO info{};
    if (!GetIconInfo(icon, &info)) return {0, 0};
    BITMAP bitmap{};
    GetObjectW(info.hbmColor, sizeof bitmap, &bitmap);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    return {bitmap.bmWidth, bitmap.bmHeight};
}

TEST_F(Form1Window, ShowsTheProgramIconAsItsBigAndSmallIcon) {
    const auto programIcon = runtime_.ProgramIcon();
    ASSERT_NE(programIcon->Handle(), 0u) << "icon 1 of the program file";
    const auto big = reinterpret_cast<HICON>(SendMessageW(Main(), WM_GETICON, ICON_BIG, 0));
    EXPECT_EQ(reinterpret_cast<ULONG_PTR>(big), programIcon->Handle());
    EXPECT_EQ(IconSize(big).cx, 32);
    EXPECT_EQ(IconSize(big).cy, 32);
    const auto small = reinterpret_cast<HICON>(SendMessageW(Main(), WM_GETICON, ICON_SMALL, 0));
    ASSERT_NE(small, nullptr);
    EXPECT_EQ(IconSize(small).cx, GetSystemMetrics(SM_CXSMICON));
    // The tray icon gets the very same picture.
    ASSERT_NE(log_.storedIcon, nullptr);
    EXPECT_EQ(log_.storedIcon->Handle(), programIcon->Handle());
}

// Run at 96 dots per inch by default; the 120 and 168 dpi runs set BRENVIK_TEST_DPI in
// a Wine prefix whose registry says so. At 168 dpi (175 %) a pixel is 8.57 twips.
class ScreenDpi : public Form1Window {};

struct DpiCase {
    int dpi;
    int clientWidth, clientHeight;  // 7080 x 1590 twips
    RECT text1;                     // 960, 255, 2730 x 285 twips
    POINT preview;                  // Label4 at 345, 690 twips
};
constexpr DpiCase kDpiCases[] = {
    {96, 472, 106, {64, 17, 64 + 182, 17 + 19}, {23, 46}},
    // 132.5, 227.5, 23.75 and 57.5 pixels round up
    {120, 590, 133, {80, 21, 80 + 228, 21 + 24}, {29, 58}},
    // 25.5, 28.5 and 34.5 pixels round up
    {144, 708, 159, {96, 26, 96 + 273, 26 + 29}, {35, 69}},
    // 185.5, 29.75, 318.5 and 80.5 pixels round up, 33.25 and 40.25 down
    {168, 826, 186, {112, 30, 112 + 319, 30 + 33}, {40, 81}},
};

const DpiCase* CaseAt(int dpi) {
    for (const auto& c : kDpiCases) {
        if (c.dpi == dpi) return &c;
    }
    return nullptr;
}

TEST_F(ScreenDpi, TurnsTheLayoutsTwipsIntoPixelsAtTheScreensDpi) {
    const char* wanted = std::getenv("BRENVIK_TEST_DPI");
    const int dpi = wanted != nullptr ? std::atoi(wanted) : 96;
    ASSERT_EQ(win32::ScreenDpi(), dpi);
    const DpiCase* expected = CaseAt(dpi);
    ASSERT_NE(expected, nullptr) << "no expected sizes for " << dpi << " dpi";

    RECT client{};
    GetClientRect(Main(), &client);
    EXPECT_EQ(client.right, expected->clientWidth);
    EXPECT_EQ(client.bottom, expected->clientHeight);
    const RECT text1 = ClientRectIn(Main(), Text1());
    EXPECT_EQ(text1.left, expected->text1.left);
    EXPECT_EQ(text1.top, expected->text1.top);
    EXPECT_EQ(text1.right, expected->text1.right);
    EXPECT_EQ(text1.bottom, expected->text1.bottom);
    const RECT preview = ClientRectIn(Main(), Control(forms::ControlKind::Label, "Label4"));
    EXPECT_EQ(preview.left, expected->preview.x);
    EXPECT_EQ(preview.top, expected->preview.y);

    // The tray control's mouse positions come in twips at the same scale: the shell's
    // callback for a double click (x = 515) is 515 again once divided by it.
    ASSERT_NE(log_.site, nullptr);
    EXPECT_EQ(log_.site->TwipsPerPixelX(), 1440.0f / static_cast<float>(dpi));
    SendMessageW(win32::ToHwnd(log_.site->hWnd()), WM_MOUSEMOVE, 0, MAKELPARAM(515, 0));
    const volatile float message = log_.mouseX / log_.site->TwipsPerPixelX();
    EXPECT_EQ(message, 515.0f);
}

// Moved to a monitor of another DPI, the window takes the rectangle Windows suggests,
// and its controls take the places and the font that a fresh start there gives them.
TEST_F(ScreenDpi, MovedToAMonitorOfAnotherDpiLaysItsControlsOutAsAFreshStartThere) {
    RECT suggested{40, 30, 40 + 760, 30 + 210};
    for (const int dpi : {144, 120}) {
        SCOPED_TRACE(dpi);
        SendMessageW(Main(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                     reinterpret_cast<LPARAM>(&suggested));
        RECT frame{};
        GetWindowRect(Main(), &frame);
        EXPECT_TRUE(EqualRect(&frame, &suggested));
        const RECT text1 = ClientRectIn(Main(), Text1());
        const RECT& expected = CaseAt(dpi)->text1;
        EXPECT_TRUE(EqualRect(&text1, &expected))
            << text1.left << ", " << text1.top << ", " << text1.right << ", " << text1.bottom;
        for (HWND control = GetWindow(Main(), GW_CHILD); control != nullptr;
             control = GetWindow(control, GW_HWNDNEXT)) {
            if (!IsWindowVisible(control)) continue;  // the user control's window
            EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)),
                      runtime_.FontAt(dpi));
        }
        suggested.right += 50;
    }
}

}  // namespace
}  // namespace brenvik::testing
