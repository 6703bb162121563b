// Building one reference file atomically.
#include "RefDataBuilder.h"

#include <cstdio>
#include <filesystem>
#include <stdexcept>

#include "refdata/Schema.h"

namespace qinghe::refdata {

void BuildDb::Exec(const std::string& sql) {
    char* error = nullptr;
    if (sqlite3_exec(m_db, sql.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
        const std::string why = error ? error : "unknown error";
        sqlite3_free(error);
        throw std::runtime_error("SQL failed: " + why);
    }
}

Inserter::Inserter(BuildDb& db, const std::string& table, int columns) : m_db(db.handle()) {
    std::string sql = "INSERT INTO \"" + table + "\" VALUES (";
    for (int i = 0; i < columns; ++i) sql += i ? ",?" : "?";
    sql += ")";
    if (sqlite3_prepare_v2(m_db, sql.c_str(), -1, &m_stmt, nullptr) != SQLITE_OK)
        throw std::runtime_error("cannot prepare " + sql + ": " + sqlite3_errmsg(m_db));
}

Inserter::~Inserter() {
    sqlite3_finalize(m_stmt);
}

void Inserter::Bind(int index, long long v) {
    sqlite3_bind_int64(m_stmt, index, v);
}
void Inserter::Bind(int index, double v) {
    sqlite3_bind_double(m_stmt, index, v);
}
void Inserter::Bind(int index, const std::string& v) {
    sqlite3_bind_text(m_stmt, index, v.data(), static_cast<int>(v.size()), SQLITE_TRANSIENT);
}
void Inserter::Bind(int index, const char* v) {
    sqlite3_bind_text(m_stmt, index, v, -1, SQLITE_TRANSIENT);
}
void Inserter::Bind(int index, std::nullptr_t) {
    sqlite3_bind_null(m_stmt, index);
}

void Inserter::Step() {
    if (sqlite3_step(m_stmt) != SQLITE_DONE)
        throw std::runtime_error(std::string("insert failed: ") + sqlite3_errmsg(m_db));
    sqlite3_reset(m_stmt);
    sqlite3_clear_bindings(m_stmt);
}

void BuildReferenceFile(const std::string& folder, std::string_view fileName,
                        const TableFiller& fill) {
    namespace fs = std::filesystem;
    const fs::path target = fs::path(folder) / std::string(fileName);
    const fs::path temp = fs::path(folder) / (std::string(fileName) + ".building");
    fs::remove(temp);
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(temp.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) !=
        SQLITE_OK) {
        sqlite3_close(db);
        throw std::runtime_error("cannot create " + temp.string());
    }
    try {
        BuildDb build(db);
        build.Exec("PRAGMA journal_mode=OFF; PRAGMA synchronous=OFF; PRAGMA page_size=4096;");
        build.Exec("BEGIN;");
        build.Exec(SchemaSql(fileName));
        if (fill) fill(build);
        build.Exec("COMMIT;");
        build.Exec("ANALYZE; VACUUM;");
    } catch (...) {
        sqlite3_close(db);
        fs::remove(temp);
        throw;
    }
    sqlite3_close(db);
    fs::rename(temp, target);
}

}  // namespace qinghe::refdata
