#include "qt/platform/AnswerHeaders.h"

#include <algorithm>

namespace tesmarik {

namespace {

std::string_view Trimmed(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && blank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && blank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

std::string Lower(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(), [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    });
    return lower;
}

}  // namespace

bool AnswerHeaders::Take(std::string_view line) {
    bytes_ += static_cast<std::int64_t>(line.size());
    if (bytes_ > maxBytes_) {
        return false;
    }
    if (line.substr(0, 5) == "HTTP/") {
        lengths_.clear();
        inHeaders_ = true;
        return true;
    }
    if (Trimmed(line).empty()) {
        inHeaders_ = false;
        return true;
    }
    if (!inHeaders_) {
        return true;  // a trailer
    }
    const auto colon = line.find(':');
    if (colon == std::string_view::npos) {
        return true;
    }
    const std::string name = Lower(Trimmed(line.substr(0, colon)));
    const std::string value = Lower(Trimmed(line.substr(colon + 1)));
    if (name == "content-length") {
        // Repeated, or given as a list: every value the same, or no length can be
        // trusted.
        std::string_view rest = value;
        while (true) {
            const auto comma = rest.find(',');
            lengths_.insert(std::string(Trimmed(rest.substr(0, comma))));
            if (comma == std::string_view::npos) {
                break;
            }
            rest.remove_prefix(comma + 1);
        }
        if (lengths_.size() > 1) {
            return false;
        }
    } else if (name == "content-encoding" && !value.empty() && value != "identity") {
        return false;  // a packed body is not the price list as it is
    } else if (name == "transfer-encoding" && value != "chunked" && value != "identity") {
        return false;
    }
    return true;
}

}  // namespace tesmarik
