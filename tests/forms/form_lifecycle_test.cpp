// Showing, hiding, unloading and ending; the hosted user control's life and events;
// handlers that run one at a time and errors that escape them.
#include <cstdint>
#include <new>
#include <set>
#include <stdexcept>
#include <utility>

#include "forms/win32/message_filter.h"
#include "platform/failure.h"
#include "tests/forms/form_fixture.h"

namespace brenvik::testing {
namespace {

TEST_F(SampleForm, HideAndShowKeepTheWindowLoaded) {
    form_->Show();
    EXPECT_TRUE(IsWindowVisible(Main()));
    form_->TextBoxOf(Control::Text1).SetText(u"kept");
    form_->Hide();
    EXPECT_FALSE(IsWindowVisible(Main()));
    EXPECT_TRUE(runtime_.RunPending()) << "a hidden window keeps the program going";
    form_->Show();
    EXPECT_TRUE(IsWindowVisible(Main()));
    EXPECT_EQ(form_->TextBoxOf(Control::Text1).Text(), u"kept");
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

class Endings : public SampleForm, public ::testing::WithParamInterface<EndingCase> {};

TEST_P(Endings, DestroyTheWindowEndTheUserControlAndEndTheProgram) {
    form_->OnStartedAgain([] {});
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
    EXPECT_EQ(log_.answerWhileClosing, 0) << "a closing form came forward";
    EXPECT_EQ(Main(), nullptr);
    EXPECT_FALSE(runtime_.RunPending()) << "the only window is gone";
    // The controls outlive their windows: reads are empty, writes and calls do nothing.
    EXPECT_EQ(form_->TextBoxOf(Control::Text2).Text(), u"");
    form_->LabelOf(Control::Label4).SetCaption(u"Preview: x");
    form_->CheckBoxOf(Control::Check1).SetValue(0);
    form_->TimerOf(Control::Timer1).SetEnabled(true);
    form_->Show();
    form_->Unload();
    EXPECT_EQ(log_.terminated, 1);
}

INSTANTIATE_TEST_SUITE_P(Sample, Endings, ::testing::ValuesIn(kEndings),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(SampleForm, RunReturnsWhenTheLastWindowCloses) {
    form_->Show();
    PostMessageW(Main(), WM_CLOSE, 0, 0);
    EXPECT_EQ(runtime_.Run(), 0);
    EXPECT_EQ(log_.terminated, 1);
}

TEST_F(SampleForm, AnErrorThatEscapesAHandlerEndsTheLoopAndIsThrownFromRun) {
    form_->ButtonOf(Control::Command2).OnClick([] { throw std::runtime_error("handler failed"); });
    form_->Show();
    runtime_.RunPending();
    PostMessageW(WindowOfControl(forms::ControlKind::CommandButton, Control::Command2), BM_CLICK, 0,
                 0);
    EXPECT_THROW(runtime_.Run(), std::runtime_error);
    EXPECT_TRUE(IsWindow(Main())) << "the window goes with its form";
}

TEST_F(SampleForm, UserControlHasAHiddenChildWindowAndItsStoredIcon) {
    ASSERT_NE(log_.site, nullptr);
    HWND controlWindow = win32::ToHwnd(log_.site->hWnd());
    EXPECT_EQ(GetParent(controlWindow), Main());
    form_->Show();
    EXPECT_FALSE(IsWindowVisible(controlWindow));
    ASSERT_NE(log_.storedIcon, nullptr);
    EXPECT_EQ(log_.storedIcon->Handle(), runtime_.ProgramIcon()->Handle());
}

TEST_F(SampleForm, UserControlEventsReachTheFormsHandler) {
    std::vector<std::pair<int, int>> raised;  // event number, Button
    form_->OnUserControlEvent(Control::Tray1, [&](int event, forms::EventArgs& args) {
        raised.emplace_back(event, args.button);
    });
    HWND controlWindow = win32::ToHwnd(log_.site->hWnd());
    SendMessageW(controlWindow, WM_MOUSEMOVE, 0, MAKELPARAM(515, 0));
    ASSERT_EQ(raised.size(), 1u);
    EXPECT_EQ(raised[0], std::make_pair(4, 1));
}

TEST_F(SampleForm, EventsRaisedWhileAHandlerRunsAreDropped) {
    int raised = 0;
    form_->OnUserControlEvent(Control::Tray1, [&](int, forms::EventArgs&) { ++raised; });
    HWND controlWindow = win32::ToHwnd(log_.site->hWnd());
    form_->ButtonOf(Control::Command3).OnClick([&] {
        SendMessageW(controlWindow, WM_MOUSEMOVE, 0, MAKELPARAM(515, 0));
    });
    form_->Show();
    runtime_.RunPending();
    SendMessageW(WindowOfControl(forms::ControlKind::CommandButton, Control::Command3), BM_CLICK, 0,
                 0);
    EXPECT_EQ(raised, 0);
    SendMessageW(controlWindow, WM_MOUSEMOVE, 0, MAKELPARAM(515, 0));
    EXPECT_EQ(raised, 1) << "and run again once the handler has ended";
}

TEST_F(SampleForm, ShellRestartReachesTheUserControlAndThenTheForm) {
    int controlHadRestarted = -1;
    form_->OnShellRestarted([&] { controlHadRestarted = log_.shellRestarted; });
    SendMessageW(Main(), RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
    EXPECT_EQ(log_.shellRestarted, 1);
    EXPECT_EQ(controlHadRestarted, 1);
}

// An elevated form: Windows drops what a program of a lower level sends it unless the
// form let it through. The form's filter calls stand-ins for user32's filters (Wine lets
// every message through), which keep what an "allow" (1, as Windows defines it) let
// through; a send from a lower level reaches the form only then.
std::set<std::pair<HWND, UINT>>& LetThrough() {
    static std::set<std::pair<HWND, UINT>> letThrough;
    return letThrough;
}
BOOL WINAPI PerWindowFilter(HWND window, UINT message, DWORD action, void* status) {
    if (action == 1 && status == nullptr) LetThrough().insert({window, message});
    return TRUE;
}
BOOL WINAPI PerProcessFilter(UINT message, DWORD action) {
    if (action == 1) LetThrough().insert({nullptr, message});  // to every window
    return TRUE;
}
class ElevatedForm : public SampleForm {
protected:
    ElevatedForm()
        : SampleForm(win32::WindowDpi, [](HWND window, unsigned message) {
              win32::LetThroughWith({PerWindowFilter, PerProcessFilter}, window, message);
          }) {}
    ~ElevatedForm() override { LetThrough().clear(); }
    void SendFromALowerLevel(const wchar_t* name) {
        const UINT message = RegisterWindowMessageW(name);
        if (LetThrough().contains({Main(), message})) SendMessageW(Main(), message, 0, 0);
    }
};

TEST_F(ElevatedForm, HearsTheShellRestartAndAnotherStartFromALowerLevel) {
    int shellRestarted = 0, startedAgain = 0;
    form_->OnShellRestarted([&] { ++shellRestarted; });
    form_->OnStartedAgain([&] { ++startedAgain; });
    SendFromALowerLevel(L"TaskbarCreated");
    SendFromALowerLevel(L"Brenvik.StartedAgain");
    EXPECT_EQ(log_.shellRestarted, 1) << "the tray icon would not come back";
    EXPECT_EQ(shellRestarted, 1) << "each message runs its own handler alone";
    EXPECT_EQ(startedAgain, 1);
    // Vista has the per-process filter alone.
    win32::LetThroughWith({nullptr, PerProcessFilter}, Main(), 0xC123);
    EXPECT_TRUE(LetThrough().contains({nullptr, 0xC123}));
}

// A load that fails once the window is made (here its DPI can't be told) takes the
// window with it, and the failure reaches the caller.
TEST(FailedLoad, LeavesNoWindowBehind) {
    win32::FormsRuntime runtime([](HWND) -> int { throw Failure({"no DPI"}); });
    HostedControlLog log;
    EXPECT_THROW(runtime.LoadForm(SampleLayout(runtime.ProgramIcon(),
                                               [&](forms::UserControlSite& site) {
                                                   return std::make_unique<RecordingControl>(site,
                                                                                             log);
                                               })),
                 Failure);
    EXPECT_EQ(FindWindowW(L"BrenvikSampleForm", L"Sample"), nullptr);
    EXPECT_FALSE(runtime.RunPending()) << "no form is loaded";
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
TEST_F(SampleForm, AWindowWhoseObjectLivesAbove4GiBReachesIt) {
    if (sizeof(void*) == 4) GTEST_SKIP() << "a 32-bit program has no address above 4 GiB";
    const PagesAbove4GiB pages(sizeof(win32::FormWindow));
    ASSERT_NE(pages.Base(), nullptr);
    ASSERT_GT(reinterpret_cast<std::uintptr_t>(pages.Base()), std::uintptr_t{0xFFFFFFFF});

    HostedControlLog log;
    auto* form = new (pages.Base())
        win32::FormWindow(runtime_, SampleLayout(nullptr, [&log](forms::UserControlSite& site) {
                              return std::make_unique<RecordingControl>(site, log);
                          }));
    int clicks = 0;
    form->ButtonOf(Control::Command3).OnClick([&] { ++clicks; });
    form->Show();
    runtime_.RunPending();
    SendMessageW(WindowOf(form->ButtonOf(Control::Command3)), BM_CLICK, 0, 0);
    EXPECT_EQ(clicks, 1);
    SendMessageW(form->Window(), WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_EQ(form->Window(), nullptr) << "the close button unloaded it";
    EXPECT_EQ(log.terminated, 1);
    form->~FormWindow();
}

TEST_F(SampleForm, AskingForAControlOfTheWrongKindIsAnError) {
    EXPECT_THROW(form_->TextBoxOf(Control::Label1), Failure);
    EXPECT_THROW(form_->TimerOf(Control::Text2), Failure);
    EXPECT_THROW(form_->OnUserControlEvent(Control::Text1, [](int, forms::EventArgs&) {}), Failure);
}

}  // namespace
}  // namespace brenvik::testing
