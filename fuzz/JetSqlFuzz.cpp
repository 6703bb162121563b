// Fuzz target for the SQL translator: any text either translates or raises JetSqlError
// with a position inside the text; a translation must also be accepted by SQLite's parser
// against the reference schema (in memory), or rejected there with an error, never a crash.
#include <sqlite3.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "refdata/JetSql.h"
#include "refdata/Schema.h"

namespace {

sqlite3* SchemaDb() {
    static sqlite3* db = [] {
        sqlite3* d = nullptr;
        sqlite3_open(":memory:", &d);
        for (std::string_view file : qinghe::ReferenceFiles())
            sqlite3_exec(d, qinghe::SchemaSql(file).c_str(), nullptr, nullptr, nullptr);
        sqlite3_db_config(d, SQLITE_DBCONFIG_DQS_DML, 0, nullptr);
        qinghe::RegisterJetFunctions(d);
        return d;
    }();
    return db;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::string sql;
    try {
        sql = qinghe::TranslateJetSql(text);
    } catch (const qinghe::JetSqlError& e) {
        if (e.position() < 1 || e.position() > size + 1) std::abort();
        return 0;
    }
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(SchemaDb(), sql.c_str(), -1, &stmt, nullptr) == SQLITE_OK) {
        // A translation is always a read: it may never write the reference data.
        if (!sqlite3_stmt_readonly(stmt)) std::abort();
        for (int i = 0; i < 1000 && sqlite3_step(stmt) == SQLITE_ROW; ++i) {
        }
    }
    sqlite3_finalize(stmt);
    return 0;
}
