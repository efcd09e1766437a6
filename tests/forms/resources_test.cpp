// The program file's resources, read back from the built file: one icon group with
// one 32 x 32, 256-colour image of 2216 bytes, the version record and the manifest,
// and nothing else. Checked in this test program, which links the same resources,
// and in Brenvik.exe, built beside it.
#include <windows.h>

#include <gtest/gtest.h>
#include <set>
#include <string>
#include <vector>

namespace brenvik::testing {
namespace {

#pragma pack(push, 2)
struct GroupIconEntry {
    BYTE width, height, colourCount, reserved;
    WORD planes, bitCount;
    DWORD bytesInResource;
    WORD id;
};
struct GroupIconHeader {
    WORD reserved, type, count;
};
#pragma pack(pop)

std::wstring ThisProgram() {
    wchar_t path[MAX_PATH]{};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    return path;
}

std::wstring BesideThisProgram(const wchar_t* name) {
    std::wstring path = ThisProgram();
    return path.substr(0, path.find_last_of(L"\\/") + 1) + name;
}

class ProgramFile : public ::testing::TestWithParam<const wchar_t*> {
protected:
    void SetUp() override {
        path_ = GetParam()[0] == L'\0' ? ThisProgram() : BesideThisProgram(GetParam());
        ASSERT_NE(GetFileAttributesW(path_.c_str()), INVALID_FILE_ATTRIBUTES) << "not built";
        module_ = LoadLibraryExW(path_.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
        ASSERT_NE(module_, nullptr);
    }
    void TearDown() override {
        if (module_ != nullptr) FreeLibrary(module_);
    }

    std::vector<BYTE> Resource(LPCSTR type, int id) {
        HRSRC found = FindResourceA(module_, MAKEINTRESOURCEA(id), type);
        if (found == nullptr) return {};
        const auto* data = static_cast<const BYTE*>(LockResource(LoadResource(module_, found)));
        return {data, data + SizeofResource(module_, found)};
    }

    std::wstring path_;
    HMODULE module_ = nullptr;
};

TEST_P(ProgramFile, HoldsOneIconGroupWithOne32By32ImageOf256Colours) {
    const std::vector<BYTE> group = Resource(RT_GROUP_ICON, 1);
    ASSERT_EQ(group.size(), sizeof(GroupIconHeader) + sizeof(GroupIconEntry));
    const auto* header = reinterpret_cast<const GroupIconHeader*>(group.data());
    EXPECT_EQ(header->type, 1);
    ASSERT_EQ(header->count, 1);
    const auto* entry =
        reinterpret_cast<const GroupIconEntry*>(group.data() + sizeof(GroupIconHeader));
    EXPECT_EQ(entry->width, 32);
    EXPECT_EQ(entry->height, 32);
    EXPECT_EQ(entry->colourCount, 0) << "256 colours are written as 0";
    EXPECT_EQ(entry->bitCount, 8);
    EXPECT_EQ(entry->bytesInResource, 2216u);

    const std::vector<BYTE> image = Resource(RT_ICON, entry->id);
    ASSERT_EQ(image.size(), 2216u) << "header 40 + palette 1024 + pixels 1024 + mask 128";
    const auto* bitmap = reinterpret_cast<const BITMAPINFOHEADER*>(image.data());
    EXPECT_EQ(bitmap->biSize, 40u);
    EXPECT_EQ(bitmap->biWidth, 32);
    EXPECT_EQ(bitmap->biHeight, 64) << "the colour image and its mask";
    EXPECT_EQ(bitmap->biBitCount, 8);
    EXPECT_EQ(bitmap->biCompression, static_cast<DWORD>(BI_RGB));
}

BOOL CALLBACK CollectType(HMODULE, LPSTR type, LONG_PTR types) {
    if (IS_INTRESOURCE(type))
        reinterpret_cast<std::set<ULONG_PTR>*>(types)->insert(reinterpret_cast<ULONG_PTR>(type));
    else
        reinterpret_cast<std::set<ULONG_PTR>*>(types)->insert(0);  // a named type: unexpected
    return TRUE;
}

TEST_P(ProgramFile, HoldsNoOtherKindOfResource) {
    std::set<ULONG_PTR> types;
    EnumResourceTypesA(module_, CollectType, reinterpret_cast<LONG_PTR>(&types));
    const std::set<ULONG_PTR> expected = {
        reinterpret_cast<ULONG_PTR>(RT_ICON), reinterpret_cast<ULONG_PTR>(RT_GROUP_ICON),
        reinterpret_cast<ULONG_PTR>(RT_VERSION), reinterpret_cast<ULONG_PTR>(RT_MANIFEST)};
    EXPECT_EQ(types, expected);
    // The manifest names the processor the program was built for; Windows may refuse
    // to start a program whose manifest names another.
    const std::vector<BYTE> manifest = Resource(RT_MANIFEST, 1);
    const std::string text(manifest.begin(), manifest.end());
    const char* const ownArchitecture =
        sizeof(void*) == 8 ? "processorArchitecture=\"amd64\"" : "processorArchitecture=\"x86\"";
    EXPECT_NE(text.find(std::string("name=\"Brenvik\" version=\"1.0.0.0\" ") + ownArchitecture),
              std::string::npos)
        << text;
    // Per-monitor DPI awareness: v2 where Windows knows it, v1 where it doesn't, and
    // "true/pm" for the Windows before either.
    EXPECT_NE(text.find(">PerMonitorV2, PerMonitor</dpiAwareness>"), std::string::npos) << text;
    EXPECT_NE(text.find(">true/pm</dpiAware>"), std::string::npos) << text;
}

TEST_P(ProgramFile, CarriesItsVersionRecord) {
    DWORD ignored = 0xdeadbeef;
    const DWORD size = GetFileVersionInfoSizeW(path_.c_str(), &ignored);
    ASSERT_GT(size, 0u);
    std::vector<BYTE> info(size, 0xAB);
    ASSERT_TRUE(GetFileVersionInfoW(path_.c_str(), 0, size, info.data()));

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0xdeadbeef;
    ASSERT_TRUE(VerQueryValueW(info.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
    ASSERT_EQ(length, sizeof(VS_FIXEDFILEINFO));
    EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDu);
    EXPECT_EQ(fixed->dwFileVersionMS, 0x00010000u);
    EXPECT_EQ(fixed->dwFileVersionLS, 0u);
    EXPECT_EQ(fixed->dwProductVersionMS, 0x00010000u);
    EXPECT_EQ(fixed->dwProductVersionLS, 0u);
    EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));

