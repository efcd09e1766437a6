// Showing, hiding, unloading and ending; the hosted user control's life and events;
// handlers that run one at a time and errors that escape them.
#include <cstdint>
#include <new>
#include <stdexcept>

#include "platform/failure.h"
#include "tests/forms/form_fixture.h"

namespace brenvik::testing {
namespace {

TEST_F(Form1Window, HideAndShowKeepTheWindowLoaded) {
    form_->Show();
    EXPECT_TRUE(IsWindowVisible(Main()));
    form_->TextBoxNamed("Text1").SetText(u"kept");
    form_->Hide();
    EXPECT_FALSE(IsWindowVisible(Main()));
    EXPECT_TRUE(runtime_.RunPending()) << "a hidden window keeps the program going";
    form_->Show();
    EXPECT_TRUE(IsWindowVisible(Main()));
    EXPECT_EQ(form_->TextBoxNamed("Text1").Text(), u"kept");
}

struct EndingCase {
    const char* name;
    void (*end)(forms::Form& form, forms::Runtime& runtime, HWND window);
};
constexpr EndingCase kEndings[] = {
    {"Unload", [](forms::Form& form, forms::Runtime&, HWND) { form.Unload(); }},
    {"CloseMessage",
     [](forms::Form&, forms::Runtime&, HWND window) { SendMessageW(window, WM_CLOSE, 0, 0); }},
    {"CloseButton", [](forms::Form&, forms::Runtime&,
                       HWND window) { SendMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0); }},
    {"End", [](forms::Form&, forms::Runtime& runtime, HWND) { runtime.End(); }},
};

class Endings : public Form1Window, public ::testing::WithParamInterface<EndingCase> {};

TEST_P(Endings, DestroyTheWindowEndTheUserControlAndEndTheProgram) {
    form_->Show();
    runtime_.RunPending();
    HWND main = Main();
    ASSERT_NE(log_.site, nullptr);
    HWND controlWindow = win32::ToHwnd(log_.site->hWnd());
    ASSERT_TRUE(IsWindow(controlWindow));

    GetParam().end(*form_, runtime_, main);

    EXPECT_FALSE(IsWindow(main));
    EXPECT_FALSE(IsWindow(controlWindow));
    EXPECT_EQ(log_.terminated, 1);
    EXPECT_EQ(Main(), nullptr);
    EXPECT_FALSE(runtime_.RunPending()) << "the only window is gone";
    // The controls outlive their windows: reads are empty, writes and calls do nothing.
    EXPECT_EQ(form_->TextBoxNamed("Text2").Text(), u"");
    form_->LabelNamed("Label4").SetCaption(u"Preview: x");
    form_->CheckBoxNamed("Check1").SetValue(0);
    form_->TimerNamed("Timer1").SetEnabled(true);
    form_->Show();
    form_->Unload();
    EXPECT_EQ(log_.terminated, 1);
}

INSTANTIATE_TEST_SUITE_P(Form1, Endings, ::testing::ValuesIn(kEndings),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Form1Window, RunReturnsWhenTheLastWindowCloses) {
    form_->Show();
    PostMessageW(Main(), WM_CLOSE, 0, 0);
    EXPECT_EQ(runtime_.Run(), 0);
    EXPECT_EQ(log_.terminated, 1);
}

TEST_F(Form1Window, AnErrorThatEscapesAHandlerEndsTheLoopAndIsThrownFromRun) {
    form_->ButtonNamed("Command2").OnClick([] { throw std::runtime_error("handler failed"); });
    form_->Show();
    runtime_.RunPending();
    PostMessageW(Control(forms::ControlKind::CommandButton, "Command2"), BM_CLICK, 0, 0);
    EXPECT_THROW(runtime_.Run(), std::runtime_error);
    EXPECT_TRUE(IsWindow(Main())) << "the window goes with its form";
}

TEST_F(Form1Window, UserControlHasAHiddenChildWindowAndItsStoredIcon) {
    ASSERT_NE(log_.site, nullptr);
    HWND controlWindow = win32::ToHwnd(log_.site->hWnd());
    EXPECT_EQ(GetParent(controlWindow), Main());
    form_->Show();
    EXPECT_FALSE(IsWindowVisible(controlWindow));
    ASSERT_NE(log_.storedIcon, nullptr);
    EXPECT_EQ(log_.storedIcon->Handle(), runtime_.ProgramIcon()->Handle());
}

TEST_F(Form1Window, UserControlEventsReachTheFormsHandler) {
    std::vector<std::pair<int, int>> raised;  // event number, Button
    form_->OnUserControlEvent("Tray1", [&](int event, forms::EventArgs& args) {
        raised.emplace_back(event, args.button);
    });
    HWND controlWindow = win32::ToHwnd(log_.site->hWnd());
    SendMessageW(controlWindow, WM_MOUSEMOVE, 0, MAKELPARAM(515, 0));
    ASSERT_EQ(raised.size(), 1u);
    EXPECT_EQ(raised[0], std::make_pair(4, 1));
}

TEST_F(Form1Window, EventsRaisedWhileAHandlerRunsAreDropped) {
    int raised = 0;
    form_->OnUserControlEvent("Tray1", [&](int, forms::EventArgs&) { ++raised; });
    HWND controlWindow = win32::ToHwnd(log_.site->hWnd());
    form_->ButtonNamed("Command3").OnClick([&] {
        SendMessageW(controlWindow, WM_MOUSEMOVE, 0, MAKELPARAM(515, 0));
    });
    form_->Show();
    runtime_.RunPending();
    SendMessageW(Control(forms::ControlKind::CommandButton, "Command3"), BM_CLICK, 0, 0);
    EXPECT_EQ(raised, 0);
    SendMessageW(controlWindow, WM_MOUSEMOVE, 0, MAKELPARAM(515, 0));
    EXPECT_EQ(raised, 1) << "and run again once the handler has ended";
}

TEST_F(Form1Window, ShellRestartReachesTheUserControlAndThenTheForm) {
    int controlHadRestarted = -1;
    form_->OnShellRestarted([&] { controlHadRestarted = log_.shellRestarted; });
    SendMessageW(Main(), RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
    EXPECT_EQ(log_.shellRestarted, 1);
    EXPECT_EQ(controlHadRestarted, 1);
}

// Each registered message runs its own handler; WM_NULL, which Windows sends to learn
// whether a window still answers, runs neither.
struct RegisteredMessageCase {
    const wchar_t* name;  // null: WM_NULL
    int shellRestarted;
    int startedAgain;
};
constexpr RegisteredMessageCase kRegisteredMessages[] = {
    {L"TaskbarCreated", 1, 0},
    {L"Brenvik.StartedAgain", 0, 1},
    {nullptr, 0, 0},
};

TEST_F(Form1Window, ARegisteredMessageRunsItsOwnHandlerAndWmNullNeither) {
    for (const auto& c : kRegisteredMessages) {
        SCOPED_TRACE(c.name != nullptr ? std::string(c.name, c.name + wcslen(c.name)) : "WM_NULL");
        int shellRestarted = 0, startedAgain = 0;
        form_->OnShellRestarted([&] { ++shellRestarted; });
        form_->OnStartedAgain([&] { ++startedAgain; });
        const UINT message = c.name != nullptr ? RegisterWindowMessageW(c.name) : WM_NULL;
        SendMessageW(Main(), message, 0, 0);
        EXPECT_EQ(shellRestarted, c.shellRestarted);
        EXPECT_EQ(startedAgain, c.startedAgain);
    }
}

// Pages above 4 GiB, where 64-bit Windows places a program's heap and 64-bit Wine
// doesn't: the address of an object there doesn't fit in 32 bits.
class PagesAbove4GiB {
public:
    explicit PagesAbove4GiB([[maybe_unused]] std::size_t size) {
#ifdef _WIN64
        for (std::uintptr_t at = std::uintptr_t{1} << 44; at >= std::uintptr_t{1} << 32 && !base_;
             at >>= 1) {
            base_ = VirtualAlloc(reinterpret_cast<void*>(at), size, MEM_RESERVE | MEM_COMMIT,
                                 PAGE_READWRITE);
        }
#endif
    }
    ~PagesAbove4GiB() {
        if (base_ != nullptr) VirtualFree(base_, 0, MEM_RELEASE);
    }
    PagesAbove4GiB(const PagesAbove4GiB&) = delete;
    PagesAbove4GiB& operator=(const PagesAbove4GiB&) = delete;
    void* Base() const { return base_; }

private:
    void* base_ = nullptr;
};

// A window finds its object, wherever it lives, from its first message to its last.
TEST_F(Form1Window, AWindowWhoseObjectLivesAbove4GiBReachesIt) {
    if (sizeof(void*) == 4) GTEST_SKIP() << "a 32-bit program has no address above 4 GiB";
    const PagesAbove4GiB pages(sizeof(win32::FormWindow));
    ASSERT_NE(pages.Base(), nullptr);
    ASSERT_GT(reinterpret_cast<std::uintptr_t>(pages.Base()), std::uintptr_t{0xFFFFFFFF});

    HostedControlLog log;
    auto* form = new (pages.Base())
        win32::FormWindow(runtime_, Form1Layout(nullptr, [&log](forms::UserControlSite& site) {
                              return std::make_unique<RecordingControl>(site, log);
                          }));
    int clicks = 0;
    form->ButtonNamed("Command3").OnClick([&] { ++clicks; });
    form->Show();
    runtime_.RunPending();
    SendMessageW(WindowOf(form->ButtonNamed("Command3")), BM_CLICK, 0, 0);
    EXPECT_EQ(clicks, 1);
    SendMessageW(form->Window(), WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_EQ(form->Window(), nullptr) << "the close button unloaded it";
    EXPECT_EQ(log.terminated, 1);
    form->~FormWindow();
}

TEST_F(Form1Window, AskingForAControlOfTheWrongKindIsAnError) {
    EXPECT_THROW(form_->TextBoxNamed("Label1"), Failure);
    EXPECT_THROW(form_->TimerNamed("Timer2"), Failure);
    EXPECT_THROW(form_->OnUserControlEvent("Text1", [](int, forms::EventArgs&) {}), Failure);
}

}  // namespace
}  // namespace brenvik::testing
