// The C++ runtime reports a misuse of a string or a container (a length past its
// limit, a position past its end) through these functions. Its own versions throw
// the standard errors, whose reference-counted strings bring a second string
// implementation into the program file (about 80 KB on i686). These throw Brenvik's
// Failure instead: an error that escapes ends the program either way, and nothing
// in it tells one error from another.
#include <new>

#include "platform/failure.h"

namespace std {

void __throw_bad_alloc() { throw std::bad_alloc(); }
void __throw_bad_array_new_length() { throw std::bad_array_new_length(); }
void __throw_length_error(const char* message) { throw brenvik::Failure({message}); }
void __throw_logic_error(const char* message) { throw brenvik::Failure({message}); }
// The message is a format whose arguments are left out.
void __throw_out_of_range_fmt(const char* format, ...) { throw brenvik::Failure({format}); }

}  // namespace std
