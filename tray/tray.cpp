#include "tray/tray.h"

#include <cmath>

#include "platform/text.h"
#include "tray/tray_events.h"

namespace brenvik {

static_assert(kTrayEvents[Tray::kMouseMove - 1].name == "MouseMove");
static_assert(kTrayEvents[Tray::kMouseDown - 1].name == "MouseDown");
static_assert(kTrayEvents[Tray::kMouseUp - 1].name == "MouseUp");
static_assert(kTrayEvents[Tray::kDblClick - 1].name == "DblClick");

namespace {
// A stored value of another kind than the property's reads as the default.
template <typename T>
T StoredOr(const forms::PropertyValue& value, T byDefault) {
    const T* stored = std::get_if<T>(&value);
    return stored ? *stored : byDefault;
}
}  // namespace

Tray::Tray(ShellApi& shell, const AnsiCodec& ansi, forms::UserControlSite& site)
    : shell_(shell), ansi_(ansi), site_(site) {}

void Tray::SetVisible(bool New_Visible) {
    if (New_Visible == VisibleValue) return;
    VisibleValue = New_Visible;
    if (!New_Visible) {
        DeleteIcon();
    } else if (site_.AmbientUserMode()) {
        AddIcon();
    }
    site_.PropertyChanged(u"Visible");
}

void Tray::SetIcon(forms::PictureRef New_Icon) {
    IconValue = New_Icon;
    if (!New_Icon) {
        SetVisible(false);
    } else if (VisibleValue) {
        IconData.SetUFlags(win::kNifIcon);
        IconData.SetHIcon(New_Icon->Handle());
        Notify(win::kNimModify);  // fails harmlessly when no icon is shown
    }
    site_.PropertyChanged(u"Icon");
}

void Tray::SetToolTip(const std::u16string& New_ToolTip) {
    ToolTipValue = text::TrimSpaces(New_ToolTip);
    IconData.SetUFlags(win::kNifTip);
    IconData.SetSzTip(MakeTipField(ansi_, ToolTipValue));
    Notify(win::kNimModify);  // fails harmlessly when no icon is shown
    site_.PropertyChanged(u"ToolTip");
}

void Tray::AddIcon() {
    IconData.SetCbSize(win::kNotifyIconDataSize);
    IconData.SetHWnd(site_.hWnd());
    // Each add is a new icon for the shell, with a number from 1 to 65535.
    IconData.SetUId(static_cast<std::uint32_t>(std::floor(site_.Rnd() * 65535 + 1)));
    FillForAdd();
    AddRequested = true;
    ShellHasIcon = Notify(win::kNimAdd);
}

// The fields of an add after the icon's identity: what to show and where to report.
void Tray::FillForAdd() {
    std::uint32_t flags = win::kNifMessage;
    if (IconValue) flags |= win::kNifIcon;
    if (!ToolTipValue.empty()) flags |= win::kNifTip;
    IconData.SetUFlags(flags);
    if (IconValue) IconData.SetHIcon(IconValue->Handle());
    if (!ToolTipValue.empty()) IconData.SetSzTip(MakeTipField(ansi_, ToolTipValue));
    IconData.SetUCallbackMessage(win::kWmMouseMove);
}

void Tray::DeleteIcon() {
    Notify(win::kNimDelete);  // fails harmlessly when no icon is shown
    AddRequested = false;
    ShellHasIcon = false;
}

bool Tray::Notify(std::uint32_t message) {
    return shell_.Shell_NotifyIconA(message, IconData.Bytes());
}

void Tray::OnShellRestarted() {
    // A new shell starts with an empty notification area: put the icon back, under
    // the same identity. An add that fails may mean the shell kept the icon (the
    // broadcast came without a restart); a modify finds out.
    if (!AddRequested) return;
    FillForAdd();
    ShellHasIcon = Notify(win::kNimAdd) || Notify(win::kNimModify);
}

void Tray::InitDefaults() {
    IconValue = site_.EmptyPicture();
    ToolTipValue.clear();
    VisibleValue = false;
}

void Tray::LoadProperties(forms::PropertyBag& bag) {
    IconValue = StoredOr(bag.ReadProperty(u"Icon", forms::PictureRef{}), forms::PictureRef{});
    ToolTipValue = StoredOr(bag.ReadProperty(u"ToolTip", std::u16string{}), std::u16string{});
    VisibleValue = StoredOr(bag.ReadProperty(u"Visible", false), false);
}

void Tray::SaveProperties(forms::PropertyBag& bag) {
    bag.WriteProperty(u"Icon", IconValue, forms::PictureRef{});
    bag.WriteProperty(u"ToolTip", ToolTipValue, std::u16string{});
    bag.WriteProperty(u"Visible", VisibleValue, false);
}

void Tray::OnResize() {
    // Setting its own size resizes the control again; the guard ends that at once.
    if (Resizing) return;
    Resizing = true;
    site_.SetHeight(site_.ImageHeight());
    site_.SetWidth(site_.ImageWidth());
    Resizing = false;
}

void Tray::OnTerminate() {
    // Whatever Visible says, no icon of this control may outlive it.
    DeleteIcon();
}

void Tray::OnWindowMouseMove(std::int16_t, std::int16_t, float x, float) {
    // The shell's callback carries the mouse message as the x position, which the
    // runtime has turned into twips. Stored through memory so that an x87 build
    // compares the single-precision quotient, not a wider one.
    const volatile float message = x / site_.TwipsPerPixelX();
    for (const auto& row : kTrayMouseMessages) {
        if (message == static_cast<float>(row.message)) {
            forms::EventArgs args{row.button};
            site_.RaiseEvent(row.event, args);
            return;
        }
    }
}

}  // namespace brenvik
