#pragma once

#include <optional>
#include <string>

namespace tesmarik {

// A full disk in the user's words, whichever way the system says it: no room left, the
// user's quota used up, or a file beyond what may be written. Nothing for other errors.
// Shared by every save, so that each says a full disk alike.
std::optional<std::string> FullDiskReason(int errorNumber);

// Why a file or folder could not be written, in the user's words for the reasons a user
// can act on (a full disk, no permission, a read-only disk), else the C runtime's text.
std::string ReasonInWords(int errorNumber);

}  // namespace tesmarik
