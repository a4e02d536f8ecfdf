#pragma once
// The message for a failure that no step of the program foresaw, so that it ends like any other failure:
// with one line in the user's language instead of the end of the process.

#include <string>

namespace quorvel {

// The message for the exception being handled: call only inside a catch block. Running out of memory
// says so as a load does; anything else is named with the exception's own text, on one line.
std::string UnexpectedErrorMessage();

} // namespace quorvel
