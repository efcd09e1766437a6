#include "forms/user_control.h"

namespace brenvik::forms {

void UserControlSite::SetHeight(float twips) {
    if (twips != height_) Resize(width_, twips);
}

void UserControlSite::SetWidth(float twips) {
    if (twips != width_) Resize(twips, height_);
}

void UserControlSite::Resize(float width, float height) {
    width_ = width;
    height_ = height;
    Resized();
}

}  // namespace brenvik::forms
