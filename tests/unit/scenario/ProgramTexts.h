#pragma once

#include <string>

namespace tesmarik {

// What the program may say through its platform. Anything else (a library's exception
// text in the error box, a message no handler means to show) is a fault.
enum class Said { Message, Dialog, Error };

// The name of the program's own text that `text` is, or the empty text when it is none.
std::string KnownText(Said how, const std::string& text);

}  // namespace tesmarik
