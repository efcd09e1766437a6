// The in-memory property store: case-blind names, defaults read and left out.
#include "forms/property_bag.h"

#include <gtest/gtest.h>

#include "forms/sim/sim_user_control_site.h"

namespace brenvik::testing {
namespace {

using forms::MemoryPropertyBag;
using forms::PropertyValue;

TEST(MemoryPropertyBag, FoldsTheCaseOfEveryLetterFromAToZ) {
    constexpr char16_t kLower[] = u"abcdefghijklmnopqrstuvwxyz";
    constexpr char16_t kUpper[] = u"ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    MemoryPropertyBag lower({{kLower, true}});
    MemoryPropertyBag upper({{kUpper, true}});
    EXPECT_EQ(lower.ReadProperty(kUpper, false), PropertyValue(true));
    EXPECT_EQ(upper.ReadProperty(kLower, false), PropertyValue(true));
    // Letters only: '@' and '[' sit beside 'A' and 'Z', '`' and '{' beside 'a' and 'z'.
    MemoryPropertyBag neighbours({{u"@[", true}});
    EXPECT_EQ(neighbours.ReadProperty(u"`{", false), PropertyValue(false));
}

TEST(MemoryPropertyBag, ReadsTheDefaultOfAMissingName) {
    MemoryPropertyBag bag({{u"Icon", true}});
    EXPECT_EQ(bag.ReadProperty(u"Visible", false), PropertyValue(false));
    EXPECT_EQ(bag.ReadProperty(u"Icons", std::u16string(u"none")),
              PropertyValue(std::u16string(u"none")));
}

TEST(MemoryPropertyBag, LeavesOutAValueEqualToItsDefault) {
    MemoryPropertyBag bag;
    bag.WriteProperty(u"Visible", false, false);
    bag.WriteProperty(u"ToolTip", std::u16string(), std::u16string());
    bag.WriteProperty(u"Icon", forms::PictureRef{}, forms::PictureRef{});
    EXPECT_TRUE(bag.Stored().empty());
}

TEST(MemoryPropertyBag, WritingReplacesAndWritingTheDefaultForgets) {
    MemoryPropertyBag bag({{u"visible", true}, {u"ToolTip", std::u16string(u"a")}});
    bag.WriteProperty(u"ToolTip", std::u16string(u"b"), std::u16string());
    bag.WriteProperty(u"VISIBLE", false, false);
    ASSERT_EQ(bag.Stored().size(), 1u);
    EXPECT_EQ(bag.Stored()[0].name, u"ToolTip");
    EXPECT_EQ(bag.Stored()[0].value, PropertyValue(std::u16string(u"b")));
}

TEST(MemoryPropertyBag, ComparesPicturesByIdentity) {
    const forms::PictureRef empty = std::make_shared<sim::SimPicture>(0);
    MemoryPropertyBag bag;
    bag.WriteProperty(u"Icon", empty, forms::PictureRef{});  // empty is not absent
    bag.WriteProperty(u"Other", empty, empty);
    ASSERT_EQ(bag.Stored().size(), 1u);
    EXPECT_EQ(bag.ReadProperty(u"icon", forms::PictureRef{}), PropertyValue(empty));
}

}  // namespace
}  // namespace brenvik::testing
