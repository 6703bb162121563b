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

void BuildReferenceFile(const std::string& folder, std::string_view fileName,
                        const TableFiller& fill) {
    namespace fs = std::filesystem;
    const fs::path target = fs::path(folder) / std::string(fileName);
    const fs::path temp = fs::path(folder) / (std::string(fileName) + ".building");
    fs::remove(temp);
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(temp.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE,
                        nullptr) != SQLITE_OK) {
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
