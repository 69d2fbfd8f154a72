#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

struct sqlite3;
struct sqlite3_stmt;

namespace tesmarik {

// How long a connection waits for another process's write to end before it gives up.
inline constexpr int kBusyTimeoutMs = 10000;

// One connection to a database file, through SQLite's C API. Every failure throws an Error
// with the text the user reads; nothing of SQLite reaches the rules' callers.
class Database {
public:
    // Opens, or makes, the file at a UTF-8 path.
    static Database Open(const std::string& path);

    Database(Database&& other) noexcept;
    Database& operator=(Database&& other) noexcept;
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;
    ~Database();

    void Exec(std::string_view sql);
    std::int64_t LastInsertId() const;
    const std::string& Path() const { return path_; }
    sqlite3* Handle() const { return db_; }

    // Turns a result code that is no success into the Error the user reads.
    [[noreturn]] void Fail(int code) const;

private:
    Database(sqlite3* db, std::string path) : db_(db), path_(std::move(path)) {}
    sqlite3* db_ = nullptr;
    std::string path_;
};

// A prepared statement, its parameters bound from 1.
class Statement {
public:
    Statement(Database& db, std::string_view sql);
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;
    ~Statement();

    Statement& Bind(int index, std::int64_t value);
    Statement& Bind(int index, std::string_view text);
    Statement& BindBlob(int index, std::string_view bytes);
    Statement& BindNull(int index);

    // The next row: true while there is one.
    bool Step();
    // Runs a statement that returns no row.
    void Run();
    // Ready to run again with new parameters.
    void Reset();

    std::int64_t Int(int column) const;
    std::string Text(int column) const;
    std::string Blob(int column) const;
    bool IsNull(int column) const;

private:
    Database& db_;
    sqlite3_stmt* stmt_ = nullptr;
};

// A write transaction: taken at once (BEGIN IMMEDIATE), so that two processes never both
// read and then both try to write; rolled back unless committed.
class Transaction {
public:
    explicit Transaction(Database& db);
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    ~Transaction();
    void Commit();

private:
    Database& db_;
    bool open_ = true;
};

// One snapshot for several reads: what they read belongs together even while another copy
// of the program writes, and the file is locked once rather than for each read. Inside a
// transaction already, it adds nothing.
class ReadTransaction {
public:
    explicit ReadTransaction(Database& db);
    ReadTransaction(const ReadTransaction&) = delete;
    ReadTransaction& operator=(const ReadTransaction&) = delete;
    ~ReadTransaction();

private:
    Database& db_;
    bool began_ = false;
};

// The one integer a query such as "PRAGMA user_version" returns.
std::int64_t QueryInt(Database& db, std::string_view sql);

}  // namespace tesmarik
