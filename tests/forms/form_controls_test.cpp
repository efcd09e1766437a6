// The sample form's controls as real USER controls: classes, styles, places, texts, the tab
// order and the keyboard, labels that fit their text, the check box and clicks.
#include "tests/forms/form_fixture.h"
#include "tests/support/form1_pixels.h"

namespace brenvik::testing {
namespace {

using forms::ControlKind;

struct ControlCase {
    const char* name;
    Control id;  // the window identifier other programs find it by
    ControlKind kind;
    const wchar_t* windowClass;
    const wchar_t* text;
    LONG typeStyle;  // SS_LEFT, BS_PUSHBUTTON or BS_AUTOCHECKBOX; 0 for an edit box
    bool tabStop;
};

// clang-format off
constexpr ControlCase kControls[] = {
    {"Label1",   Control::Label1,   ControlKind::Label,         L"Static", L"Prefix:",        SS_LEFT,         false},
    {"Text1",    Control::Text1,    ControlKind::TextBox,       L"Edit",   L"",               0,               true},
    {"Text2",    Control::Text2,    ControlKind::TextBox,       L"Edit",   L"3",              0,               true},
    {"Label3",   Control::Label3,   ControlKind::Label,         L"Static", L"detik",          SS_LEFT,         false},
    {"Check1",   Control::Check1,   ControlKind::CheckBox,      L"Button", L"Check1",         BS_AUTOCHECKBOX, true},
    {"Label4",   Control::Label4,   ControlKind::Label,         L"Static", L"",               SS_LEFT,         false},
    {"Command1", Control::Command1, ControlKind::CommandButton, L"Button", L"",               BS_PUSHBUTTON,   true},
    {"Command3", Control::Command3, ControlKind::CommandButton, L"Button", L"Goto Tray",      BS_PUSHBUTTON,   true},
    {"Command2", Control::Command2, ControlKind::CommandButton, L"Button", L"Tutup Aplikasi", BS_PUSHBUTTON,   true},
};
// clang-format on

SIZE TextExtent(HWND control, const std::wstring& text) {
    HDC dc = GetDC(control);
    HGDIOBJ previous =
        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
    SIZE extent{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, previous);
    ReleaseDC(control, dc);
    return {extent.cx, metrics.tmHeight};
}

void PressKey(HWND window, WPARAM key) {
    PostMessageW(window, WM_KEYDOWN, key, 1);
    PostMessageW(window, WM_KEYUP, key, 0xC0000001);
}

TEST_F(SampleForm, MakesEachControlAsAStandardControlInItsPlace) {
    ASSERT_EQ(win32::ScreenDpi(), 96) << "the pixel figures below are for 96 dpi";
    for (const auto& c : kControls) {
        SCOPED_TRACE(c.name);
        HWND control = WindowOfControl(c.kind, c.id);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(GetParent(control), Main());
        EXPECT_EQ(GetDlgCtrlID(control), WindowIdOf(c.id));
        EXPECT_EQ(_wcsicmp(ClassOf(control).c_str(), c.windowClass), 0) << ClassOf(control);
        EXPECT_EQ(TextOf(control), c.text);
        EXPECT_EQ(FontHeightOf(control), MessageFontHeightAt(96));

        const LONG style = GetWindowLongW(control, GWL_STYLE);
        EXPECT_TRUE(style & WS_VISIBLE);
        EXPECT_EQ((style & WS_TABSTOP) != 0, c.tabStop);
        if (c.kind == ControlKind::TextBox) {
            EXPECT_TRUE(style & ES_AUTOHSCROLL);
            EXPECT_EQ(style & ES_MULTILINE, 0);
        } else if (c.kind == ControlKind::Label) {
            EXPECT_EQ(style & SS_TYPEMASK, c.typeStyle);
            EXPECT_TRUE(style & SS_NOPREFIX);
        } else {
            EXPECT_EQ(style & BS_TYPEMASK, c.typeStyle);
        }

        const RECT rect = ClientRectIn(Main(), control);
        const RECT expected = PlaceAt96Dpi(c.name);
        EXPECT_EQ(rect.left, expected.left);
        EXPECT_EQ(rect.top, expected.top);
        if (expected.right == 0) {  // a label that fits its text
            const SIZE extent = TextExtent(control, c.text);
            EXPECT_EQ(rect.right - rect.left, extent.cx);
            EXPECT_EQ(rect.bottom - rect.top, extent.cy);
        } else {
            EXPECT_EQ(rect.right, expected.right);
            EXPECT_EQ(rect.bottom, expected.bottom);
        }
    }
}

// Shown, the form is the dialog colour, behind its labels and its check box too: a
// pixel that their text and box leave bare, the bottom right one.
TEST_F(SampleForm, LabelsAndTheCheckBoxStandOnTheDialogColour) {
    form_->Show();
    RedrawWindow(Main(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    for (HWND window : {Main(), WindowOfControl(ControlKind::Label, Control::Label1),
                        WindowOfControl(ControlKind::Label, Control::Label3),
                        WindowOfControl(ControlKind::CheckBox, Control::Check1)}) {
        RECT client{};
        GetClientRect(window, &client);
        HDC dc = GetDC(window);
        EXPECT_EQ(GetPixel(dc, client.right - 1, client.bottom - 1), GetSysColor(COLOR_BTNFACE))
            << TextOf(window);
        ReleaseDC(window, dc);
    }
}

TEST_F(SampleForm, CheckBoxStartsCheckedAndReadsItsState) {
    HWND check1 = WindowOfControl(ControlKind::CheckBox, Control::Check1);
    forms::CheckBox& box = form_->CheckBoxOf(Control::Check1);
    EXPECT_EQ(SendMessageW(check1, BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(box.Value(), 1);
    box.SetValue(0);
    EXPECT_EQ(SendMessageW(check1, BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_EQ(box.Value(), 0);
    SendMessageW(check1, BM_SETCHECK, BST_CHECKED, 0);  // as a click leaves it
    EXPECT_EQ(box.Value(), 1);
}

// The controls that take the focus, in their tab indices' order.
constexpr std::pair<ControlKind, Control> kTabOrder[] = {
    {ControlKind::TextBox, Control::Text1},
    {ControlKind::CommandButton, Control::Command1},
    {ControlKind::CommandButton, Control::Command3},
    {ControlKind::TextBox, Control::Text2},
    {ControlKind::CommandButton, Control::Command2},
    {ControlKind::CheckBox, Control::Check1},
};
constexpr int kFocusable = std::size(kTabOrder);

TEST_F(SampleForm, TabOrderIsTheFocusableControlsByTabIndex) {
    for (int i = 0; i < kFocusable; ++i) {
        SCOPED_TRACE(static_cast<int>(kTabOrder[i].second));
        HWND at = WindowOfControl(kTabOrder[i].first, kTabOrder[i].second);
        const auto& next = kTabOrder[(i + 1) % kFocusable];
        const auto& previous = kTabOrder[(i + kFocusable - 1) % kFocusable];
        EXPECT_EQ(GetNextDlgTabItem(Main(), at, FALSE), WindowOfControl(next.first, next.second));
        EXPECT_EQ(GetNextDlgTabItem(Main(), at, TRUE),
                  WindowOfControl(previous.first, previous.second));
    }
}

TEST_F(SampleForm, FirstShowFocusesText1AndTabWalksOnThroughTheKeyboard) {
    form_->Show();
    ASSERT_TRUE(PumpUntil([&] { return GetFocus() == Text1(); }))
        << "focus on " << ClassOf(GetFocus());
    // From Text1 on, round to Text1 again.
    for (int i = 1; i <= kFocusable; ++i) {
        const auto& [kind, focused] = kTabOrder[i % kFocusable];
        SCOPED_TRACE(static_cast<int>(focused));
        PressKey(GetFocus(), VK_TAB);
        EXPECT_TRUE(PumpUntil([&] { return GetFocus() == WindowOfControl(kind, focused); }));
        // As in a dialog, a push button shows as the default one only while it has the
        // focus (Enter then presses it); none does while the focus is elsewhere.
        for (const Control button : {Control::Command1, Control::Command2, Control::Command3}) {
            const LONG style =
                GetWindowLongW(WindowOfControl(ControlKind::CommandButton, button), GWL_STYLE);
            const LONG expected = button == focused ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
            EXPECT_EQ(style & BS_TYPEMASK, expected)
                << static_cast<int>(button) << " with the focus on " << static_cast<int>(focused);
        }
    }
}

TEST_F(SampleForm, EnterAndEscapeClickNoButtonFromATextBox) {
    int clicks = 0;
    for (const Control button : {Control::Command1, Control::Command2, Control::Command3})
        form_->ButtonOf(button).OnClick([&] { ++clicks; });
    form_->Show();
    ASSERT_TRUE(PumpUntil([&] { return GetFocus() == Text1(); }));
    for (const WPARAM key : {VK_RETURN, VK_ESCAPE}) {
        SCOPED_TRACE(key);
        PressKey(Text1(), key);
        runtime_.RunPending();
        EXPECT_EQ(clicks, 0);
        EXPECT_TRUE(IsWindow(Main()));
    }
}

TEST_F(SampleForm, EnterPressesTheButtonThatHasTheFocus) {
    int command1 = 0;
    form_->ButtonOf(Control::Command1).OnClick([&] { ++command1; });
    form_->Show();
    ASSERT_TRUE(PumpUntil([&] { return GetFocus() == Text1(); }));
    PressKey(Text1(), VK_TAB);
    ASSERT_TRUE(PumpUntil([&] {
        return GetFocus() == WindowOfControl(ControlKind::CommandButton, Control::Command1);
    }));
    PressKey(GetFocus(), VK_RETURN);
    EXPECT_TRUE(PumpUntil([&] { return command1 == 1; }));
}

TEST_F(SampleForm, ButtonClickRunsItsHandlerOnce) {
    int command3 = 0, command1 = 0;
    form_->ButtonOf(Control::Command3).OnClick([&] { ++command3; });
    form_->ButtonOf(Control::Command1).OnClick([&] { ++command1; });
    form_->Show();
    runtime_.RunPending();
    SendMessageW(WindowOfControl(ControlKind::CommandButton, Control::Command3), BM_CLICK, 0, 0);
    EXPECT_EQ(command3, 1);
    EXPECT_EQ(command1, 0);
}

TEST_F(SampleForm, CaptionsAndTextsAreUtf16) {
    const std::u16string text = u"Zo\u00eb \u266b \u6771\u4eac";
    forms::TextBox& text2 = form_->TextBoxOf(Control::Text2);
    text2.SetText(text);
    EXPECT_EQ(TextOf(WindowOfControl(ControlKind::TextBox, Control::Text2)),
              L"Zo\u00eb \u266b \u6771\u4eac");
    SendMessageW(WindowOfControl(ControlKind::TextBox, Control::Text2), WM_SETTEXT, 0,
                 reinterpret_cast<LPARAM>(L"\u00e9t\u00e9"));
    EXPECT_EQ(text2.Text(), u"\u00e9t\u00e9");

    form_->ButtonOf(Control::Command1).SetCaption(u"Stop \u2713");
    EXPECT_EQ(TextOf(WindowOfControl(ControlKind::CommandButton, Control::Command1)),
              L"Stop \u2713");
    EXPECT_EQ(form_->ButtonOf(Control::Command1).Caption(), u"Stop \u2713");
}

TEST_F(SampleForm, TextBoxTakesTextOfAnyLength) {
    HWND text1 = Text1();
    const std::wstring typed(40000, L'x');  // beyond an edit box's default 30,000
    SendMessageW(text1, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(typed.c_str()));
    EXPECT_EQ(form_->TextBoxOf(Control::Text1).Text().size(), typed.size());
}

TEST_F(SampleForm, LabelThatFitsItsTextGrowsWithItsCaption) {
    HWND label4 = WindowOfControl(ControlKind::Label, Control::Label4);
    forms::Label& preview = form_->LabelOf(Control::Label4);
    const std::wstring captions[] = {L"Preview: a", L"Preview: a title",
                                     L"Preview: a title long enough to pass the window's right "
                                     L"edge: Artist - Album - Track 12 - Title (Live)"};
    LONG width = ClientRectIn(Main(), label4).right - ClientRectIn(Main(), label4).left;
    for (const auto& caption : captions) {
        SCOPED_TRACE(std::string(caption.begin(), caption.end()));
        preview.SetCaption(std::u16string(caption.begin(), caption.end()));
        const RECT rect = ClientRectIn(Main(), label4);
        const SIZE extent = TextExtent(label4, caption);
        EXPECT_GT(rect.right - rect.left, width);
        EXPECT_EQ(rect.right - rect.left, extent.cx);
        EXPECT_EQ(rect.bottom - rect.top, extent.cy) << "one line";
        EXPECT_EQ(rect.left, 23) << "it grows to the right";
        EXPECT_EQ(TextOf(label4), caption);
        width = rect.right - rect.left;
    }
    RECT client{};
    GetClientRect(Main(), &client);
    EXPECT_GT(ClientRectIn(Main(), label4).right, client.right);
}

}  // namespace
}  // namespace brenvik::testing
