#pragma once
// What Brenvik knows of the two programs it joins: the player's window class; the
// messenger's window class, its settings in the registry and the command that makes it
// read them. The program, the stand-ins, the tests and the benchmarks take them from
// here, each in the character type of the call it makes.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>

namespace brenvik::other_programs {

// An ASCII literal, as a template argument.
template <std::size_t N>
struct Ascii {
    char text[N];
    constexpr Ascii(const char (&name)[N]) {
        for (std::size_t i = 0; i < N; ++i) text[i] = name[i];
    }
};

// The literals joined, as an array of `Char` that lives as long as the program.
template <typename Char, Ascii... parts>
inline constexpr auto kIn = [] {
    struct {
        Char text[(sizeof parts.text + ...) - sizeof...(parts) + 1];
    } out{};
    std::size_t at = 0;
    for (const std::string_view part : {std::string_view(parts.text)...})
        for (const char c : part) out.text[at++] = static_cast<Char>(c);
    return out;
}();

inline constexpr Ascii kPagerLiteral = "Software\\Yahoo\\pager";

template <typename Char = char>
inline constexpr const Char* kPlayerWindowClass = kIn<Char, "Winamp v1.x">.text;
template <typename Char = char>
inline constexpr const Char* kMessengerWindowClass = kIn<Char, "YahooBuddyMain">.text;
// The messenger's settings, as a key path; kPagerSubKey is the same key below
// HKEY_CURRENT_USER.
template <typename Char = char>
inline constexpr const Char* kPagerKeyPath = kIn<Char, "HKEY_CURRENT_USER\\", kPagerLiteral>.text;
template <typename Char = char>
inline constexpr const Char* kPagerSubKey = kIn<Char, kPagerLiteral>.text;
// Values: the current user, under the pager key; custom status 5 and its "invisible"
// flag, under the user's custom messages key.
template <typename Char = char>
inline constexpr const Char* kUserIdValue = kIn<Char, "Yahoo! User ID">.text;
template <typename Char = char>
inline constexpr const Char* kStatusValue = kIn<Char, "5">.text;
template <typename Char = char>
inline constexpr const Char* kInvisibleValue = kIn<Char, "5_DND">.text;
// The WM_COMMAND identifier that makes the messenger read custom status 5 again.
inline constexpr std::uint32_t kReadStatusCommand = 392;

// The user's custom messages key below `pagerKey` (kPagerKeyPath or kPagerSubKey).
template <typename Char>
std::basic_string<Char> CustomMessagesKey(
    const Char* pagerKey, std::type_identity_t<std::basic_string_view<Char>> userId) {
    std::basic_string<Char> key(pagerKey);
    key += kIn<Char, "\\profiles\\">.text;
    key += userId;
    key += kIn<Char, "\\Custom Msgs">.text;
    return key;
}

}  // namespace brenvik::other_programs
