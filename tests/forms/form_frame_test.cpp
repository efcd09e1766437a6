// A form's own window: its frame, caption, icons and client area.
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "tests/forms/form_fixture.h"
#include "tests/support/caller.h"
#include "tests/support/form1_pixels.h"

namespace brenvik::testing {
namespace {

TEST_F(SampleForm, IsAPlainTopLevelWindowWithAFixedBorderAndACloseButtonOnly) {
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
    EXPECT_EQ(TextOf(Main()), L"Sample");
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

TEST_F(SampleForm, ShowsTheProgramIconAsItsBigAndSmallIcon) {
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
class ScreenDpi : public SampleForm {};

struct DpiCase {
    int dpi;
    int clientWidth, clientHeight;  // 7080 x 1590 twips
    RECT text1;                     // 960, 255, 2730 x 285 twips
    POINT preview;                  // Label4 at 345, 690 twips
};
constexpr DpiCase kDpiCases[] = {
    {96,
     kClientAt96Dpi.cx,
     kClientAt96Dpi.cy,
     PlaceAt96Dpi("Text1"),
     {PlaceAt96Dpi("Label4").left, PlaceAt96Dpi("Label4").top}},
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

// Checks a window laid out at `dpi` (below).
void ExpectLaidOutAt(HWND main, int dpi, testing::Caller caller = testing::Caller::current());

TEST_F(ScreenDpi, TurnsTheLayoutsTwipsIntoPixelsAtTheScreensDpi) {
    const char* wanted = std::getenv("BRENVIK_TEST_DPI");
    const int dpi = wanted != nullptr ? std::atoi(wanted) : 96;
    ASSERT_EQ(win32::ScreenDpi(), dpi);
    ExpectLaidOutAt(Main(), dpi);

    // The tray control's mouse positions come in twips at the same scale: the shell's
    // callback for a double click (x = 515) is 515 again once divided by it.
    ASSERT_NE(log_.site, nullptr);
    // Both sides as floats in memory: i686 computes in the x87's wider registers.
    const volatile float twipsPerPixel = 1440.0f / static_cast<float>(dpi);
    const volatile float siteTwipsPerPixel = log_.site->TwipsPerPixelX();
    EXPECT_EQ(siteTwipsPerPixel, twipsPerPixel);
    SendMessageW(win32::ToHwnd(log_.site->hWnd()), WM_MOUSEMOVE, 0, MAKELPARAM(515, 0));
    const volatile float message = log_.mouseX / log_.site->TwipsPerPixelX();
    EXPECT_EQ(message, 515.0f);
}

// Windows tells a window's own DPI where it can: one made while its thread was unaware
// of DPI is at 96 dpi whatever the screen's, and the runtime's query says so.
TEST_F(ScreenDpi, AWindowsDpiIsTheOneWindowsGivesIt) {
    const DPI_AWARENESS_CONTEXT before =
        SetThreadDpiAwarenessContext(DPI_AWARENESS_CONTEXT_UNAWARE);
    HWND unaware = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                   nullptr, nullptr);
    SetThreadDpiAwarenessContext(before);
    ASSERT_EQ(GetDpiForWindow(unaware), 96u);
    EXPECT_EQ(win32::WindowDpi(unaware), 96);
    EXPECT_EQ(win32::WindowDpi(Main()), win32::ScreenDpi());
    DestroyWindow(unaware);
}

// Every shown control's place, in z-order (the order the window made them in).
std::vector<RECT> ShownControlPlaces(HWND main) {
    std::vector<RECT> places;
    for (HWND control = GetWindow(main, GW_CHILD); control != nullptr;
         control = GetWindow(control, GW_HWNDNEXT)) {
        if (GetWindowLongW(control, GWL_STYLE) & WS_VISIBLE)
            places.push_back(ClientRectIn(main, control));
    }
    return places;
}

// A label's caption on one line in the label's own font.
SIZE CaptionExtentOf(HWND label) {
    HDC dc = CreateCompatibleDC(nullptr);
    SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(label, WM_GETFONT, 0, 0)));
    const std::wstring caption = TextOf(label);
    SIZE extent{};
    GetTextExtentPoint32W(dc, caption.c_str(), static_cast<int>(caption.size()), &extent);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    DeleteDC(dc);
    return {extent.cx, metrics.tmHeight};
}

// What a user sees of the window at `dpi`, as a fresh start there lays it out: the
// client area and places of the table, the message font at that DPI's size in every
// control, the preview line fitted to its caption in that font, and every control
// where a window made at that DPI puts it.
void ExpectLaidOutAt(HWND main, int dpi, testing::Caller caller) {
    const auto trace = testing::TraceCaller(caller);
    SCOPED_TRACE(std::to_string(dpi) + " dpi");
    const DpiCase* expected = CaseAt(dpi);
    ASSERT_NE(expected, nullptr);
    RECT client{};
    GetClientRect(main, &client);
    EXPECT_EQ(client.right, expected->clientWidth);
    EXPECT_EQ(client.bottom, expected->clientHeight);
    const RECT text1 = ClientRectIn(main, GetDlgItem(main, WindowIdOf(Control::Text1)));
    EXPECT_TRUE(EqualRect(&text1, &expected->text1))
        << text1.left << ", " << text1.top << ", " << text1.right << ", " << text1.bottom;
    HWND label4 = GetDlgItem(main, WindowIdOf(Control::Label4));
    const RECT preview = ClientRectIn(main, label4);
    EXPECT_EQ(preview.left, expected->preview.x);
    EXPECT_EQ(preview.top, expected->preview.y);
    const SIZE caption = CaptionExtentOf(label4);
    EXPECT_EQ(preview.right - preview.left, caption.cx);
    EXPECT_EQ(preview.bottom - preview.top, caption.cy);
    for (HWND control = GetWindow(main, GW_CHILD); control != nullptr;
         control = GetWindow(control, GW_HWNDNEXT)) {
        if (GetWindowLongW(control, GWL_STYLE) & WS_VISIBLE) {
            EXPECT_EQ(FontHeightOf(control), MessageFontHeightAt(dpi)) << TextOf(control);
        }
    }

    HostedControlLog freshLog;
    win32::FormsRuntime freshRuntime([dpi](HWND) { return dpi; });
    const auto fresh = freshRuntime.LoadForm(
        SampleLayout(freshRuntime.ProgramIcon(), [&freshLog](forms::UserControlSite& site) {
            return std::make_unique<RecordingControl>(site, freshLog);
        }));
    HWND freshMain = dynamic_cast<win32::FormWindow&>(*fresh).Window();
    const std::wstring shown = TextOf(label4);
    fresh->LabelOf(Control::Label4).SetCaption(std::u16string(shown.begin(), shown.end()));
    const std::vector<RECT> places = ShownControlPlaces(main);
    const std::vector<RECT> freshPlaces = ShownControlPlaces(freshMain);
    ASSERT_EQ(places.size(), freshPlaces.size());
    EXPECT_EQ(places.size(), 9u);
    for (std::size_t i = 0; i < places.size(); ++i)
        EXPECT_TRUE(EqualRect(&places[i], &freshPlaces[i])) << "control " << i << " in z-order";
}

// The DPIs of this test's monitors: each of the table's but the screen's.
std::vector<int> OtherDpis() {
    std::vector<int> dpis;
    for (const auto& c : kDpiCases) {
        if (c.dpi != win32::ScreenDpi()) dpis.push_back(c.dpi);
    }
    return dpis;
}

HFONT FontOf(HWND control) {
    return reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
}

// Moved to a monitor of another DPI, the window keeps the corner Windows suggests, takes
// the layout's client area there and lays its controls out as a fresh start there would.
// The font of the monitor it left is gone once no control shows it; moved there again,
// the window shows a live font of that DPI again.
TEST_F(ScreenDpi, MovedToAMonitorOfAnotherDpiLaysItsControlsOutAsAFreshStartThere) {
    form_->LabelOf(Control::Label4).SetCaption(u"Preview: Some Artist - A Song Title");
    RECT suggested{40, 30, 40 + 760, 30 + 210};  // not the layout's size: Windows' guess
    HFONT left = FontOf(Text1());
    std::vector<int> dpis = OtherDpis();
    const int again = dpis.back();
    dpis.push_back(win32::ScreenDpi());  // back to the main monitor
    dpis.push_back(again);               // and to the last other monitor again
    for (const int dpi : dpis) {
        SendMessageW(Main(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                     reinterpret_cast<LPARAM>(&suggested));
        RECT frame{};
        GetWindowRect(Main(), &frame);
        EXPECT_EQ(frame.left, suggested.left);
        EXPECT_EQ(frame.top, suggested.top);
        ExpectLaidOutAt(Main(), dpi);
        EXPECT_EQ(GetObjectType(left), 0u) << "the font at the DPI left";
        left = FontOf(Text1());
        suggested.right += 50;
    }
}

// Windows asks the frame's size at the new DPI before it moves the window there.
TEST_F(ScreenDpi, GivesWindowsTheFrameOfTheLayoutsClientAreaAtANewDpi) {
    for (const int dpi : OtherDpis()) {
        SCOPED_TRACE(dpi);
        SIZE size{-1, -1};
        EXPECT_EQ(SendMessageW(Main(), WM_GETDPISCALEDSIZE, dpi, reinterpret_cast<LPARAM>(&size)),
                  TRUE);
        RECT borders{0, 0, 0, 0};
        AdjustWindowRectExForDpi(&borders, GetWindowLongW(Main(), GWL_STYLE), FALSE, 0, dpi);
        EXPECT_EQ(size.cx - (borders.right - borders.left), CaseAt(dpi)->clientWidth);
        EXPECT_EQ(size.cy - (borders.bottom - borders.top), CaseAt(dpi)->clientHeight);
    }
    SIZE size{-1, -1};
    EXPECT_EQ(SendMessageW(Main(), WM_GETDPISCALEDSIZE, 0, reinterpret_cast<LPARAM>(&size)), FALSE);
    EXPECT_EQ(size.cx, -1);
    EXPECT_EQ(SendMessageW(Main(), WM_GETDPISCALEDSIZE, 144, 0), FALSE);
}

// A change that names no rectangle, or no DPI a monitor has, moves nothing.
TEST_F(ScreenDpi, ADpiChangeWithNoRectangleOrNoDpiChangesNothing) {
    RECT suggested{40, 30, 40 + 760, 30 + 210};
    struct Change {
        int dpi;
        RECT* rectangle;
    } const changes[] = {{144, nullptr}, {0, &suggested}, {65535, &suggested}, {1, &suggested}};
    RECT before{};
    GetWindowRect(Main(), &before);
    const RECT text1Before = ClientRectIn(Main(), Text1());
    const LONG fontBefore = FontHeightOf(Text1());
    for (const Change& change : changes) {
        SCOPED_TRACE(change.dpi);
        SendMessageW(Main(), WM_DPICHANGED, MAKEWPARAM(change.dpi, change.dpi),
                     reinterpret_cast<LPARAM>(change.rectangle));
        RECT after{};
        GetWindowRect(Main(), &after);
        EXPECT_TRUE(EqualRect(&after, &before));
        const RECT text1 = ClientRectIn(Main(), Text1());
        EXPECT_TRUE(EqualRect(&text1, &text1Before));
        EXPECT_EQ(FontHeightOf(Text1()), fontBefore);
    }
}

// Counts, for each control it watches, the paints that drew the control whole.
class WholePaints {
public:
    explicit WholePaints(HWND main) {
        for (HWND control = GetWindow(main, GW_CHILD); control != nullptr;
             control = GetWindow(control, GW_HWNDNEXT)) {
            if (!(GetWindowLongW(control, GWL_STYLE) & WS_VISIBLE)) continue;
            SetPropW(control, kOldProcedure,
                     reinterpret_cast<HANDLE>(SetWindowLongPtrW(
                         control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Procedure))));
            counts()[control] = 0;
        }
    }
    ~WholePaints() {
        for (const auto& [control, count] : counts()) {
            SetWindowLongPtrW(control, GWLP_WNDPROC,
                              reinterpret_cast<LONG_PTR>(RemovePropW(control, kOldProcedure)));
        }
        counts().clear();
    }
    static std::map<HWND, int>& counts() {
        static std::map<HWND, int> paints;
        return paints;
    }

private:
    static constexpr const wchar_t* kOldProcedure = L"BrenvikTestOldProcedure";
    static LRESULT CALLBACK Procedure(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_PAINT) {
            RECT update{}, client{};
            GetUpdateRect(control, &update, FALSE);
            GetClientRect(control, &client);
            if (EqualRect(&update, &client)) ++counts()[control];
        }
        const auto old = reinterpret_cast<WNDPROC>(GetPropW(control, kOldProcedure));
        return CallWindowProcW(old, control, message, wParam, lParam);
    }
};

// Shown on one monitor and moved to another, every control is drawn again, whole, in
// its new font: none keeps the old picture.
TEST_F(ScreenDpi, MovedToAMonitorOfAnotherDpiDrawsEveryControlAgain) {
    form_->Show();
    ASSERT_TRUE(PumpUntil([&] { return GetUpdateRect(Main(), nullptr, FALSE) == FALSE; }));
    runtime_.RunPending();
    const WholePaints paints(Main());
    RECT suggested{40, 30, 40 + 760, 30 + 210};
    const int dpi = OtherDpis().front();
    SendMessageW(Main(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
    for (const auto& [control, count] : WholePaints::counts()) {
        EXPECT_TRUE(PumpUntil([&] { return WholePaints::counts()[control] > 0; }))
            << TextOf(control);
    }
}

// Made on a monitor whose DPI is not the system's, the window hears of no change: it
// asks its own DPI (here a stand-in answers for Windows, which Wine can't show) and is
// laid out there from the start; moved to the system's DPI, it is laid out there.
int AnotherMonitorsDpi() { return win32::ScreenDpi() == 168 ? 120 : 168; }

class StartedOnAnotherMonitor : public SampleForm {
protected:
    StartedOnAnotherMonitor() : SampleForm([](HWND) { return AnotherMonitorsDpi(); }) {}
};

// The caption's icon is an image of the small icon's size there (16 pixels at 96 dpi),
// not one scaled from another DPI's.
LONG SmallIconSideAt(int dpi) {
    constexpr struct {
        int dpi;
        LONG side;
    } kSides[] = {{96, 16}, {120, 20}, {144, 24}, {168, 28}};
    for (const auto& s : kSides) {
        if (s.dpi == dpi) return s.side;
    }
    return 0;
}
HICON SmallIconOf(HWND window) {
    return reinterpret_cast<HICON>(SendMessageW(window, WM_GETICON, ICON_SMALL, 0));
}

TEST_F(StartedOnAnotherMonitor, IsLaidOutAtItsOwnDpiThenAtTheSystemsAfterAMove) {
    ExpectLaidOutAt(Main(), AnotherMonitorsDpi());
    const HICON ownIcon = SmallIconOf(Main());
    EXPECT_EQ(IconSize(ownIcon).cx, SmallIconSideAt(AnotherMonitorsDpi()));
    const HFONT own = FontOf(Text1());
    RECT suggested{0, 0, 100, 100};
    SendMessageW(Main(), WM_DPICHANGED, MAKEWPARAM(win32::ScreenDpi(), win32::ScreenDpi()),
                 reinterpret_cast<LPARAM>(&suggested));
    ExpectLaidOutAt(Main(), win32::ScreenDpi());
    EXPECT_EQ(GetObjectType(own), 0u) << "the font of the monitor it left";
    EXPECT_EQ(IconSize(SmallIconOf(Main())).cx, SmallIconSideAt(win32::ScreenDpi()));
    ICONINFO info{};
    EXPECT_FALSE(GetIconInfo(ownIcon, &info)) << "the icon of the monitor it left is freed";
    // Windows before 10 has no per-DPI metrics: the side still follows the window's DPI.
    for (const int dpi : {96, 120, 144, 168})
        EXPECT_EQ(win32::SmallIconSize(dpi, nullptr), SmallIconSideAt(dpi)) << dpi;
}

}  // namespace
}  // namespace brenvik::testing
