#pragma once
// RegRoutine: reads and writes string, DWORD and binary registry values and creates
// and deletes keys, each operation naming its key by one key path such as
// "HKEY_CURRENT_USER\Software\Yahoo\pager". Every operation opens the key it needs
// and closes it before it returns.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/ansi.h"
#include "platform/message_box.h"
#include "platform/registry_api.h"
#include "registry/accessor_result.h"

namespace brenvik::registry {

// What an accessor is handed: the registry, the code page that its names and texts
// cross, and the message box of its one message.
struct RegistryAccess {
    RegistryApi& registry;
    const AnsiCodec& ansi;
    MessageBoxService& messageBox;
};

class RegRoutine {
public:
    explicit RegRoutine(const RegistryAccess& access) : access_(access) {}

    // The reads return the value, or "Error" when the key or the value can't be
    // read; every operation returns empty when its key path is refused or names no
    // root. A value name (Entry) may be empty for the key's default value; after the
    // value call it holds its text as the ANSI code page gives it back.
    AccessorResult SetDWORDValue(std::u16string SubKey, std::u16string& Entry, std::int32_t Value);
    AccessorResult GetDWORDValue(std::u16string SubKey, std::u16string& Entry);
    // A binary value travels as a text: each character stands for its ANSI bytes.
    AccessorResult SetBinaryValue(std::u16string SubKey, std::u16string& Entry,
                                  const std::u16string& Value);
    AccessorResult GetBinaryValue(std::u16string SubKey, std::u16string& Entry);
    AccessorResult DeleteKey(std::u16string Keyname);
    // The predefined root key of an exactly spelled root name, or 0.
    std::int32_t GetMainKeyHandle(const std::u16string& MainKeyName) const;
    // An English message for a registry result code.
    std::u16string ErrorMsg(const std::int32_t& lErrorCode) const;
    AccessorResult GetStringValue(std::u16string SubKey, std::u16string& Entry);
    // Creates the key and any missing keys above it.
    AccessorResult CreateKey(std::u16string SubKey);
    AccessorResult SetStringValue(std::u16string SubKey, std::u16string& Entry,
                                  const std::u16string& Value);

private:
    // Turns the path into its sub-key and sets the root; a malformed path is shown
    // to the user and leaves the root 0.
    void SplitKeyPath(std::u16string& path, std::int32_t& root);

    // The registry calls, each keeping its result code in LastCode.
    bool OpenKey(const std::u16string& subKey, std::uint32_t access);
    bool OpenOrCreateKey(const std::u16string& subKey);
    void CloseKey();
    bool QueryValue(std::u16string& Entry, std::uint32_t& type, std::uint8_t* data,
                    std::uint32_t& size);
    void SetValue(std::u16string& Entry, std::uint32_t type, const std::uint8_t* data,
                  std::uint32_t size);
    Handle Root() const { return static_cast<Handle>(RootHandle); }

    RegistryAccess access_;
    Handle KeyHandle = 0;
    std::int32_t RootHandle = 0;
    LResult LastCode = 0;
    std::int32_t DwordBuffer = 0;
    std::u16string TextBuffer;
    std::int32_t ReadSize = 0;
    std::int32_t BinaryLength = 0;
    std::vector<std::uint8_t> BinaryBytes;  // the value's bytes, in order
};

}  // namespace brenvik::registry
