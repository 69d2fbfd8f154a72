#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// Characters of UTF-8 texts: the one place that knows how they are laid out in bytes.
namespace tesmarik {

// Whether a byte of UTF-8 continues a character rather than starting one.
constexpr bool IsContinuationByte(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// How many bytes of a UTF-8 text to keep, at most maxBytes, without cutting a character
// in two. Inline: the download module uses it without linking this library.
inline std::size_t CutBetweenChars(std::string_view utf8, std::size_t maxBytes) {
    std::size_t size = maxBytes < utf8.size() ? maxBytes : utf8.size();
    while (size > 0 && size < utf8.size() &&
           IsContinuationByte(static_cast<unsigned char>(utf8[size]))) {
        --size;
    }
    return size;
}

// Number of characters (not bytes) of a UTF-8 text; the reports pad by characters.
std::size_t CharCount(const std::string& utf8);

// The first `count` characters (not bytes) of a UTF-8 text.
std::string FirstChars(const std::string& utf8, std::size_t count);

// The characters of a UTF-8 text as code points. A sequence cut short by the end of the
// text gives what its bytes hold; a stray continuation byte starts a two-byte sequence.
std::vector<char32_t> CodePoints(const std::string& utf8);

// Whether the bytes are well-formed UTF-8: no stray, cut-short or overlong sequence and no
// code point a character cannot have.
bool IsWellFormedUtf8(const std::string& utf8);

// Appends one character, given as a code point, to a UTF-8 text.
void AppendCodePoint(std::string& utf8, char32_t codePoint);

// Removes the last character (not byte) of a UTF-8 text; nothing when it is empty.
void RemoveLastChar(std::string& utf8);

// The characters (not bytes) from start on, at most count of them; empty past the end.
std::string CharSlice(const std::string& utf8, std::size_t start, std::size_t count);

}  // namespace tesmarik
