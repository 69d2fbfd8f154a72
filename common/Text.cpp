#include "common/Text.h"

namespace tesmarik {

namespace {

bool IsContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

}  // namespace

std::size_t CharCount(const std::string& utf8) {
    std::size_t count = 0;
    for (const char c : utf8) {
        if (!IsContinuation(static_cast<unsigned char>(c))) {
            ++count;
        }
    }
    return count;
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
        const auto byte = static_cast<unsigned char>(utf8.back());
        utf8.pop_back();
        if (!IsContinuation(byte)) {
            return;
        }
    }
}

}  // namespace tesmarik
