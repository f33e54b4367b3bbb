// A prepared SQLite statement that finalizes itself, with the few binding
// and reading calls the database uses. Texts are bound as blobs: the
// database keeps the program's GBK bytes as they are.
#pragma once

#include <cstdint>
#include <sqlite3.h>
#include <string>
#include <string_view>

class SqliteStatement {
public:
    SqliteStatement(sqlite3* db, std::string_view sql);
    ~SqliteStatement();
    SqliteStatement(const SqliteStatement&) = delete;
    SqliteStatement& operator=(const SqliteStatement&) = delete;

    bool ok() const { return statement != nullptr; }
    // Parameters are numbered from 1.
    void bind(int at, std::int64_t value);
    void bind(int at, std::string_view bytes);
    void bindNull(int at);
    // True while a row is there; false at the end or on a failure (failed()).
    bool step();
    bool failed() const { return lastCode != SQLITE_ROW && lastCode != SQLITE_DONE; }
    // Runs a statement that returns no rows; then makes it ready again.
    bool run();
    void reset();

    std::int64_t integer(int column) const;
    std::string bytes(int column) const;
    bool isNull(int column) const;

private:
    sqlite3_stmt* statement = nullptr;
    int lastCode = SQLITE_OK;
};

// Runs SQL that returns nothing; false when it fails.
bool runSql(sqlite3* db, const char* sql);