    WORD* translation = nullptr;
    length = 0xdeadbeef;
    ASSERT_TRUE(VerQueryValueW(info.data(), L"\\VarFileInfo\\Translation",
                               reinterpret_cast<void**>(&translation), &length));
    ASSERT_EQ(length, 4u) << "one translation";
    EXPECT_EQ(translation[0], 0x0409) << "US English";
    EXPECT_EQ(translation[1], 0x04B0) << "Unicode";

    const std::pair<const wchar_t*, const wchar_t*> strings[] = {
        {L"FileVersion", L"1.00"},
        {L"ProductVersion", L"1.00"},
        {L"ProductName", L"Brenvik"},
        {L"InternalName", L"Brenvik"},
        {L"OriginalFilename", L"Brenvik.exe"},
    };
    for (const auto& [name, value] : strings) {
        SCOPED_TRACE(std::string(name, name + wcslen(name)));
        wchar_t* text = nullptr;
        length = 0xdeadbeef;
        const std::wstring query = std::wstring(L"\\StringFileInfo\\040904B0\\") + name;
        ASSERT_TRUE(
            VerQueryValueW(info.data(), query.c_str(), reinterpret_cast<void**>(&text), &length));
        EXPECT_EQ(std::wstring(text), value);
    }
}

INSTANTIATE_TEST_SUITE_P(Resources, ProgramFile, ::testing::Values(L"", L"Brenvik.exe"),
                         [](const auto& info) {
                             return info.param[0] == L'\0' ? std::string("ThisTestProgram")
                                                           : std::string("BrenvikExe");
                         });

}  // namespace
}  // namespace brenvik::testing
