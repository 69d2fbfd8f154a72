#pragma once

#include <string>

#include "common/DateTime.h"
#include "memory/Database.h"

namespace tesmarik {

// The program's database in a data folder (the user's own: ~/.local/share, on Windows
// %LOCALAPPDATA%).
inline std::string MemoryFilePath(const std::string& dataFolder) {
    // In the folder's own separators, so that a Windows path reads as one in a message.
    const bool backslashes =
        dataFolder.find('\\') != std::string::npos && dataFolder.find('/') == std::string::npos;
    const std::string separator = backslashes ? "\\" : "/";
    return dataFolder + separator + "tesmarik" + separator + "tesmarik.db";
}

// The database, ready for use, and what the user must be told about its opening: when the
// file there could not be read, the message that names it and the name it was moved to.
struct OpenedMemory {
    Database db;
    std::string notice;
};

// Opens the database of a data folder, making the folder (for the user alone) and the file
// on first use and bringing its schema forward. A file that cannot be read (damaged, not
// the program's, made by a newer version of the program) is moved aside under a name with
// the time "now", and a new one is started. Throws when even that fails.
OpenedMemory OpenMemory(const std::string& dataFolder, const DateTime& now);

// The same with the database file named directly.
OpenedMemory OpenMemoryFile(const std::string& path, const DateTime& now);

}  // namespace tesmarik
