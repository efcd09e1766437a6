#pragma once
// Hosting of a user control: what the control asks of its host (the site) and the
// hooks through which the host drives the control.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <variant>

namespace brenvik::forms {

// A picture object: an image with a 32-bit handle (for an icon, the icon handle).
// An empty picture holds no image and has handle 0. Absent is a null PictureRef.
class Picture {
public:
    virtual ~Picture() = default;
    virtual std::uint32_t Handle() const = 0;
};
using PictureRef = std::shared_ptr<Picture>;

// A value in a user control's property store.
using PropertyValue = std::variant<std::monostate, bool, std::u16string, PictureRef>;

struct StoredProperty {
    std::u16string name;
    PropertyValue value;
};

// Read with a default; write with a default (a value equal to its default is left
// out). Names match without regard to case.
class PropertyBag {
public:
    virtual ~PropertyBag() = default;
    virtual PropertyValue ReadProperty(std::u16string_view name,
                                       const PropertyValue& byDefault) = 0;
    virtual void WriteProperty(std::u16string_view name, const PropertyValue& value,
                               const PropertyValue& byDefault) = 0;
};

// Arguments of a raised event: MouseDown and MouseUp carry Button (by reference).
struct EventArgs {
    std::int16_t button = 0;
};

// What a hosted control asks of its host. The size the host gives it, its Image1's
// size and the twips per pixel are kept alike by every host; a host only says what a
// change of size does to the control's window.
class UserControlSite {
public:
    virtual ~UserControlSite() = default;
    virtual std::uint32_t hWnd() const = 0;    // the control's own window
    virtual bool AmbientUserMode() const = 0;  // true while the host runs
    virtual void PropertyChanged(std::u16string_view name) = 0;
    virtual PictureRef EmptyPicture() = 0;
    virtual void RaiseEvent(int eventNumber, EventArgs& args) = 0;  // synchronous
    virtual double Rnd() = 0;  // uniform in [0, 1), never seeded

    float Height() const { return height_; }  // twips
    float Width() const { return width_; }
    // As a window does, a size that changes nothing raises no resize.
    void SetHeight(float twips);
    void SetWidth(float twips);
    // The control's Image1: 34 pixels at 15 twips per pixel.
    static constexpr float ImageHeight() { return kImageSize; }
    static constexpr float ImageWidth() { return kImageSize; }
    float TwipsPerPixelX() const { return twipsPerPixel_; }

protected:
    UserControlSite(float twipsPerPixel, float width, float height)
        : twipsPerPixel_(twipsPerPixel), width_(width), height_(height) {}
    // The host gives the control a new size, as a window does when it lays out its
    // controls; the control hears of it once.
    void Resize(float width, float height);
    void SetTwipsPerPixelX(float twips) { twipsPerPixel_ = twips; }
    // The size has changed: the host's window follows, then the control hears of it.
    virtual void Resized() = 0;

private:
    static constexpr float kImageSize = 510;

    float twipsPerPixel_;
    float width_, height_;
};

class UserControl {
public:
    virtual ~UserControl() = default;
    virtual void InitDefaults() = 0;
    virtual void LoadProperties(PropertyBag& bag) = 0;
    virtual void SaveProperties(PropertyBag& bag) = 0;
    virtual void OnResize() = 0;
    virtual void OnTerminate() = 0;
    virtual void OnWindowMouseMove(std::int16_t button, std::int16_t shift, float x, float y) = 0;
    // The shell has restarted (the "TaskbarCreated" broadcast).
    virtual void OnShellRestarted() = 0;
};

}  // namespace brenvik::forms
