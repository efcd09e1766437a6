#pragma once
// The main window's layout: its own properties and its thirteen controls, in twips.
#include <functional>
#include <memory>

#include "forms/forms.h"

namespace brenvik {

// `createTray` makes Tray1 on its site; `icon` is the window's icon, Tray1's stored picture.
forms::FormLayout Form1Layout(
    forms::PictureRef icon,
    std::function<std::unique_ptr<forms::UserControl>(forms::UserControlSite&)> createTray);

}  // namespace brenvik
