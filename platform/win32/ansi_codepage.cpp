#include "platform/win32/ansi_codepage.h"

#include <windows.h>

namespace brenvik::win32 {

std::string AnsiCodePage::ToAnsi(std::u16string_view text) const {
    if (text.empty()) return {};
    const auto* wide = reinterpret_cast<const wchar_t*>(text.data());
    const int length = static_cast<int>(text.size());
    const int needed =
        ::WideCharToMultiByte(codePage_, 0, wide, length, nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(needed), '\0');
    ::WideCharToMultiByte(codePage_, 0, wide, length, bytes.data(), needed, nullptr, nullptr);
    return bytes;
}

std::u16string AnsiCodePage::FromAnsi(std::string_view bytes) const {
    if (bytes.empty()) return {};
    const int length = static_cast<int>(bytes.size());
    const int needed = ::MultiByteToWideChar(codePage_, 0, bytes.data(), length, nullptr, 0);
    std::u16string text(static_cast<std::size_t>(needed), u'\0');
    ::MultiByteToWideChar(codePage_, 0, bytes.data(), length,
                          reinterpret_cast<wchar_t*>(text.data()), needed);
    return text;
}

}  // namespace brenvik::win32
