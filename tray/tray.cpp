#include "tray/tray.h"

#include <cmath>

#include "platform/text.h"

namespace brenvik {

namespace {
// A mouse message that the shell reports on the icon, the event it raises and the
// Button it passes (0 for events without one). Middle-button messages raise nothing.
struct MouseMessage {
    std::uint32_t message;
    int event;
    std::int16_t button;
};

constexpr MouseMessage kMouseMessages[] = {
    {win::kWmMouseMove, Tray::kMouseMove, 0},
    {win::kWmMouseMove + 1, Tray::kMouseDown, 1},  // WM_LBUTTONDOWN, left
    {win::kWmMouseMove + 2, Tray::kMouseUp, 1},    // WM_LBUTTONUP, left
    {win::kWmMouseMove + 3, Tray::kDblClick, 0},   // WM_LBUTTONDBLCLK
    {win::kWmMouseMove + 4, Tray::kMouseDown, 2},  // WM_RBUTTONDOWN, right
    {win::kWmMouseMove + 5, Tray::kMouseUp, 2},    // WM_RBUTTONUP, right
    {win::kWmMouseMove + 6, Tray::kDblClick, 0},   // WM_RBUTTONDBLCLK
};

// A stored value of another kind than the property's reads as the default.
template <typename T>
T StoredOr(const forms::PropertyValue& value, T byDefault) {
    const T* stored = std::get_if<T>(&value);
    return stored ? *stored : byDefault;
}
}  // namespace

Tray::Tray(ShellApi& shell, const AnsiEncoder& ansi, forms::UserControlSite& site)
    : shell_(shell), ansi_(ansi), site_(site) {}

void Tray::SetVisible(bool New_Visible) {
    if (New_Visible == visible_) return;
    visible_ = New_Visible;
    if (!New_Visible) {
        DeleteIcon();
    } else if (site_.AmbientUserMode()) {
        AddIcon();
    }
    site_.PropertyChanged(u"Visible");
}

void Tray::SetIcon(forms::PictureRef New_Icon) {
    icon_ = New_Icon;
    if (!New_Icon) {
        SetVisible(false);
    } else if (visible_) {
        iconData_.SetUFlags(win::kNifIcon);
        iconData_.SetHIcon(New_Icon->Handle());
        Notify(win::kNimModify);  // fails harmlessly when no icon is shown
    }
    site_.PropertyChanged(u"Icon");
}

void Tray::SetToolTip(const std::u16string& New_ToolTip) {
    toolTip_ = text::TrimSpaces(New_ToolTip);
    iconData_.SetUFlags(win::kNifTip);
    iconData_.SetSzTip(MakeTipField(ansi_, toolTip_));
    Notify(win::kNimModify);  // fails harmlessly when no icon is shown
    site_.PropertyChanged(u"ToolTip");
}

void Tray::AddIcon() {
    iconData_.SetCbSize(win::kNotifyIconDataSize);
    iconData_.SetHWnd(site_.hWnd());
    // Each add is a new icon for the shell, with a number from 1 to 65535.
    iconData_.SetUId(static_cast<std::uint32_t>(std::floor(site_.Rnd() * 65535 + 1)));
    FillForAdd();
    addRequested_ = true;
    shellHasIcon_ = Notify(win::kNimAdd);
}

// The fields of an add after the icon's identity: what to show and where to report.
void Tray::FillForAdd() {
    std::uint32_t flags = win::kNifMessage;
    if (icon_) flags |= win::kNifIcon;
    if (!toolTip_.empty()) flags |= win::kNifTip;
    iconData_.SetUFlags(flags);
    if (icon_) iconData_.SetHIcon(icon_->Handle());
    if (!toolTip_.empty()) iconData_.SetSzTip(MakeTipField(ansi_, toolTip_));
    iconData_.SetUCallbackMessage(win::kWmMouseMove);
}

void Tray::DeleteIcon() {
    Notify(win::kNimDelete);  // fails harmlessly when no icon is shown
    addRequested_ = false;
    shellHasIcon_ = false;
}

bool Tray::Notify(std::uint32_t message) {
    return shell_.Shell_NotifyIconA(message, iconData_.Bytes());
}

void Tray::OnShellRestarted() {
    // A new shell starts with an empty notification area: put the icon back, under
    // the same identity. An add that fails may mean the shell kept the icon (the
    // broadcast came without a restart); a modify finds out.
    if (!addRequested_) return;
    FillForAdd();
    shellHasIcon_ = Notify(win::kNimAdd) || Notify(win::kNimModify);
}

void Tray::InitDefaults() {
    icon_ = site_.EmptyPicture();
    toolTip_.clear();
    visible_ = false;
}

void Tray::LoadProperties(forms::PropertyBag& bag) {
    icon_ = StoredOr(bag.ReadProperty(u"Icon", forms::PictureRef{}), forms::PictureRef{});
    toolTip_ = StoredOr(bag.ReadProperty(u"ToolTip", std::u16string{}), std::u16string{});
    visible_ = StoredOr(bag.ReadProperty(u"Visible", false), false);
}

void Tray::SaveProperties(forms::PropertyBag& bag) {
    bag.WriteProperty(u"Icon", icon_, forms::PictureRef{});
    bag.WriteProperty(u"ToolTip", toolTip_, std::u16string{});
    bag.WriteProperty(u"Visible", visible_, false);
}

void Tray::OnResize() {
    // Setting its own size resizes the control again; the guard ends that at once.
    if (resizing_) return;
    resizing_ = true;
    site_.SetHeight(site_.ImageHeight());
    site_.SetWidth(site_.ImageWidth());
    resizing_ = false;
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
    for (const MouseMessage& row : kMouseMessages) {
        if (message == static_cast<float>(row.message)) {
            forms::EventArgs args{row.button};
            site_.RaiseEvent(row.event, args);
            return;
        }
    }
}

}  // namespace brenvik
