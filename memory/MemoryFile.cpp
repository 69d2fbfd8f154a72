#include "memory/MemoryFile.h"

#include <sqlite3.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>
#include <system_error>

#include "common/Error.h"
#include "memory/Schema.h"

namespace tesmarik {

namespace fs = std::filesystem;

namespace {

fs::path PathOf(const std::string& utf8) {
    return fs::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string Utf8(const fs::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

struct Closer {
    void operator()(sqlite3* db) const { sqlite3_close_v2(db); }
};

// The one integer a query gives, or the result code that stopped it.
struct Probe {
    int code = SQLITE_OK;
    std::int64_t value = 0;
    std::string text;
};

Probe Ask(sqlite3* db, const char* sql) {
    sqlite3_stmt* stmt = nullptr;
    Probe probe;
    probe.code = sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr);
    if (probe.code == SQLITE_OK) {
        probe.code = sqlite3_step(stmt);
        if (probe.code == SQLITE_ROW) {
            probe.value = sqlite3_column_int64(stmt, 0);
            const auto* text = sqlite3_column_text(stmt, 0);
            probe.text = text ? reinterpret_cast<const char*>(text) : "";
            probe.code = SQLITE_OK;
        } else if (probe.code == SQLITE_DONE) {
            probe.code = SQLITE_OK;
        }
    }
    sqlite3_finalize(stmt);
    return probe;
}

bool Unreadable(int code) {
    return (code & 0xff) == SQLITE_CORRUPT || (code & 0xff) == SQLITE_NOTADB;
}

// Why the file there cannot be the program's database, in words that follow "не читается";
// none for a good one, a new empty one, or one that could not be looked at for another
// reason (locked, no access: opening it then says what is wrong).
std::optional<std::string> WhyUnreadable(const std::string& path) {
    std::error_code error;
    if (!fs::exists(PathOf(path), error)) {
        return std::nullopt;
    }
    sqlite3* raw = nullptr;
    const int opened = sqlite3_open_v2(path.c_str(), &raw, SQLITE_OPEN_READWRITE, nullptr);
    const std::unique_ptr<sqlite3, Closer> db(raw);
    if (opened != SQLITE_OK) {
        return std::nullopt;
    }
    sqlite3_busy_timeout(raw, kBusyTimeoutMs);
    const Probe mark = Ask(raw, "PRAGMA application_id");
    if (Unreadable(mark.code)) {
        return "повреждён или это не база данных программы";
    }
    const Probe version = Ask(raw, "PRAGMA user_version");
    const Probe tables = Ask(raw, "SELECT count(*) FROM sqlite_schema");
    if (mark.code != SQLITE_OK || version.code != SQLITE_OK || tables.code != SQLITE_OK) {
        return Unreadable(version.code) || Unreadable(tables.code)
                   ? std::optional<std::string>("повреждён")
                   : std::nullopt;
    }
    if (mark.value != kMemoryApplicationId && (mark.value != 0 || tables.value != 0)) {
        return "это не база данных программы";
    }
    if (version.value > kMemorySchemaVersion) {
        return "создан более новой версией программы";
    }
    const Probe check = Ask(raw, "PRAGMA quick_check");
    if (Unreadable(check.code) || (check.code == SQLITE_OK && check.text != "ok")) {
        return "повреждён";
    }
    return std::nullopt;
}

// Write-ahead logging, so that readers never wait for a writer. Switching needs the file to
// itself for a moment, and SQLite answers a copy of the program that holds it then with
// "busy" at once, not through the busy timeout: asked again until the timeout has passed.
void SwitchToWal(Database& db) {
    constexpr int kPauseMs = 20;
    int code = SQLITE_BUSY;
    for (int waited = 0; code == SQLITE_BUSY && waited <= kBusyTimeoutMs; waited += kPauseMs) {
        code = sqlite3_exec(db.Handle(), "PRAGMA journal_mode = WAL", nullptr, nullptr, nullptr);
        if (code == SQLITE_BUSY) {
            sqlite3_sleep(kPauseMs);
        }
    }
    if (code != SQLITE_OK) {
        db.Fail(code);
    }
}

std::string Stamp(const DateTime& t) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d%02d%02d-%02d%02d%02d", t.year, t.month, t.day, t.hour,
                  t.minute, t.second);
    return text;
}

// Moves the file (with its write-ahead log, which belongs to it) to a free name beside it,
// and returns that name.
std::string MoveAside(const std::string& path, const std::string& why, const DateTime& now) {
    const fs::path from = PathOf(path);
    fs::path to;
    std::error_code error;
    for (int n = 1;; ++n) {
        to = PathOf(path + ".нечитаемый-" + Stamp(now) + (n > 1 ? "-" + std::to_string(n) : ""));
        if (!fs::exists(to, error)) {
            break;
        }
    }
    fs::rename(from, to, error);
    if (error) {
        throw Error("Файл базы данных " + path + " не читается (" + why +
                    "), и его не удалось переименовать");
    }
    fs::path wal = from;
    wal += "-wal";
    fs::path movedWal = to;
    movedWal += "-wal";
    fs::path shm = from;
    shm += "-shm";
    fs::rename(wal, movedWal, error);
    fs::remove(shm, error);
    return Utf8(to);
}

}  // namespace

OpenedMemory OpenMemoryFile(const std::string& path, const DateTime& now) {
    const fs::path folder = PathOf(path).parent_path();
    std::error_code error;
    if (!folder.empty() && !fs::exists(folder, error)) {
        fs::create_directories(folder, error);
        if (error) {
            throw Error("Не удалось создать папку " + Utf8(folder) + " для базы данных");
        }
        fs::permissions(folder, fs::perms::owner_all, error);
    }
    std::string notice;
    if (const auto why = WhyUnreadable(path)) {
        const std::string moved = MoveAside(path, *why, now);
        notice = "Файл базы данных " + path + " не читается (" + *why + "). Он сохранён как " +
                 moved + ", начата новая база данных";
    }
    OpenedMemory opened{Database::Open(path), notice};
    // For the user alone: the -wal and -shm files SQLite makes take the same permissions.
    fs::permissions(PathOf(path), fs::perms::owner_read | fs::perms::owner_write, error);
    SwitchToWal(opened.db);
    opened.db.Exec("PRAGMA foreign_keys = ON");
    // Room for a year of lists in memory (32 MiB, taken only as pages are read): comparing
    // two versions then reads each page from the file once.
    opened.db.Exec("PRAGMA cache_size = -32768");
    MigrateMemory(opened.db);
    return opened;
}

OpenedMemory OpenMemory(const std::string& dataFolder, const DateTime& now) {
    return OpenMemoryFile(MemoryFilePath(dataFolder), now);
}

}  // namespace tesmarik
