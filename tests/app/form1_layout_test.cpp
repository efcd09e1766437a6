// Form1's layout as every build reads it: what each control says at start, where the
// preview line sits, and the order in which Tab walks the controls that take the focus.
#include "app/form1_layout.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string_view>
#include <vector>

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

TEST(Form1Layout, TabWalksTheControlsThatTakeTheFocusInOrder) {
    const forms::FormLayout layout = Form1Layout(nullptr, {});
    std::vector<const forms::ControlLayout*> focusable;
    for (const auto& row : layout.controls) {
        const bool takesFocus = row.kind == forms::ControlKind::TextBox ||
                                row.kind == forms::ControlKind::CommandButton ||
                                row.kind == forms::ControlKind::CheckBox;
        if (takesFocus) focusable.push_back(&row);
    }
    std::ranges::sort(focusable, {}, &forms::ControlLayout::tabIndex);
    std::vector<forms::ControlId> order;
    for (const auto* row : focusable) order.push_back(row->id);
    EXPECT_EQ(order,
              (std::vector<forms::ControlId>{Control::Text1, Control::Command1, Control::Command3,
                                             Control::Text2, Control::Command2, Control::Check1}));
}

}  // namespace
}  // namespace brenvik::testing
