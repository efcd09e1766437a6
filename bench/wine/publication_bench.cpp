// A publishing tick under Wine: every tick finds a new status text (the prefix in
// Text1 alternates between two values, typed into the real edit control) and
// publishes it, against its floor: every call the tick must make, made directly
// through the real functions: the player's title read, the same registry calls, the
// messenger's window found and command 392 posted, the preview's text measured, its
// label fitted and the text set, on a label among as many siblings as Label4 has.
// The messenger is a window of this process; its queue is drained outside the timed
// sections, after every iteration of both loops.
#include <cstdio>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/form1_controls.h"
#include "app/form1_layout.h"
#include "app/other_programs.h"
#include "bench/wine/report.h"
#include "bench/wine/running_form1.h"
#include "registry/reg_routine.h"
#include "tray/tray.h"

namespace brenvik::winbench {
namespace {

using form1::Control;

constexpr int kIterations = 200;
constexpr int kRounds = 21;
constexpr wchar_t kTitle[] = L"12. Some Artist - A Song Title - Winamp";
constexpr const wchar_t* kPrefixes[] = {L"Listening to: ", L"Now playing: "};

// A window of the messenger's class that counts the custom status commands it gets.
class MessengerWindow {
public:
    MessengerWindow() {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = Procedure;
        windowClass.hInstance = ::GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"" BRENVIK_MESSENGER_WINDOW_CLASS;
        ::RegisterClassW(&windowClass);
        window_ =
            ::CreateWindowExW(0, L"" BRENVIK_MESSENGER_WINDOW_CLASS, L"", WS_OVERLAPPEDWINDOW, 0, 0,
                              100, 100, nullptr, nullptr, windowClass.hInstance, nullptr);
        if (window_ == nullptr) throw std::runtime_error("can't make the messenger's window");
    }
    ~MessengerWindow() { ::DestroyWindow(window_); }
    MessengerWindow(const MessengerWindow&) = delete;
    MessengerWindow& operator=(const MessengerWindow&) = delete;

    static long Commands() { return commands_; }

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_COMMAND && wParam == other_programs::kReadStatusCommand) ++commands_;
        return ::DefWindowProcW(window, message, wParam, lParam);
    }
    static inline long commands_ = 0;
    HWND window_;
};

std::string Ansi(const std::wstring& text) {
    return std::string(text.begin(), text.end());
}  // ASCII texts

