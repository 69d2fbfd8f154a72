#include "common/Text.h"

#include <algorithm>

namespace tesmarik {

namespace {

bool StartsChar(char c) {
    return !IsContinuationByte(static_cast<unsigned char>(c));
}

// Bytes of the sequence that a lead byte starts.
std::size_t SequenceLength(unsigned char lead) {
    return lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
}

}  // namespace

std::size_t CharCount(const std::string& utf8) {
    std::size_t count = 0;
    for (const char c : utf8) {
        if (StartsChar(c)) {
            ++count;
        }
    }
    return count;
}

std::string FirstChars(const std::string& utf8, std::size_t count) {
    return CharSlice(utf8, 0, count);
}

std::vector<char32_t> CodePoints(const std::string& utf8) {
    std::vector<char32_t> out;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        const std::size_t length = SequenceLength(lead);
        char32_t cp = length == 1 ? lead : lead & (0x3F >> (length - 1));
        for (std::size_t k = 1; k < length && i + k < utf8.size(); ++k) {
            cp = (cp << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
        }
        out.push_back(cp);
        i += length;
    }
    return out;
}

bool IsWellFormedUtf8(const std::string& utf8) {
    // Written again from its code points, a well-formed text is the same bytes.
    std::string again;
    for (const char32_t cp : CodePoints(utf8)) {
        if (cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
            return false;
        }
        AppendCodePoint(again, cp);
    }
    return again == utf8;
}

void AppendCodePoint(std::string& utf8, char32_t cp) {
    if (cp < 0x80) {
        utf8 += static_cast<char>(cp);
    } else if (cp < 0x800) {
        utf8 += static_cast<char>(0xC0 | (cp >> 6));
        utf8 += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        utf8 += static_cast<char>(0xE0 | (cp >> 12));
        utf8 += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        utf8 += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        utf8 += static_cast<char>(0xF0 | (cp >> 18));
        utf8 += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        utf8 += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        utf8 += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

void RemoveLastChar(std::string& utf8) {
    while (!utf8.empty()) {
        const char last = utf8.back();
        utf8.pop_back();
        if (StartsChar(last)) {
            return;
        }
    }
}

std::string CharSlice(const std::string& utf8, std::size_t start, std::size_t count) {
    // No text has more characters than bytes: this keeps start + count from overflowing.
    count = std::min(count, utf8.size());
    std::size_t begin = std::string::npos;
    std::size_t end = utf8.size();
    std::size_t chars = 0;
    for (std::size_t i = 0; i <= utf8.size(); ++i) {
        if (i < utf8.size() && !StartsChar(utf8[i])) {
            continue;
        }
        // Character number chars starts at byte i (or the text ends there).
        if (chars == start) {
            begin = i;
        }
        if (chars == start + count) {
            end = i;
            break;
        }
        ++chars;
    }
    return begin == std::string::npos ? std::string() : utf8.substr(begin, end - begin);
}

}  // namespace tesmarik
