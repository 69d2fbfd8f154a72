#pragma once

#include <optional>
#include <string>
#include <vector>

#include "common/DateTime.h"

namespace tesmarik {

// The file system part of the platform, shared by the program and the scenario runner:
// Windows-1251 text on disk, UTF-8 in the program; reports replace a file only once
// they are completely written.
class QtFiles {
public:
    static bool Exists(const std::string& path);
    static std::optional<DateTime> LastWrite(const std::string& path);
    static bool SetLastWrite(const std::string& path, const DateTime& t);
    static std::vector<std::string> ReadLines(const std::string& path);
    static void WriteLines(const std::string& path, const std::vector<std::string>& lines);
    // Atomically replaces the file with the bytes; false when it cannot.
    static bool WriteBytes(const std::string& path, const std::string& bytes);
    static std::string ToWindows1251(const std::string& utf8);
    static std::string FromWindows1251(const std::string& bytes);
};

}  // namespace tesmarik