int Run() {
    RunningForm1 running(kTitle, kPrefixes[1]);
    MessengerWindow messenger;
    const std::string statuses[] = {Ansi(kPrefixes[0] + std::wstring(kTitle)),
                                    Ansi(kPrefixes[1] + std::wstring(kTitle))};

    // One round of each loop; ns per publication.
    const auto ticks = [&] {
        double nanoseconds = 0;
        for (int i = 0; i < kIterations; ++i) {
            ::SetWindowTextW(running.Text1(),
                             kPrefixes[i % 2]);  // unlike the last one: it goes out
            running.Pump();
            nanoseconds += NanosecondsOf([&] { running.Form().Timer1_Timer(); });
        }
        running.Pump();
        return nanoseconds / kIterations;
    };
    // The floor's preview: a bare static control where Form1's layout puts Label4, among
    // a bare window for each of its siblings there (the clipping of a resized child
    // grows with them), on a shown form of its own.
    FloorForm floorForm(Form1Layout(running.Runtime().ProgramIcon(), nullptr), Control::Label4,
                        running.Window(), running.Runtime().Dpi());
    const HWND floorLabel = floorForm.Label();
    const int siblings = ChildWindowsOf(running.Window()) - 1;
    if (ChildWindowsOf(::GetParent(floorLabel)) - 1 != siblings)
        throw std::runtime_error("the floor's label has not as many siblings as Label4");
    const std::string previews[] = {"Preview: " + statuses[0], "Preview: " + statuses[1]};
    char title[260];
    const auto floors = [&] {
        double nanoseconds = 0;
        for (int i = 0; i < kIterations; ++i) {
            running.Pump();
            nanoseconds += NanosecondsOf([&] {
                ReadPlayerTitle(running.Api(), title);
                PublishDirectly(running.Api(), statuses[i % 2]);
                floorForm.ShowPreview(previews[i % 2].c_str());
            });
        }
        running.Pump();
        return nanoseconds / kIterations;
    };
    ticks();  // anything made on first use is made now
    floors();

    Measured program{"Form1::Timer1_Timer, publishing", {}};
    Measured floor{
        "floor: FindWindowA, GetWindowTextA, 9 registry calls, FindWindowA, PostMessageA "
        "(Win32Api); the preview's text measured, its label fitted, the text set (gdi32, user32)",
        {}};
    const long commandsBefore = MessengerWindow::Commands();
    for (int round = 0; round < kRounds; ++round) {
        // Turn about, so that neither always runs on the heels of the other.
        if (round % 2 == 0) {
            program.nanosecondsPerIteration.push_back(ticks());
            floor.nanosecondsPerIteration.push_back(floors());
        } else {
            floor.nanosecondsPerIteration.push_back(floors());
            program.nanosecondsPerIteration.push_back(ticks());
        }
    }
    // Every iteration of both loops must have reached the messenger.
    if (MessengerWindow::Commands() - commandsBefore != 2L * kRounds * kIterations)
        throw std::runtime_error("a tick did not publish");

    std::printf(
        "Publishing tick: %d rounds of %d iterations, each loop in turn; the preview label "
        "has %d siblings in either\n",
        kRounds, kIterations, siblings);
    PrintAgainstFloor(program, floor, 1.10);

    // Where the tick's time goes: its registry work through RegRoutine, and the
    // preview, Label4 on a second form of Form1's layout, among the same siblings.
    const std::u16string statuses16[] = {std::u16string(statuses[0].begin(), statuses[0].end()),
                                         std::u16string(statuses[1].begin(), statuses[1].end())};
    using namespace other_programs;
    const std::u16string profileKey = CustomMessagesKey(u"" BRENVIK_PAGER_KEY_PATH, u"benchuser");
    const auto registryWork = [&] {
        double nanoseconds = 0;
        for (int i = 0; i < kIterations; ++i) {
            nanoseconds += NanosecondsOf([&] {
                const Platform& services = running.Services();
                registry::RegRoutine accessor(
                    {services.registry, services.ansi, services.messageBox});
                std::u16string entry(u"" BRENVIK_USER_ID_VALUE);
                (void)accessor.GetStringValue(u"" BRENVIK_PAGER_KEY_PATH, entry);
                entry = u"" BRENVIK_STATUS_VALUE;
                (void)accessor.SetStringValue(profileKey, entry, statuses16[i % 2]);
                entry = u"" BRENVIK_INVISIBLE_VALUE;
                (void)accessor.SetDWORDValue(profileKey, entry, 1);
            });
        }
        return nanoseconds / kIterations;
    };
    // Label4 fits its caption; a label at a fixed width, on a form of its own, shows
    // what the fit costs. The second Form1 has no timer, and its Tray1 is made as
    // Form1's (hidden, no icon).
    // Label4's row at a fixed width, a line lower.
    forms::FormLayout fixedLayout{u"BrenvikPreview", u"Preview", 7080, 1590, {}};
    for (auto& row : Form1Layout(nullptr, nullptr).controls) {
        if (row.id == Control::Label4) fixedLayout.controls.push_back(std::move(row));
    }
    forms::ControlLayout& fixedRow = fixedLayout.controls.front();
    fixedRow.autoSize = false;
    fixedRow.place.top = 1020;
    fixedRow.place.width = 6390;
    const auto fixedForm = running.Runtime().LoadForm(fixedLayout);
    fixedForm->Show();
    forms::FormLayout previewLayout =
        Form1Layout(running.Runtime().ProgramIcon(), [&running](forms::UserControlSite& site) {
            return std::make_unique<Tray>(running.Services().shell, running.Services().ansi, site);
        });
    std::erase_if(previewLayout.controls,
                  [](const auto& row) { return row.kind == forms::ControlKind::Timer; });
    const auto previewForm = running.Runtime().LoadForm(previewLayout);
    previewForm->Show();
    const auto previewsOn = [&](forms::Label& label) {
        double nanoseconds = 0;
        for (int i = 0; i < kIterations; ++i) {
            running.Pump();
            nanoseconds +=
                NanosecondsOf([&] { label.SetCaption(u"Preview: " + statuses16[i % 2]); });
        }
        running.Pump();
        return nanoseconds / kIterations;
    };
    forms::Label& fitting = previewForm->LabelOf(Control::Label4);
    forms::Label& fixed = fixedForm->LabelOf(Control::Label4);
    // The floor's own parts, for the same comparison.
    const auto floorPart = [&](const auto& part) {
        double nanoseconds = 0;
        for (int i = 0; i < kIterations; ++i) {
            running.Pump();
            nanoseconds += NanosecondsOf([&] { part(i % 2); });
        }
        running.Pump();
        return nanoseconds / kIterations;
    };
    const auto floorRegistry = [&](int which) { PublishDirectly(running.Api(), statuses[which]); };
    const auto floorPreview = [&](int which) { floorForm.ShowPreview(previews[which].c_str()); };
    registryWork();
    previewsOn(fitting);
    previewsOn(fixed);
    floorPart(floorRegistry);
    floorPart(floorPreview);
    Measured registryPart{"of the tick: RegRoutine, the user ID read, \"5\" and \"5_DND\" written",
                          {}};
    Measured previewPart{"of the tick: Label4.SetCaption (a label that fits its caption)", {}};
    Measured fixedPart{"for comparison: SetCaption of a label of fixed size", {}};
    Measured floorRegistryPart{
        "of the floor: 9 registry calls, FindWindowA, PostMessageA (Win32Api)", {}};
    Measured floorPreviewPart{"of the floor: the preview's text measured, fitted and set", {}};
    for (int round = 0; round < kRounds; ++round) {
        registryPart.nanosecondsPerIteration.push_back(registryWork());
        previewPart.nanosecondsPerIteration.push_back(previewsOn(fitting));
        fixedPart.nanosecondsPerIteration.push_back(previewsOn(fixed));
        floorRegistryPart.nanosecondsPerIteration.push_back(floorPart(floorRegistry));
        floorPreviewPart.nanosecondsPerIteration.push_back(floorPart(floorPreview));
    }
    PrintLine(registryPart);
    PrintLine(floorRegistryPart);
    PrintLine(previewPart);
    PrintLine(floorPreviewPart);
    PrintLine(fixedPart);
    return 0;
}

}  // namespace
}  // namespace brenvik::winbench

int main() {
    return brenvik::winbench::RunReported("publication benchmark", brenvik::winbench::Run);
}
