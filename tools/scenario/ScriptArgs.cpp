#include "tools/scenario/ScriptArgs.h"

#include <charconv>
#include <cstdio>

namespace tesmarik {

std::vector<std::string> Split(const std::string& args, std::size_t count, bool restRunsToEnd) {
    std::vector<std::string> out;
    std::size_t start = 0;
    while (out.size() + 1 < count || (!restRunsToEnd && out.size() < count)) {
        if (start > args.size()) {
            break;
        }
        const std::size_t blank = args.find(' ', start);
        if (blank == std::string::npos) {
            out.push_back(args.substr(start));
            start = args.size() + 1;
            break;
        }
        out.push_back(args.substr(start, blank - start));
        start = blank + 1;
    }
    if (restRunsToEnd && out.size() + 1 == count) {
        out.push_back(start <= args.size() ? args.substr(start) : std::string());
    }
    if (out.size() != count || (!restRunsToEnd && start <= args.size())) {
        throw ScriptError("wrong number of arguments");
    }
    for (std::size_t i = 0; i + (restRunsToEnd ? 1 : 0) < out.size(); ++i) {
        if (out[i].empty()) {
            throw ScriptError("empty argument");
        }
    }
    return out;
}

int Integer(const std::string& text) {
    int value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec != std::errc() || result.ptr != text.data() + text.size()) {
        throw ScriptError("'" + text + "' is not a whole number");
    }
    return value;
}

std::string Unescape(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size()) {
            const char next = text[i + 1];
            const char* plain = next == 'r'    ? "\r"
                                : next == 'n'  ? "\n"
                                : next == 't'  ? "\t"
                                : next == '\\' ? "\\"
                                               : nullptr;
            if (plain != nullptr) {
                out += plain;
                ++i;
                continue;
            }
        }
        out += text[i];
    }
    return out;
}

DateTime ParseDateTime(const std::string& date, const std::string& time) {
    DateTime t;
    char tail = 0;
    if (std::sscanf(date.c_str(), "%4d-%2d-%2d%c", &t.year, &t.month, &t.day, &tail) != 3 ||
        std::sscanf(time.c_str(), "%2d:%2d:%2d%c", &t.hour, &t.minute, &t.second, &tail) != 3 ||
        t.month < 1 || t.month > 12 || t.day < 1 || t.day > 31 || t.hour > 23 || t.minute > 59 ||
        t.second > 59 || t.hour < 0 || t.minute < 0 || t.second < 0) {
        throw ScriptError("'" + date + " " + time + "' is not a date and time YYYY-MM-DD HH:MM:SS");
    }
    return t;
}

}  // namespace tesmarik
