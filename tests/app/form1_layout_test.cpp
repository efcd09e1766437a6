// Form1's layout as every build reads it: what each control says at start and where the
// preview line sits.
#include "app/form1_layout.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string_view>

#include "app/form1_controls.h"

namespace brenvik::testing {
namespace {

using form1::Control;

// The window's own texts, exactly as the user reads them.
struct Captioned {
    Control control;
    const char16_t* caption;
};
constexpr Captioned kCaptions[] = {
    {Control::Label1, u"Prefix:"},
    {Control::Text1, u""},
    {Control::Label2, u"Refresh"},
    {Control::Text2, u"3"},
    {Control::Label3, u"detik"},
    {Control::Label5, u"invisible"},
    {Control::Label4, u""},
    {Control::Command1, u""},
    {Control::Command3, u"Goto Tray"},
    {Control::Command2, u"Tutup Aplikasi"},
};

const forms::ControlLayout* Row(const forms::FormLayout& layout, forms::ControlId control) {
    const auto it = std::ranges::find(layout.controls, control, &forms::ControlLayout::id);
    return it == layout.controls.end() ? nullptr : &*it;
}

TEST(Form1Layout, EachControlStartsWithItsCaptionAndThePreviewSitsUnderThePrefix) {
    const forms::FormLayout layout = Form1Layout(nullptr, {});
    EXPECT_EQ(layout.caption, u"Brenvik");
    for (const auto& c : kCaptions) {
        const forms::ControlLayout* row = Row(layout, c.control);
        ASSERT_NE(row, nullptr);
        SCOPED_TRACE(row->name);
        EXPECT_EQ(std::u16string_view(row->caption), c.caption);
    }
    // The preview line: on a line of its own under the prefix, at the prefix's left
    // edge, growing to the right with its text.
    const forms::ControlLayout* preview = Row(layout, Control::Label4);
    EXPECT_EQ(preview->place.left, 345);
    EXPECT_EQ(preview->place.top, 690);
    EXPECT_TRUE(preview->autoSize);
}

}  // namespace
}  // namespace brenvik::testing
