#include "app/form1.h"

#include "app/form1_controls.h"
#include "app/form1_layout.h"
#include "tray/tray.h"

namespace brenvik {

using form1::Control;

namespace {
std::unique_ptr<forms::Form> LoadForm1(const Platform& platform, forms::Runtime& runtime) {
    return runtime.LoadForm(
        Form1Layout(runtime.ProgramIcon(), [&platform](forms::UserControlSite& site) {
            return std::make_unique<Tray>(platform.shell, platform.ansi, site);
        }));
}
}  // namespace

Form1::Form1(const Platform& platform, forms::Runtime& runtime)
    : platform_(platform),
      runtime_(runtime),
      form_(LoadForm1(platform, runtime)),
      tray1_(static_cast<Tray&>(form_->UserControlOf(Control::Tray1))),  // the layout makes a Tray
      Text1(form_->TextBoxOf(Control::Text1)),
      Text2(form_->TextBoxOf(Control::Text2)),
      Check1(form_->CheckBoxOf(Control::Check1)),
      Label4(form_->LabelOf(Control::Label4)),
      Command1(form_->ButtonOf(Control::Command1)),
      Timer1(form_->TimerOf(Control::Timer1)),
      messenger_(platform.messengerWindows,
                 {platform.registry, platform.ansi, platform.messageBox}) {
    Command1.OnClick([this] { Command1_Click(); });
    form_->ButtonOf(Control::Command2).OnClick([this] { Command2_Click(); });
    form_->ButtonOf(Control::Command3).OnClick([this] { Command3_Click(); });
    Timer1.OnTimer([this] { Timer1_Timer(); });
    form_->OnUserControlEvent(Control::Tray1, [this](int event, forms::EventArgs&) {
        if (event == Tray::kDblClick) Tray1_DblClick();
    });
    form_->OnShellRestarted([this] { Form_ShellRestarted(); });
    // Brenvik started again in the same user session: the running window comes back,
    // from the tray too, just as a double click on the icon brings it.
    form_->OnStartedAgain([this] { Tray1_DblClick(); });
}

Form1::~Form1() = default;

void Form1::LoadAndShow() {
    Form_Load();
    form_->Show();
}

void Form1::Form_Load() {
    tray1_.SetVisible(false);
    tray1_.SetToolTip(u"Dobel klik untuk menampilkan window");
    LastStatus = u"";
    Timer1_Timer();  // the current title goes out once at start-up, with the refresh off
    Running = false;
    Timer1.SetEnabled(Running);
    Command1.SetCaption(Running ? u"Stop" : u"Start");
}

void Form1::Command3_Click() {
    tray1_.SetVisible(true);
    // Hide only behind an icon that is really there: a window hidden with no icon
    // could never be brought back. Withdrawing the request lets the next click retry.
    if (tray1_.IconShown()) {
        form_->Hide();
    } else {
        tray1_.SetVisible(false);
    }
}

void Form1::Tray1_DblClick() {
    form_->Show();
    tray1_.SetVisible(false);
}

void Form1::Form_ShellRestarted() {
    // A window in the tray whose icon the new shell refused could never be brought
    // back: it comes back at once, as a double click on the icon would bring it.
    if (tray1_.Visible() && !tray1_.IconShown()) Tray1_DblClick();
}

void Form1::Command2_Click() {
    tray1_.SetVisible(false);
    form_->Unload();
    runtime_.End();
}

}  // namespace brenvik
