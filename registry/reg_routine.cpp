// RegRoutine's value and key operations. Each one splits its key path, returns
// empty when the path names no root, and otherwise opens (or creates) its key,
// makes its value call and closes the key before it returns, on every path.
#include "registry/reg_routine.h"

#include "platform/text.h"

namespace brenvik::registry {

namespace {
const AccessorResult kError{std::u16string(u"Error")};
// A string read offers 255 bytes: 254 characters and the value's NUL.
constexpr std::size_t kStringBufferLength = 255;
// A binary read takes at most 1 MiB, the most that the registry's standard format keeps
// in one value. A larger value, or a size probe that claims one, reads as a failure
// instead of making the read allocate whatever size the answer names.
constexpr std::uint32_t kBinaryReadLimit = 1024 * 1024;

std::uint8_t* Bytes(std::string& buffer) { return reinterpret_cast<std::uint8_t*>(buffer.data()); }
const std::uint8_t* Bytes(const std::string& buffer) {
    return reinterpret_cast<const std::uint8_t*>(buffer.data());
}
}  // namespace

bool RegRoutine::OpenKey(const std::u16string& subKey, std::uint32_t access) {
    const std::string name = access_.ansi.ToAnsi(subKey);
    LastCode = access_.registry.RegOpenKeyExA(Root(), name.c_str(), 0, access, &KeyHandle);
    return LastCode == win::kErrorSuccess;
}

bool RegRoutine::OpenOrCreateKey(const std::u16string& subKey) {
    if (OpenKey(subKey, win::kKeyWrite)) return true;
    const std::string name = access_.ansi.ToAnsi(subKey);
    LastCode = access_.registry.RegCreateKeyA(Root(), name.c_str(), &KeyHandle);
    return LastCode == win::kErrorSuccess;
}

// A failed close is not reported: the operation's result stands either way.
void RegRoutine::CloseKey() { LastCode = access_.registry.RegCloseKey(KeyHandle); }

bool RegRoutine::QueryValue(std::u16string& Entry, std::uint32_t& type, std::uint8_t* data,
                            std::uint32_t& size) {
    const std::string name = access_.ansi.ToAnsi(Entry);
    LastCode =
        access_.registry.RegQueryValueExA(KeyHandle, name.c_str(), nullptr, &type, data, &size);
    Entry = access_.ansi.FromAnsi(name);
    return LastCode == win::kErrorSuccess;
}

void RegRoutine::SetValue(std::u16string& Entry, std::uint32_t type, const std::uint8_t* data,
                          std::uint32_t size) {
    const std::string name = access_.ansi.ToAnsi(Entry);
    LastCode = access_.registry.RegSetValueExA(KeyHandle, name.c_str(), 0, type, data, size);
    Entry = access_.ansi.FromAnsi(name);
}

AccessorResult RegRoutine::SetDWORDValue(std::u16string SubKey, std::u16string& Entry,
                                         std::int32_t Value) {
    SplitKeyPath(SubKey, RootHandle);
    if (RootHandle == 0 || !OpenOrCreateKey(SubKey)) return {};
    const auto bits = static_cast<std::uint32_t>(Value);
    const std::uint8_t littleEndian[4] = {
        static_cast<std::uint8_t>(bits), static_cast<std::uint8_t>(bits >> 8),
        static_cast<std::uint8_t>(bits >> 16), static_cast<std::uint8_t>(bits >> 24)};
    SetValue(Entry, win::kRegDword, littleEndian, sizeof littleEndian);
    CloseKey();
    return {};
}

AccessorResult RegRoutine::GetDWORDValue(std::u16string SubKey, std::u16string& Entry) {
    SplitKeyPath(SubKey, RootHandle);
    if (RootHandle == 0) return {};
    if (!OpenKey(SubKey, win::kKeyRead)) return kError;
    std::uint32_t type = win::kRegDword;
    std::uint32_t size = sizeof DwordBuffer;
    // A shorter value fills only the low-order bytes; the others keep the last read's.
    const bool read = QueryValue(Entry, type, reinterpret_cast<std::uint8_t*>(&DwordBuffer), size);
    CloseKey();
    if (!read) return kError;
    return DwordBuffer;
}

AccessorResult RegRoutine::SetBinaryValue(std::u16string SubKey, std::u16string& Entry,
                                          const std::u16string& Value) {
    SplitKeyPath(SubKey, RootHandle);
    if (RootHandle == 0 || !OpenOrCreateKey(SubKey)) return {};
    // Every byte of each character's ANSI code goes in, so that a double-byte
    // character reads back as itself; an empty text is an empty value.
    const std::string bytes = access_.ansi.ToAnsi(Value);
    BinaryLength = static_cast<std::int32_t>(bytes.size());
    BinaryBytes.assign(bytes.begin(), bytes.end());
    SetValue(Entry, win::kRegBinary, BinaryBytes.data(), static_cast<std::uint32_t>(BinaryLength));
    CloseKey();
    return {};
}

AccessorResult RegRoutine::GetBinaryValue(std::u16string SubKey, std::u16string& Entry) {
    SplitKeyPath(SubKey, RootHandle);
    if (RootHandle == 0) return {};
    if (!OpenKey(SubKey, win::kKeyRead)) return kError;
    // Size probe: a one-byte read. A longer value answers "more data" with the size
    // it needs, which is all the probe is for, so its result is not examined.
    std::uint32_t type = win::kRegBinary;
    std::uint32_t size = 1;
    std::uint8_t scratch = 0;
    QueryValue(Entry, type, &scratch, size);
    if (size > kBinaryReadLimit) {
        CloseKey();
        return kError;
    }
    ReadSize = static_cast<std::int32_t>(size);

    TextBuffer.assign(size, u' ');
    std::string buffer = access_.ansi.ToAnsi(TextBuffer);
    type = win::kRegBinary;
    const bool read = QueryValue(Entry, type, Bytes(buffer), size);
    ReadSize = static_cast<std::int32_t>(size);
    TextBuffer = access_.ansi.FromAnsi(buffer);
    CloseKey();
    if (!read) return kError;
    return TextBuffer;
}

AccessorResult RegRoutine::DeleteKey(std::u16string Keyname) {
    SplitKeyPath(Keyname, RootHandle);
    if (RootHandle == 0 || !OpenKey(Keyname, win::kKeyWrite)) return {};
    const std::string name = access_.ansi.ToAnsi(Keyname);
    LastCode = access_.registry.RegDeleteKeyA(Root(), name.c_str());
    CloseKey();
    return {};
}

AccessorResult RegRoutine::GetStringValue(std::u16string SubKey, std::u16string& Entry) {
    SplitKeyPath(SubKey, RootHandle);
    if (RootHandle == 0) return {};
    if (!OpenKey(SubKey, win::kKeyRead)) return kError;
    TextBuffer.assign(kStringBufferLength, u' ');
    std::uint32_t size = kStringBufferLength;
    std::uint32_t type = win::kRegSz;  // any type is read; the one reported is not examined
    std::string buffer = access_.ansi.ToAnsi(TextBuffer);
    const bool read = QueryValue(Entry, type, Bytes(buffer), size);
    ReadSize = static_cast<std::int32_t>(size);
    TextBuffer = access_.ansi.FromAnsi(buffer);
    CloseKey();
    if (!read) return kError;

    TextBuffer = text::TrimSpaces(TextBuffer);
    // The text is what the reported size counted, up to its first NUL: a string stored
    // with its NUL loses only that NUL, one stored without it keeps its last character.
    // A double-byte code page counts more bytes than characters; the NUL still ends
    // the text.
    const std::u16string cut = TextBuffer.substr(0, static_cast<std::size_t>(ReadSize));
    return cut.substr(0, cut.find(u'\0'));
}

AccessorResult RegRoutine::CreateKey(std::u16string SubKey) {
    SplitKeyPath(SubKey, RootHandle);
    if (RootHandle == 0) return {};
    const std::string name = access_.ansi.ToAnsi(SubKey);
    LastCode = access_.registry.RegCreateKeyA(Root(), name.c_str(), &KeyHandle);
    if (LastCode == win::kErrorSuccess) CloseKey();
    return {};
}

AccessorResult RegRoutine::SetStringValue(std::u16string SubKey, std::u16string& Entry,
                                          const std::u16string& Value) {
    SplitKeyPath(SubKey, RootHandle);
    if (RootHandle == 0 || !OpenOrCreateKey(SubKey)) return {};
    // The size is that of the text's bytes, without the NUL that follows them in
    // memory. Counting characters instead would cut a double-byte text short.
    const std::string data = access_.ansi.ToAnsi(Value);
    SetValue(Entry, win::kRegSz, Bytes(data), static_cast<std::uint32_t>(data.size()));
    CloseKey();
    return {};
}

}  // namespace brenvik::registry
