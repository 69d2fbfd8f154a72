#include "common/TempFolder.h"

#include <random>
#include <string>
#include <system_error>

namespace tesmarik {

std::optional<std::filesystem::path> MakeTempFolder(std::string_view prefix) {
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::path base = fs::temp_directory_path(error);
    if (error) {
        return std::nullopt;
    }
    static constexpr std::string_view kLetters =
        "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    std::random_device seed;
    std::mt19937_64 random(seed());
    std::uniform_int_distribution<std::size_t> pick(0, kLetters.size() - 1);
    // create_directory fails on a name that exists, so a folder someone else made first
    // is never taken over: another name is tried.
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string name(prefix);
        name += '-';
        for (int i = 0; i < 6; ++i) {
            name += kLetters[pick(random)];
        }
        const fs::path folder = base / name;
        if (fs::create_directory(folder, error)) {
            fs::permissions(folder, fs::perms::owner_all, fs::perm_options::replace, error);
            return folder;
        }
        if (error && error != std::errc::file_exists) {
            return std::nullopt;
        }
    }
    return std::nullopt;
}

}  // namespace tesmarik
