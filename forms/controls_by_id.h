#pragma once
// What a form keeps by its controls' identity: a dozen entries or so, found by a walk
// along them rather than through a map, which the program file would carry for it.
#include <algorithm>
#include <memory>
#include <utility>
#include <vector>

#include "forms/control_id.h"
#include "platform/failure.h"

namespace brenvik::forms {

template <typename T>
using ById = std::vector<std::pair<ControlId, T>>;

// The entry of `id`, or end().
template <typename Entries>
auto EntryOf(Entries& entries, ControlId id) {
    return std::find_if(entries.begin(), entries.end(),
                        [id](const auto& entry) { return entry.first == id; });
}

// The control of `id`; asking for one the form doesn't hold as `kind` is a programming
// error, and fails.
template <typename T>
T& ControlOf(ById<std::unique_ptr<T>>& controls, ControlId id, const char* kind) {
    const auto it = EntryOf(controls, id);
    if (it == controls.end()) throw Failure({"The form has no such ", kind, "."});
    return *it->second;
}

}  // namespace brenvik::forms
