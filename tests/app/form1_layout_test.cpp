// Form1's layout as every build reads it: what each control says at start, where the
// preview line sits, and the order in which Tab walks the controls that take the focus.
#include "app/form1_layout.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace brenvik::testing {
namespace {

// The window's own texts, exactly as the user reads them.
struct Captioned {
    const char* name;
    const char16_t* caption;
};
constexpr Captioned kCaptions[] = {
    {"Label1", u"Prefix:"},
    {"Text1", u""},
    {"Label2", u"Refresh"},
    {"Text2", u"3"},
    {"Label3", u"detik"},
    {"Label5", u"invisible"},
    {"Label4", u""},
    {"Command1", u""},
    {"Command3", u"Goto Tray"},
    {"Command2", u"Tutup Aplikasi"},
};

const forms::ControlLayout* Row(const forms::FormLayout& layout, std::string_view name) {
    const auto it = std::ranges::find(layout.controls, name, &forms::ControlLayout::name);
    return it == layout.controls.end() ? nullptr : &*it;
}

TEST(Form1Layout, EachControlStartsWithItsCaptionAndThePreviewSitsUnderThePrefix) {
    const forms::FormLayout layout = Form1Layout(nullptr, {});
    EXPECT_EQ(layout.caption, u"Brenvik");
    for (const auto& c : kCaptions) {
        SCOPED_TRACE(c.name);
        const forms::ControlLayout* row = Row(layout, c.name);
        ASSERT_NE(row, nullptr);
        EXPECT_EQ(row->caption, c.caption);
    }
    // The preview line: on a line of its own under the prefix, at the prefix's left
    // edge, growing to the right with its text.
    const forms::ControlLayout* preview = Row(layout, "Label4");
    EXPECT_EQ(preview->left, 345);
    EXPECT_EQ(preview->top, 690);
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
    std::vector<std::string> order;
    for (const auto* row : focusable) order.push_back(row->name);
    EXPECT_EQ(order, (std::vector<std::string>{"Text1", "Command1", "Command3", "Text2", "Command2",
                                               "Check1"}));
}

}  // namespace
}  // namespace brenvik::testing
