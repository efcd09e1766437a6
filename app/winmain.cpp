// Brenvik.exe: the real Windows functions and forms runtime, and the main window.
#include <windows.h>

#include "app/form1.h"
#include "app/form1_identity.h"
#include "forms/win32/one_per_session.h"
#include "forms/win32/runtime.h"
#include "platform/win32/real_platform.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    using brenvik::win32::LaterStart;
    const brenvik::win32::RealPlatform real;
    const brenvik::Platform& platform = real.Services();
    // One Brenvik per user session: a second start shows the running window, publishes
    // nothing and ends once that window has answered; one that finds the name let go
    // of meanwhile runs as the first.
    brenvik::win32::OnePerSession oncePerSession(L"Brenvik");
    if (!oncePerSession.First()) {
        switch (oncePerSession.AskRunningFormForwardOrTakeOver(brenvik::form1::kWindowClass,
                                                               brenvik::form1::kCaption)) {
            case LaterStart::Reached:
                return 0;
            case LaterStart::NoAnswer:
                platform.messageBox.Show(
                    u"Brenvik sudah berjalan, tetapi tidak menjawab.\r\n"
                    u"Tutup Brenvik yang berjalan itu, lalu jalankan lagi.");
                return 1;
            case LaterStart::TookName:
                break;
        }
    }
    brenvik::win32::FormsRuntime runtime;
    brenvik::Form1 form1(platform, runtime);
    form1.LoadAndShow();
    return runtime.Run();
}
