#pragma once

#include <cstddef>
#include <string>

namespace tesmarik {

// Number of characters (not bytes) of a UTF-8 text; the reports pad by characters.
std::size_t CharCount(const std::string& utf8);

// Appends one character, given as a code point, to a UTF-8 text.
void AppendCodePoint(std::string& utf8, char32_t codePoint);

// Removes the last character (not byte) of a UTF-8 text; nothing when it is empty.
void RemoveLastChar(std::string& utf8);

// The characters (not bytes) from start on, at most count of them; empty past the end.
std::string CharSlice(const std::string& utf8, std::size_t start, std::size_t count);

}  // namespace tesmarik
