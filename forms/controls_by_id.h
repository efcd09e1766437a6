#pragma once
// What a form keeps by its controls' identity: a dozen entries or so, found by a walk
// along them rather than through a map, which the program file would carry for it.
#include <memory>
#include <utility>
#include <vector>

#include "forms/control_id.h"
#include "platform/failure.h"

namespace brenvik::forms {

template <typename T>
using ById = std::vector<std::pair<ControlId, T>>;

// The control of `id`; asking for one the form doesn't hold as `kind` is a programming
// error, and fails.
template <typename T>
T& ControlOf(ById<std::unique_ptr<T>>& controls, ControlId id, const char* kind) {
    for (auto& [entryId, control] : controls)
        if (entryId == id) return *control;
    throw Failure({"The form has no such ", kind, "."});
}

}  // namespace brenvik::forms
