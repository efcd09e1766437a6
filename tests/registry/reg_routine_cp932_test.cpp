// RegRoutine on a double-byte ANSI code page (932), where a character may take two
// bytes. Only the simulation can switch code pages; Wine's is fixed for the prefix.
#include <gtest/gtest.h>

#include "platform/sim/iconv_codec.h"
#include "platform/sim/sim_win_api.h"
#include "registry/reg_routine.h"
#include "tests/support/recording_message_box.h"

namespace brenvik::registry {
namespace {

constexpr char16_t kPath[] = u"HKEY_CURRENT_USER\\Software\\Test";

class RegRoutineCp932Test : public ::testing::Test {
protected:
    void TearDown() override { EXPECT_EQ(api_.registry.OpenKeyCount(), 0u); }

    std::vector<std::uint8_t> Stored(const char* name) const {
        const auto value = api_.registry.FindValue("HKEY_CURRENT_USER\\Software\\Test", name);
        return value ? value->data : std::vector<std::uint8_t>{};
    }

    sim::SimWinApi api_;
    sim::IconvCodec cp932_{"CP932"};
    testing::RecordingMessageBox messageBox_;
    RegRoutine reg_{{api_.registry, cp932_, messageBox_}};
};

TEST_F(RegRoutineCp932Test, AStringReadEndsBeforeTheNulThatTheByteCountKeeps) {
    Handle key = 0;
    ASSERT_EQ(api_.registry.RegCreateKeyA(win::kHkeyCurrentUser, "Software\\Test", &key),
              win::kErrorSuccess);
    const std::string nihon = "\x93\xFA\x96\x7B";  // two characters in four bytes
    ASSERT_EQ(api_.registry.RegSetValueExA(key, "text", 0, win::kRegSz,
                                           reinterpret_cast<const std::uint8_t*>(nihon.c_str()), 5),
              win::kErrorSuccess);
    ASSERT_EQ(api_.registry.RegCloseKey(key), win::kErrorSuccess);
    std::u16string entry = u"text";
    EXPECT_EQ(reg_.GetStringValue(kPath, entry), AccessorResult{u"\u65E5\u672C"});
}

TEST_F(RegRoutineCp932Test, AStringOfDoubleByteCharactersIsStoredWhole) {
    std::u16string entry = u"text";
    reg_.SetStringValue(kPath, entry, u"a\u65E5\u672C");
    EXPECT_EQ(Stored("text"),
              (std::vector<std::uint8_t>{'a', 0x93, 0xFA, 0x96, 0x7B,
                                         0}));  // kept with a NUL, as Windows keeps strings
    EXPECT_EQ(reg_.GetStringValue(kPath, entry), AccessorResult{u"a\u65E5\u672C"});
}

TEST_F(RegRoutineCp932Test, ADoubleByteCharacterKeepsBothBytesInABinaryValue) {
    std::u16string entry = u"bin";
    reg_.SetBinaryValue(kPath, entry, u"a\u65E5\u672C");
    EXPECT_EQ(Stored("bin"), (std::vector<std::uint8_t>{'a', 0x93, 0xFA, 0x96, 0x7B}));
    EXPECT_EQ(reg_.GetBinaryValue(kPath, entry), AccessorResult{u"a\u65E5\u672C"});
}

TEST_F(RegRoutineCp932Test, AValueNameOfDoubleByteCharactersComesBackWhole) {
    std::u16string entry = u"\u540D\u524D";
    reg_.SetDWORDValue(kPath, entry, 7);
    EXPECT_EQ(entry, u"\u540D\u524D");
    EXPECT_EQ(reg_.GetDWORDValue(kPath, entry), AccessorResult{7});
}

}  // namespace
}  // namespace brenvik::registry
