#pragma once
// Owners of the handles the forms make: each frees its handle when it goes, on every
// path, and none is freed by hand.
#include <windows.h>

#include <memory>
#include <type_traits>

namespace brenvik::win32 {

template <auto free>
struct Freer {
    void operator()(auto handle) const { free(handle); }
};

// A handle of type H (HFONT, HICON, ...) that `free` frees.
template <typename H, auto free>
using Owned = std::unique_ptr<std::remove_pointer_t<H>, Freer<free>>;

using OwnedFont = Owned<HFONT, ::DeleteObject>;
using OwnedIcon = Owned<HICON, ::DestroyIcon>;
using OwnedDc = Owned<HDC, ::DeleteDC>;
using OwnedHandle = Owned<HANDLE, ::CloseHandle>;

}  // namespace brenvik::win32
