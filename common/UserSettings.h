#pragma once

#include <cstddef>
#include <map>
#include <string>

namespace tesmarik {

// The user's own settings, remembered between runs of the program: named texts, kept in
// a small UTF-8 file of "name=value" lines under a line that names it. A line feed or a
// carriage return in a value is kept as a blank: every value is one line of a field.
using UserSettings = std::map<std::string, std::string>;

inline constexpr const char* kUserSettingsSignature = "Тесмарик: настройки пользователя";
// The settings file is small; what lies beyond this is not read.
inline constexpr std::size_t kUserSettingsMaxBytes = 64 * 1024;

// The settings file in a configuration folder (the user's own, such as ~/.config).
inline std::string SettingsFilePath(const std::string& configFolder) {
    return configFolder + "/tesmarik/settings.txt";
}

std::string UserSettingsText(const UserSettings& settings);

// The settings a file's text holds; a text that is no settings file (or none at all)
// holds none, and a line without "=" is passed over.
UserSettings ReadUserSettings(const std::string& text);

}  // namespace tesmarik
