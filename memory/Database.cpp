#include "memory/Database.h"

#include <sqlite3.h>
#ifndef _WIN32
#include <sys/resource.h>
#endif

#include <utility>

#include "common/Error.h"

namespace tesmarik {

namespace {

// What the user reads for a result code: the file's name, what went wrong, and for a write
// that it did not happen (the transaction it was in is rolled back).
std::string FailureText(int code, const std::string& path) {
    const std::string file = "базы данных " + path;
    switch (code & 0xff) {
        case SQLITE_FULL:
            return "Не удалось записать в файл " + file +
                   ": диск заполнен или файл достиг предельного размера. Изменение не сохранено";
        case SQLITE_BUSY:
        case SQLITE_LOCKED:
            return "Файл " + file +
                   " слишком долго занят другой копией программы. Изменение не сохранено";
        case SQLITE_CORRUPT:
        case SQLITE_NOTADB:
            return "Файл " + file + " повреждён";
        case SQLITE_CANTOPEN:
            return "Не удалось открыть файл " + file;
        case SQLITE_READONLY:
        case SQLITE_PERM:
            return "Нет права записи в файл " + file + ". Изменение не сохранено";
        case SQLITE_IOERR:
            return "Ошибка чтения или записи файла " + file + ". Изменение не сохранено";
        case SQLITE_NOMEM:
            return "Недостаточно памяти для работы с файлом " + file;
        default:
            return "Ошибка работы с файлом " + file + ": " + sqlite3_errstr(code);
    }
}

}  // namespace

Database Database::Open(const std::string& path) {
    sqlite3* db = nullptr;
    const int code = sqlite3_open_v2(
        path.c_str(), &db,
        SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX | SQLITE_OPEN_EXRESCODE,
        nullptr);
    Database opened(db, path);  // closes even a handle that failed to open
    if (code != SQLITE_OK) {
        opened.Fail(code);
    }
    sqlite3_busy_timeout(db, kBusyTimeoutMs);
    sqlite3_extended_result_codes(db, 1);
    return opened;
}

Database::Database(Database&& other) noexcept
    : db_(std::exchange(other.db_, nullptr)), path_(std::move(other.path_)) {}

Database& Database::operator=(Database&& other) noexcept {
    if (this != &other) {
        sqlite3_close_v2(db_);
        db_ = std::exchange(other.db_, nullptr);
        path_ = std::move(other.path_);
    }
    return *this;
}

Database::~Database() {
    sqlite3_close_v2(db_);
}

void Database::Exec(std::string_view sql) {
    const std::string text(sql);
    const int code = sqlite3_exec(db_, text.c_str(), nullptr, nullptr, nullptr);
    if (code != SQLITE_OK) {
        Fail(code);
    }
}

std::int64_t Database::LastInsertId() const {
    return sqlite3_last_insert_rowid(db_);
}

void Database::Fail(int code) const {
#ifndef _WIN32
    // SQLite says SQLITE_FULL for a full disk, but a write refused by the process's
    // file-size limit (EFBIG) is a plain write error by then, its errno gone: with such a
    // limit set, that is what stopped the write. Windows has no such limit.
    rlimit limit{};
    if (code == SQLITE_IOERR_WRITE && getrlimit(RLIMIT_FSIZE, &limit) == 0 &&
        limit.rlim_cur != RLIM_INFINITY) {
        code = SQLITE_FULL;
    }
#endif
    throw Error(FailureText(code, path_));
}

Statement::Statement(Database& db, std::string_view sql) : db_(db) {
    const int code =
        sqlite3_prepare_v2(db.Handle(), sql.data(), static_cast<int>(sql.size()), &stmt_, nullptr);
    if (code != SQLITE_OK) {
        db_.Fail(code);
    }
}

Statement::~Statement() {
    sqlite3_finalize(stmt_);
}

Statement& Statement::Bind(int index, std::int64_t value) {
    const int code = sqlite3_bind_int64(stmt_, index, value);
    if (code != SQLITE_OK) {
        db_.Fail(code);
    }
    return *this;
}

Statement& Statement::Bind(int index, std::string_view text) {
    const int code =
        sqlite3_bind_text64(stmt_, index, text.data(), text.size(), SQLITE_TRANSIENT, SQLITE_UTF8);
    if (code != SQLITE_OK) {
        db_.Fail(code);
    }
    return *this;
}

Statement& Statement::BindBlob(int index, std::string_view bytes) {
    const int code =
        sqlite3_bind_blob64(stmt_, index, bytes.data(), bytes.size(), SQLITE_TRANSIENT);
    if (code != SQLITE_OK) {
        db_.Fail(code);
    }
    return *this;
}

Statement& Statement::BindNull(int index) {
    const int code = sqlite3_bind_null(stmt_, index);
    if (code != SQLITE_OK) {
        db_.Fail(code);
    }
    return *this;
}

bool Statement::Step() {
    const int code = sqlite3_step(stmt_);
    if (code == SQLITE_ROW) {
        return true;
    }
    if (code == SQLITE_DONE) {
        return false;
    }
    sqlite3_reset(stmt_);
    db_.Fail(code);
}

void Statement::Run() {
    while (Step()) {
    }
}

void Statement::Reset() {
    sqlite3_reset(stmt_);
    sqlite3_clear_bindings(stmt_);
}

std::int64_t Statement::Int(int column) const {
    return sqlite3_column_int64(stmt_, column);
}

std::string Statement::Text(int column) const {
    const auto* text = sqlite3_column_text(stmt_, column);
    const int size = sqlite3_column_bytes(stmt_, column);
    return text ? std::string(reinterpret_cast<const char*>(text), static_cast<std::size_t>(size))
                : std::string();
}

std::string Statement::Blob(int column) const {
    const void* bytes = sqlite3_column_blob(stmt_, column);
    const int size = sqlite3_column_bytes(stmt_, column);
    return bytes ? std::string(static_cast<const char*>(bytes), static_cast<std::size_t>(size))
                 : std::string();
}

bool Statement::IsNull(int column) const {
    return sqlite3_column_type(stmt_, column) == SQLITE_NULL;
}

Transaction::Transaction(Database& db) : db_(db) {
    db_.Exec("BEGIN IMMEDIATE");
}

Transaction::~Transaction() {
    if (open_) {
        // The failure that brought us here is the one the user reads; a failed rollback
        // leaves SQLite to roll back when the connection closes.
        sqlite3_exec(db_.Handle(), "ROLLBACK", nullptr, nullptr, nullptr);
    }
}

void Transaction::Commit() {
    db_.Exec("COMMIT");
    open_ = false;
}

ReadTransaction::ReadTransaction(Database& db) : db_(db) {
    if (sqlite3_get_autocommit(db.Handle())) {
        db_.Exec("BEGIN");
        began_ = true;
    }
}

ReadTransaction::~ReadTransaction() {
    if (began_) {
        // Nothing was written: ending it cannot lose anything.
        sqlite3_exec(db_.Handle(), "COMMIT", nullptr, nullptr, nullptr);
    }
}

std::int64_t QueryInt(Database& db, std::string_view sql) {
    Statement query(db, sql);
    return query.Step() ? query.Int(0) : 0;
}

}  // namespace tesmarik
