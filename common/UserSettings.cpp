#include "common/UserSettings.h"

namespace tesmarik {

namespace {

std::string OneLine(std::string text) {
    for (char& c : text) {
        if (c == '\n' || c == '\r') {
            c = ' ';
        }
    }
    return text;
}

}  // namespace

std::string UserSettingsText(const UserSettings& settings) {
    std::string text = std::string(kUserSettingsSignature) + "\n";
    for (const auto& [name, value] : settings) {
        text += OneLine(name) + "=" + OneLine(value) + "\n";
    }
    return text;
}

UserSettings ReadUserSettings(const std::string& text) {
    UserSettings settings;
    std::size_t start = 0;
    bool first = true;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) {
            end = text.size();
        }
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        start = end + 1;
        if (first) {
            if (line != kUserSettingsSignature) {
                return {};
            }
            first = false;
            continue;
        }
        if (const auto equals = line.find('='); equals != std::string::npos) {
            settings[line.substr(0, equals)] = line.substr(equals + 1);
        }
    }
    return settings;
}

}  // namespace tesmarik
