#pragma once
// Brenvik.Tray: a user control that owns one icon in the notification area, with a
// tip, and turns the shell's mouse notifications on it into events for its host.
#include <cstdint>
#include <string>

#include "forms/user_control.h"
#include "platform/ansi.h"
#include "platform/shell_api.h"
#include "tray/notify_icon_data.h"

namespace brenvik {

class Tray final : public forms::UserControl {
public:
    // Event numbers, as the host's handler receives them.
    static constexpr int kMouseMove = 1;
    static constexpr int kMouseDown = 2;
    static constexpr int kMouseUp = 3;
    static constexpr int kDblClick = 4;

    Tray(ShellApi& shell, const AnsiEncoder& ansi, forms::UserControlSite& site);

    // The picture shown; absent (null) removes the icon, an empty picture keeps it
    // without an image.
    forms::PictureRef Icon() const { return icon_; }
    void SetIcon(forms::PictureRef New_Icon);
    std::u16string ToolTip() const { return toolTip_; }
    void SetToolTip(const std::u16string& New_ToolTip);
    // What the owner asked for; IconShown tells whether the shell really shows it.
    bool Visible() const { return visible_; }
    void SetVisible(bool New_Visible);
    // True while the icon is in the notification area: the last add succeeded (or
    // the icon was found still there) and nothing has removed it since.
    bool IconShown() const { return shellHasIcon_; }

    void InitDefaults() override;
    void LoadProperties(forms::PropertyBag& bag) override;
    void SaveProperties(forms::PropertyBag& bag) override;
    void OnResize() override;
    void OnTerminate() override;
    void OnWindowMouseMove(std::int16_t button, std::int16_t shift, float x, float y) override;
    void OnShellRestarted() override;

private:
    void AddIcon();
    void DeleteIcon();
    void FillForAdd();
    bool Notify(std::uint32_t message);

    ShellApi& shell_;
    const AnsiEncoder& ansi_;
    forms::UserControlSite& site_;

    NotifyIconData iconData_;
    bool visible_ = false;
    std::u16string toolTip_;
    forms::PictureRef icon_;
    bool resizing_ = false;

    bool addRequested_ = false;  // an add went to the shell at run time and no delete since
    bool shellHasIcon_ = false;
};

}  // namespace brenvik
