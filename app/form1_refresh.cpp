// The refresh cycle: Start/Stop and the tick that captures the now-playing title.
#include "app/form1.h"
#include "app/refresh_interval.h"

namespace brenvik {

void Form1::Command1_Click() {
    Running = !Running;
    if (Running) {
        Timer1.SetInterval(RefreshIntervalMilliseconds(Text2.Text()));
        // Runs to its end before the timer starts: the next tick is a full interval away.
        Timer1_Timer();
    }
    Timer1.SetEnabled(Running);
    Command1.SetCaption(Running ? u"Stop" : u"Start");
}

void Form1::Timer1_Timer() {
    const std::u16string& title = nowPlaying_.Capture(platform_.playerWindows, platform_.ansi);
    statusText_.assign(Text1.Text()).append(title);
    SetBrenvik(statusText_);
}

}  // namespace brenvik
