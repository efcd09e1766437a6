// Form1's layout as every build reads it: where each control sits, what it says at
// start, and the order in which Tab walks the controls that take the focus.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/form1_layout.h"

namespace brenvik::testing {
namespace {

struct Placed {
    const char* name;
    const char16_t* caption;
    int left, top;  // twips
};
constexpr Placed kPlaced[] = {
    {"Label1", u"Prefix:", 345, 300},
    {"Text1", u"", 960, 255},
    {"Label2", u"Refresh", 5010, 300},
    {"Text2", u"3", 5730, 270},
    {"Label3", u"detik", 6435, 300},
    {"Check1", u"Check1", 3930, 315},
    {"Label5", u"invisible", 4230, 315},
    {"Label4", u"", 345, 690},
    {"Command1", u"", 240, 1020},
    {"Command3", u"Goto Tray", 2085, 1020},
    {"Command2", u"Tutup Aplikasi", 4140, 1020},
};

const forms::ControlLayout* Row(const forms::FormLayout& layout, std::string_view name) {
    const auto it = std::ranges::find(layout.controls, name, &forms::ControlLayout::name);
    return it == layout.controls.end() ? nullptr : &*it;
}

TEST(Form1Layout, EachControlSitsInItsPlaceWithItsStartingCaption) {
    const forms::FormLayout layout = Form1Layout(nullptr, {});
    EXPECT_EQ(layout.caption, u"Brenvik");
    for (const auto& c : kPlaced) {
        SCOPED_TRACE(c.name);
        const forms::ControlLayout* row = Row(layout, c.name);
        ASSERT_NE(row, nullptr);
        EXPECT_EQ(row->caption, c.caption);
        EXPECT_EQ(row->left, c.left);
        EXPECT_EQ(row->top, c.top);
    }
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
