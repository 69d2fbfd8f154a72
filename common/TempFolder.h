#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

namespace tesmarik {

// A new, empty folder under the system's temporary folder, named prefix-XXXXXX, that
// only the user may enter where the file system knows owners; nothing when none could be
// made. The same on every platform (Windows has no mkdtemp).
std::optional<std::filesystem::path> MakeTempFolder(std::string_view prefix);

}  // namespace tesmarik
