#pragma once
// The registry (advapi32), with its functions' Windows names and ANSI ("A") signatures,
// its predefined root keys, access masks, value types and error codes.
#include <cstdint>

#include "platform/win_types.h"

namespace brenvik {

namespace win {
// The predefined root keys.
constexpr Handle kHkeyClassesRoot = 0x80000000u;
constexpr Handle kHkeyCurrentUser = 0x80000001u;
constexpr Handle kHkeyLocalMachine = 0x80000002u;
constexpr Handle kHkeyUsers = 0x80000003u;
constexpr Handle kHkeyPerformanceData = 0x80000004u;
constexpr Handle kHkeyCurrentConfig = 0x80000005u;
constexpr Handle kHkeyDynData = 0x80000006u;

// Access masks and value types.
constexpr std::uint32_t kKeyRead = 0x20019;
constexpr std::uint32_t kKeyWrite = 0x20006;
constexpr std::uint32_t kRegSz = 1;
constexpr std::uint32_t kRegBinary = 3;
constexpr std::uint32_t kRegDword = 4;

// The error codes the program tells apart.
constexpr LResult kErrorSuccess = 0;
constexpr LResult kErrorFileNotFound = 2;
constexpr LResult kErrorAccessDenied = 5;
constexpr LResult kErrorInvalidHandle = 6;
constexpr LResult kErrorInvalidParameter = 87;
constexpr LResult kErrorMoreData = 234;
}  // namespace win

class RegistryApi {
public:
    virtual ~RegistryApi() = default;
    virtual LResult RegOpenKeyExA(Handle key, const char* subKey, std::uint32_t options,
                                  std::uint32_t access, Handle* result) = 0;
    virtual LResult RegCreateKeyA(Handle key, const char* subKey, Handle* result) = 0;
    virtual LResult RegQueryValueExA(Handle key, const char* valueName, std::uint32_t* reserved,
                                     std::uint32_t* type, std::uint8_t* data,
                                     std::uint32_t* dataSize) = 0;
    virtual LResult RegSetValueExA(Handle key, const char* valueName, std::uint32_t reserved,
                                   std::uint32_t type, const std::uint8_t* data,
                                   std::uint32_t dataSize) = 0;
    virtual LResult RegDeleteKeyA(Handle key, const char* subKey) = 0;
    virtual LResult RegCloseKey(Handle key) = 0;
};

}  // namespace brenvik
