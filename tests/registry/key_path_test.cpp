// Key paths: the format test and its prompt, the root table, and the split at the
// first separator.
#include <functional>

#include "tests/registry/reg_routine_fixture.h"

namespace brenvik::registry {
namespace {

using testing::RegistryCall;

// Every operation that takes a key path, run on a given path.
struct Operation {
    const char* name;
    std::function<AccessorResult(RegRoutine&, const std::u16string&)> run;
};

const Operation kOperations[] = {
    {"SetDWORDValue",
     [](RegRoutine& r, const std::u16string& p) {
         std::u16string e = u"v";
         return r.SetDWORDValue(p, e, 1);
     }},
    {"GetDWORDValue",
     [](RegRoutine& r, const std::u16string& p) {
         std::u16string e = u"v";
         return r.GetDWORDValue(p, e);
     }},
    {"SetBinaryValue",
     [](RegRoutine& r, const std::u16string& p) {
         std::u16string e = u"v";
         return r.SetBinaryValue(p, e, u"x");
     }},
    {"GetBinaryValue",
     [](RegRoutine& r, const std::u16string& p) {
         std::u16string e = u"v";
         return r.GetBinaryValue(p, e);
     }},
    {"DeleteKey", [](RegRoutine& r, const std::u16string& p) { return r.DeleteKey(p); }},
    {"GetStringValue",
     [](RegRoutine& r, const std::u16string& p) {
         std::u16string e = u"v";
         return r.GetStringValue(p, e);
     }},
    {"CreateKey", [](RegRoutine& r, const std::u16string& p) { return r.CreateKey(p); }},
    {"SetStringValue",
     [](RegRoutine& r, const std::u16string& p) {
         std::u16string e = u"v";
         return r.SetStringValue(p, e, u"x");
     }},
};

TEST_F(RegRoutineTest, AMalformedPathIsShownToTheUserAndNothingElseHappens) {
    constexpr std::u16string_view kMalformed[] = {
        u"",                               // the prompt ends after the two line feeds
        u"HKEY_CURRENT_USER\\",            // ends with the separator
        u"HKEY_CURRENT_USER\\Software\\",  //
        u"hkey_current_user\\Software",    // the prefix is case-sensitive
        u"HKEY",                           // shorter than the prefix
        u"HKCU\\Software",                 //
    };
    for (const Operation& operation : kOperations) {
        for (std::u16string_view path : kMalformed) {
            SCOPED_TRACE(operation.name + std::string(" on ") +
                         std::string(path.begin(), path.end()));
            messageBox_.prompts.clear();
            const std::u16string caller(path);
            EXPECT_EQ(operation.run(reg_, caller), AccessorResult{});
            ASSERT_EQ(messageBox_.prompts.size(), 1u);
            EXPECT_EQ(messageBox_.prompts[0], u"Incorrect Format:\n\n" + caller);
        }
    }
    EXPECT_TRUE(api_.Calls().empty());
}

TEST_F(RegRoutineTest, AWellFormedPathWithAnUnknownRootDoesNothingSilently) {
    constexpr std::u16string_view kUnknownRoots[] = {
        u"HKEY_",
        u"HKEY_current_user\\Software",
        u"HKEY_CURRENT_USER \\Software",
        u"HKEY_CURRENTUSER",
        u"HKEY_DYN_DATA_\\x",
    };
    for (const Operation& operation : kOperations) {
        for (std::u16string_view path : kUnknownRoots) {
            SCOPED_TRACE(operation.name + std::string(" on ") +
                         std::string(path.begin(), path.end()));
            EXPECT_EQ(operation.run(reg_, std::u16string(path)), AccessorResult{});
        }
    }
    EXPECT_TRUE(messageBox_.prompts.empty());
    EXPECT_TRUE(api_.Calls().empty());
}

TEST_F(RegRoutineTest, ARefusedPathAfterASuccessfulOperationMakesNoCall) {
    std::u16string entry = u"v";
    reg_.SetStringValue(Path(u"Values"), entry, u"x");
    EXPECT_EQ(reg_.GetStringValue(Path(u"Values"), entry), AccessorResult{u"x"});
    api_.ClearCalls();
    EXPECT_EQ(reg_.GetStringValue(u"HKEY_CURRENT_USER\\", entry), AccessorResult{});
    EXPECT_EQ(reg_.GetStringValue(u"HKEY_Current_User\\Software", entry), AccessorResult{});
    EXPECT_TRUE(api_.Calls().empty());
}

TEST_F(RegRoutineTest, TheRootTableMatchesExactNamesOnly) {
    struct Root {
        std::u16string_view name;
        Handle handle;
    };
    constexpr Root kRoots[] = {
        {u"HKEY_CLASSES_ROOT", 0x80000000},
        {u"HKEY_CURRENT_USER", 0x80000001},
        {u"HKEY_LOCAL_MACHINE", 0x80000002},
        {u"HKEY_USERS", 0x80000003},
        {u"HKEY_PERFORMANCE_DATA", 0x80000004},
        {u"HKEY_CURRENT_CONFIG", 0x80000005},
        {u"HKEY_DYN_DATA", 0x80000006},
        {u"hkey_current_user", 0},
        {u"HKEY_Current_User", 0},
        {u" HKEY_USERS", 0},
        {u"HKEY_USERS ", 0},
        {u"HKCU", 0},
        {u"HKEY_DYN_DATA\\x", 0},
        {u"HKEY_", 0},
        {u"", 0},
    };
    for (const Root& root : kRoots) {
        SCOPED_TRACE(std::string(root.name.begin(), root.name.end()));
        EXPECT_EQ(reg_.GetMainKeyHandle(std::u16string(root.name)),
                  static_cast<std::int32_t>(root.handle));
    }
    EXPECT_TRUE(api_.Calls().empty());
}

TEST_F(RegRoutineTest, APathSplitsAtItsFirstSeparatorOnly) {
    struct Split {
        std::u16string_view path;
        Handle root;
        const char* subKey;
    };
    constexpr Split kSplits[] = {
        {u"HKEY_CURRENT_USER\\Software\\BrenvikTest\\RegRoutine\\Values", win::kHkeyCurrentUser,
         "Software\\BrenvikTest\\RegRoutine\\Values"},
        {u"HKEY_USERS\\\\BrenvikNoSuchKey", win::kHkeyUsers,
         "\\BrenvikNoSuchKey"},  // the second separator stays
        {u"HKEY_LOCAL_MACHINE\\BrenvikNoSuchKey", win::kHkeyLocalMachine, "BrenvikNoSuchKey"},
        {u"HKEY_CURRENT_USER", win::kHkeyCurrentUser, ""},  // the root key itself
    };
    for (const Split& split : kSplits) {
        SCOPED_TRACE(std::string(split.path.begin(), split.path.end()));
        api_.ClearCalls();
        std::u16string entry = u"BrenvikNoSuchValue";
        reg_.GetStringValue(std::u16string(split.path), entry);
        ASSERT_FALSE(api_.Calls().empty());
        EXPECT_EQ(api_.Calls()[0], (RegistryCall{"RegOpenKeyExA", split.root, split.subKey}));
    }
    EXPECT_TRUE(messageBox_.prompts.empty());
}

TEST_F(RegRoutineTest, AReadOnTheRootKeyItselfWorks) {
    std::u16string entry = u"BrenvikNoSuchValue";
    EXPECT_EQ(reg_.GetStringValue(u"HKEY_CURRENT_USER", entry), AccessorResult{u"Error"});
    ASSERT_EQ(api_.Calls().size(), 3u);
    EXPECT_EQ(api_.Calls()[1].function, "RegQueryValueExA");  // the open succeeded
}

}  // namespace
}  // namespace brenvik::registry
