#pragma once
// RegRoutine's eight key and value operations by number, for the registry targets.
#include <cstdint>
#include <string>

#include "registry/reg_routine.h"

namespace brenvik::fuzz {

enum class RegOperation {
    GetString,
    SetString,
    GetDword,
    SetDword,
    GetBinary,
    SetBinary,
    CreateKey,
    DeleteKey
};
constexpr int kLastRegOperation = static_cast<int>(RegOperation::DeleteKey);

inline bool IsRead(RegOperation operation) {
    return operation == RegOperation::GetString || operation == RegOperation::GetDword ||
           operation == RegOperation::GetBinary;
}

// Runs `operation` on `path` (and `entry`, for a value). A write asks `values` for the
// value it writes (values.String(), values.Dword(), values.Binary()) only then, so a
// target that draws them from its input draws only the one the operation writes.
template <typename Values>
registry::AccessorResult RunOperation(registry::RegRoutine& reg, RegOperation operation,
                                      const std::u16string& path, std::u16string& entry,
                                      Values& values) {
    switch (operation) {
        case RegOperation::GetString:
            return reg.GetStringValue(path, entry);
        case RegOperation::SetString:
            return reg.SetStringValue(path, entry, values.String());
        case RegOperation::GetDword:
            return reg.GetDWORDValue(path, entry);
        case RegOperation::SetDword:
            return reg.SetDWORDValue(path, entry, values.Dword());
        case RegOperation::GetBinary:
            return reg.GetBinaryValue(path, entry);
        case RegOperation::SetBinary:
            return reg.SetBinaryValue(path, entry, values.Binary());
        case RegOperation::CreateKey:
            return reg.CreateKey(path);
        case RegOperation::DeleteKey:
            return reg.DeleteKey(path);
    }
    return {};
}

}  // namespace brenvik::fuzz
