#include "database/sqlite_statement.h"

SqliteStatement::SqliteStatement(sqlite3* db, std::string_view sql) {
    if (sqlite3_prepare_v2(db, sql.data(), static_cast<int>(sql.size()), &statement, nullptr) != SQLITE_OK) {
        sqlite3_finalize(statement);
        statement = nullptr;
        lastCode = SQLITE_ERROR;
    }
}

SqliteStatement::~SqliteStatement() { sqlite3_finalize(statement); }

void SqliteStatement::bind(int at, std::int64_t value) { sqlite3_bind_int64(statement, at, value); }

void SqliteStatement::bind(int at, std::string_view bytes) {
    // An empty blob, not NULL, so that comparisons with = hold.
    sqlite3_bind_blob(statement, at, bytes.empty() ? "" : bytes.data(), static_cast<int>(bytes.size()),
                      SQLITE_TRANSIENT);
}

void SqliteStatement::bindNull(int at) { sqlite3_bind_null(statement, at); }

bool SqliteStatement::step() {
    if (!statement) return false;
    lastCode = sqlite3_step(statement);
    return lastCode == SQLITE_ROW;
}

bool SqliteStatement::run() {
    if (!statement) return false;
    while (step()) {
    }
    const bool done = lastCode == SQLITE_DONE;
    reset();
    return done;
}

void SqliteStatement::reset() {
    if (!statement) return;
    sqlite3_reset(statement);
    sqlite3_clear_bindings(statement);
}

std::int64_t SqliteStatement::integer(int column) const { return sqlite3_column_int64(statement, column); }

std::string SqliteStatement::bytes(int column) const {
    const void* data = sqlite3_column_blob(statement, column);
    const int n = sqlite3_column_bytes(statement, column);
    return data ? std::string(static_cast<const char*>(data), static_cast<std::size_t>(n)) : std::string();
}

bool SqliteStatement::isNull(int column) const { return sqlite3_column_type(statement, column) == SQLITE_NULL; }

bool runSql(sqlite3* db, const char* sql) { return sqlite3_exec(db, sql, nullptr, nullptr, nullptr) == SQLITE_OK; }
