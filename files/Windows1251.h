#pragma once

#include <string>
#include <string_view>

// Windows-1251, the code page of the files the program reads and writes, through a fixed
// table of its 256 bytes rather than the system's converters: Qt built without ICU (ours
// on Windows) has no such code page at all, and a saved file must not depend on the
// platform it was written on.
namespace tesmarik {

// Every byte is a character: each becomes its UTF-8 text.
std::string Windows1251ToUtf8(std::string_view bytes);

// Each character of the UTF-8 text becomes its byte, as Qt's converter on Linux (ICU)
// writes it; see Utf8ToWindows1251 in Windows1251.cpp for characters the code page lacks.
std::string Utf8ToWindows1251(std::string_view utf8);

}  // namespace tesmarik
