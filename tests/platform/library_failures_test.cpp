// What a misused string or container throws in a program linked as Brenvik.exe is:
// the runtime's throw helpers replaced by platform/win32/library_failures.cpp. A plain
// program, not a GoogleTest one: GoogleTest's streams bring in the runtime's own
// helpers (the one object that holds them all, for std::bad_cast too), which the
// replacements then collide with at link time.
#include <cstdio>
#include <cstring>
#include <memory>
#include <new>
#include <string>
#include <vector>

#include "platform/failure.h"

namespace {

// Sizes the compiler can't see through, so that it leaves the calls to the runtime.
volatile std::size_t beyond = 1;
const char* volatile none = nullptr;

enum class Thrown { Failure, BadAlloc, BadArrayNewLength };

struct Case {
    const char* what;
    void (*misuse)();
    Thrown expected;
    const char* message;  // a part of Failure's message; the runtime's own words
};

constexpr Case kCases[] = {
    {"std::string::reserve past max_size()",
     [] {
         std::string text;
         text.reserve(text.max_size() + beyond);
     },
     Thrown::Failure, "basic_string::_M_create"},
    {"std::string::append past max_size()",
     [] {
         std::string text = "x";
         text.append(text.c_str(), text.max_size() + beyond - 1);
     },
     Thrown::Failure, "basic_string::append"},
    {"std::u16string::reserve past max_size()",
     [] {
         std::u16string text;
         text.reserve(text.max_size() + beyond);
     },
     Thrown::Failure, "basic_string::_M_create"},
    {"std::string::at past the end",
     [] {
         const std::string text = "abc";
         (void)text.at(text.size() + beyond);
     },
     Thrown::Failure, "basic_string::at: __n (which is %zu)"},
    // The format's arguments are left out, the function's name among them.
    {"std::string::substr past the end",
     [] {
         const std::string text = "abc";
         (void)text.substr(text.size() + beyond);
     },
     Thrown::Failure, "%s: __pos (which is %zu) > this->size() (which is %zu)"},
    {"std::u16string::at past the end",
     [] {
         const std::u16string text = u"abc";
         (void)text.at(text.size() + beyond);
     },
     Thrown::Failure, "basic_string::at"},
    {"std::vector::at past the end",
     [] {
         const std::vector<int> numbers(3);
         (void)numbers.at(numbers.size() + beyond);
     },
     Thrown::Failure, "vector::_M_range_check"},
    {"std::vector::reserve past max_size()",
     [] {
         std::vector<int> numbers;
         numbers.reserve(numbers.max_size() + beyond);
     },
     Thrown::Failure, "vector::reserve"},
    {"std::string from a null pointer and a length", [] { const std::string text(none, beyond); },
     Thrown::Failure, "basic_string: construction from null is not valid"},
    // The allocator's refusals stay the standard errors, which carry no string.
    {"std::allocator<char>::allocate past its limit",
     [] { (void)std::allocator<char>().allocate(static_cast<std::size_t>(-1) - beyond + 1); },
     Thrown::BadAlloc, ""},
    {"std::allocator<int>::allocate past the address space",
     [] { (void)std::allocator<int>().allocate(static_cast<std::size_t>(-1) / 2 + beyond); },
     Thrown::BadArrayNewLength, ""},
};

// What the misuse threw, as one line; empty when it is what the case expects.
std::string Mismatch(const Case& c) {
    try {
        c.misuse();
        return "nothing thrown";
    } catch (const brenvik::Failure& failure) {
        if (c.expected != Thrown::Failure)
            return std::string("brenvik::Failure: ") + failure.what();
        if (std::strstr(failure.what(), c.message) == nullptr)
            return std::string("brenvik::Failure without \"") + c.message + "\": " + failure.what();
    } catch (const std::bad_array_new_length&) {  // before bad_alloc, its base
        if (c.expected != Thrown::BadArrayNewLength) return "std::bad_array_new_length";
    } catch (const std::bad_alloc&) {
        if (c.expected != Thrown::BadAlloc) return "std::bad_alloc";
    } catch (const std::exception& other) {
        return std::string("another error: ") + other.what();
    }
    return "";
}

}  // namespace

int main() {
    int failed = 0;
    for (const Case& c : kCases) {
        const std::string mismatch = Mismatch(c);
        if (mismatch.empty()) {
            std::printf("ok      %s\n", c.what);
        } else {
            std::printf("FAILED  %s: %s\n", c.what, mismatch.c_str());
            ++failed;
        }
    }
    std::printf("%d of %zu cases failed\n", failed, std::size(kCases));
    return failed == 0 ? 0 : 1;
}
