#pragma once
// The main window: start-up, the refresh cycle that hands the player's title (the
// player side) to SetBrenvik, which publishes it through the messenger side, and the
// commands that trade the window for the tray icon.
#include <memory>
#include <string>

#include "app/messenger_status.h"
#include "app/now_playing.h"
#include "forms/forms.h"
#include "platform/platform.h"

namespace brenvik {

class Tray;

class Form1 {
public:
    // Builds the window and its controls from the layout; it isn't shown yet.
    Form1(const Platform& platform, forms::Runtime& runtime);
    ~Form1();
    Form1(const Form1&) = delete;
    Form1& operator=(const Form1&) = delete;

    // What the runtime does with its start-up window: Form_Load, then show it.
    void LoadAndShow();

    // Event handlers.
    void Form_Load();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Timer1_Timer();
    void Tray1_DblClick();
    void Form_ShellRestarted();

    void SetBrenvik(const std::u16string& Teks);

    bool IsRunning() const { return Running; }
    const std::u16string& PublishedStatus() const { return LastStatus; }

private:
    const Platform& platform_;
    forms::Runtime& runtime_;
    std::unique_ptr<forms::Form> form_;
    Tray& tray1_;  // made and owned by the window, from the layout
    forms::TextBox& Text1;
    forms::TextBox& Text2;
    forms::CheckBox& Check1;
    forms::Label& Label4;
    forms::CommandButton& Command1;
    forms::Timer& Timer1;

    bool Running = false;        // the periodic refresh is on
    std::u16string LastStatus;   // the status text last published
    NowPlaying nowPlaying_;      // the player side
    MessengerStatus messenger_;  // the messenger side
    std::u16string statusText_;  // built anew at each tick, in the same storage
};

}  // namespace brenvik
