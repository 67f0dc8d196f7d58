// Why a file could not be made or written, in the words the user reads.
#pragma once

#include <string>

namespace vantolex {

// The Japanese reason for the system error number `errorNumber` met while making, writing or putting in place
// a file (an output file, the settings file).
std::u16string writeFailureReason(int errorNumber);

} // namespace vantolex
