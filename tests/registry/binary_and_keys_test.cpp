// Binary values, key creation and key deletion.
#include "platform/forwarding_registry_api.h"
#include "tests/registry/reg_routine_fixture.h"

namespace brenvik::registry {
namespace {

using testing::RegistryCall;

TEST_F(RegRoutineTest, BinaryValuesGoThereAndBack) {
    const std::u16string kTexts[] = {u"\x01\x02\u00FF", u"a", u"", u"caf\u00E9 \u20AC\0z"};
    for (const std::u16string& text : kTexts) {
        SCOPED_TRACE(::testing::PrintToString(text));
        std::u16string entry = u"bin";
        EXPECT_EQ(reg_.SetBinaryValue(Path(u"Values"), entry, text), AccessorResult{});
        const Stored stored = Read("Values", "bin");
        EXPECT_EQ(stored.type, win::kRegBinary);
        EXPECT_EQ(stored.bytes, backend_->Ansi().ToAnsi(text));
        EXPECT_EQ(reg_.GetBinaryValue(Path(u"Values"), entry), AccessorResult{text});
    }
}

TEST_F(RegRoutineTest, TheBytes01_02_FF) {
    std::u16string entry = u"bin";
    reg_.SetBinaryValue(Path(u"Values"), entry, u"\x01\x02\u00FF");
    EXPECT_EQ(Read("Values", "bin").bytes, "\x01\x02\xFF");
}

TEST_F(RegRoutineTest, BinaryReadsProbeTheSizeFirst) {
    Put("Values", "one", win::kRegBinary, "\x7F");
    Put("Values", "none", win::kRegBinary, "");
    Put("Values", "long", win::kRegBinary, std::string(300, 'b'));
    std::u16string entry = u"one";
    EXPECT_EQ(reg_.GetBinaryValue(Path(u"Values"), entry), AccessorResult{u"\x7F"});
    ASSERT_EQ(api_.Calls().size(), 4u);  // open, probe, read, close
    EXPECT_EQ(api_.Calls()[2], (RegistryCall{"RegQueryValueExA", api_.Calls()[2].key, "one"}));
    entry = u"none";
    EXPECT_EQ(reg_.GetBinaryValue(Path(u"Values"), entry), AccessorResult{u""});
    entry = u"long";
    EXPECT_EQ(reg_.GetBinaryValue(Path(u"Values"), entry),
              AccessorResult{std::u16string(300, u'b')});
}

// A registry that answers every value query "more data", claiming nearly 4 GiB.
class ClaimingRegistry final : public ForwardingRegistryApi {
public:
    using ForwardingRegistryApi::ForwardingRegistryApi;
    LResult RegQueryValueExA(Handle, const char*, std::uint32_t*, std::uint32_t*, std::uint8_t*,
                             std::uint32_t* dataSize) override {
        *dataSize = 0xFFFFFFF0u;
        return win::kErrorMoreData;
    }
};

TEST_F(RegRoutineTest, ABinaryReadTakesAtMostOneMebibyte) {
    constexpr std::size_t kMebibyte = 1024 * 1024;
    Put("Values", "whole", win::kRegBinary, std::string(kMebibyte, 'b'));
    Put("Values", "over", win::kRegBinary, std::string(kMebibyte + 1, 'b'));
    std::u16string entry = u"whole";
    EXPECT_TRUE(reg_.GetBinaryValue(Path(u"Values"), entry) ==
                AccessorResult{std::u16string(kMebibyte, u'b')});
    entry = u"over";
    EXPECT_TRUE(reg_.GetBinaryValue(Path(u"Values"), entry) == kError);

    ClaimingRegistry claiming(api_);
    RegRoutine reg({claiming, backend_->Ansi(), messageBox_});
    entry = u"whole";
    EXPECT_EQ(reg.GetBinaryValue(Path(u"Values"), entry), kError);
}

TEST_F(RegRoutineTest, ABinaryReadOfAStringKeepsItsNul) {
    Put("Values", "text", win::kRegSz, std::string("abc\0", 4));
    std::u16string entry = u"text";
    EXPECT_EQ(reg_.GetBinaryValue(Path(u"Values"), entry),
              AccessorResult{std::u16string(u"abc\0", 4)});
}

TEST_F(RegRoutineTest, ABinaryReadOfAMissingKeyOrValueIsError) {
    std::u16string entry = u"bin";
    EXPECT_EQ(reg_.GetBinaryValue(Path(u"Values"), entry), kError);
    Put("Values", "other", win::kRegBinary, "x");
    EXPECT_EQ(reg_.GetBinaryValue(Path(u"Values"), entry), kError);
}

TEST_F(RegRoutineTest, CreateKeyMakesEveryMissingKeyAndLeavesAnExistingOneAlone) {
    EXPECT_EQ(reg_.CreateKey(Path(u"New\\Deep\\Er")), AccessorResult{});
    EXPECT_TRUE(KeyExists("New\\Deep\\Er"));
    Put("New\\Deep", "kept", win::kRegBinary, "k");
    EXPECT_EQ(reg_.CreateKey(Path(u"New\\Deep")), AccessorResult{});
    EXPECT_EQ(Read("New\\Deep", "kept").bytes, "k");
    EXPECT_TRUE(KeyExists("New\\Deep\\Er"));
}

TEST_F(RegRoutineTest, DeleteKeyRemovesAKeyWithoutSubKeys) {
    reg_.CreateKey(Path(u"Parent\\Child"));
    Put("Parent\\Child", "v", win::kRegBinary, "v");
    EXPECT_EQ(reg_.DeleteKey(Path(u"Parent")), AccessorResult{});
    EXPECT_TRUE(KeyExists("Parent"));  // the registry keeps a key that has sub-keys
    EXPECT_EQ(reg_.DeleteKey(Path(u"Parent\\Child")), AccessorResult{});
    EXPECT_FALSE(KeyExists("Parent\\Child"));
    EXPECT_EQ(reg_.DeleteKey(Path(u"Parent")), AccessorResult{});
    EXPECT_FALSE(KeyExists("Parent"));
}

TEST_F(RegRoutineTest, DeleteKeyOfAMissingKeyOnlyTriesToOpenIt) {
    EXPECT_EQ(reg_.DeleteKey(Path(u"New")), AccessorResult{});
    ASSERT_EQ(api_.Calls().size(), 1u);
    EXPECT_EQ(api_.Calls()[0].function, "RegOpenKeyExA");
}

TEST_F(RegRoutineTest, EveryFailurePathClosesWhatItOpened) {
    Put("Values", "long", win::kRegSz, std::string(300, 'x'));
    Put("Values", "five", win::kRegBinary, "12345");
    Put("Parent\\Child", "v", win::kRegBinary, "v");
    const std::u16string kBadPath =
        u"HKEY_CURRENT_USER\\\\Software\\BrenvikTest\\RegRoutine\\Values";
    for (const std::u16string& path : {Path(u"Values"), Path(u"New"), kBadPath}) {
        for (const char16_t* name : {u"long", u"five", u"missing"}) {
            std::u16string entry = name;
            reg_.GetStringValue(path, entry);
            reg_.GetDWORDValue(path, entry);
            reg_.GetBinaryValue(path, entry);
            EXPECT_EQ(api_.OpenKeys(), 0);
        }
    }
    std::u16string entry = u"v";
    reg_.SetStringValue(kBadPath, entry, u"x");
    reg_.SetDWORDValue(kBadPath, entry, 1);
    reg_.SetBinaryValue(kBadPath, entry, u"x");
    reg_.CreateKey(kBadPath);
    reg_.DeleteKey(kBadPath);
    reg_.DeleteKey(Path(u"Parent"));
    reg_.DeleteKey(Path(u"New"));
    EXPECT_EQ(api_.OpenKeys(), 0);
}

}  // namespace
}  // namespace brenvik::registry
