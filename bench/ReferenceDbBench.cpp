// Cost of a look-up through the Jet translator and the query object, against the same
// look-up written for SQLite directly (prepare, step, finalize on an open connection).
// Runs on a file of 8,105 characters shaped like the real word table.
#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <filesystem>
#include <stdexcept>
#include <string>

#include "refdata/JetSql.h"
#include "refdata/ReferenceDb.h"
#include "refdata/Schema.h"

namespace {

std::string CodePointText(char32_t c) {
    std::string s;
    s += static_cast<char>(0xE0 | (c >> 12));
    s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    s += static_cast<char>(0x80 | (c & 0x3F));
    return s;
}

const std::string& WordFile() {
    static const std::string path = [] {
        const std::string file = qinghe::ProgramFolder() + "bench-word.dll";
        std::filesystem::remove(file);
        sqlite3* db = nullptr;
        sqlite3_open(file.c_str(), &db);
        std::string sql = qinghe::SchemaSql(qinghe::kRedoviv) + "BEGIN;";
        for (int i = 0; i < 8105; ++i) {
            const std::string zi = CodePointText(static_cast<char32_t>(0x4E00 + i * 2));
            sql += "INSERT INTO word VALUES (" + std::to_string(i) + ",'" + zi + "','" + zi + "'," +
                   std::to_string(1 + i % 30) + ",'pin','木',1,1,'0'," + std::to_string(i) +
                   ",NULL);";
        }
        sql +=
            "INSERT INTO word VALUES (9000,'张','張',11,'zhāng','火',1,1,'0',1,1);COMMIT;ANALYZE;";
        sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr);
        sqlite3_close(db);
        return file;
    }();
    return path;
}

void TranslatedLookup(benchmark::State& state) {
    const std::string& file = WordFile();
    for (auto _ : state) {
        qinghe::RefQuery q(file, "select  top 1 bh from word where zi = '张'");
        benchmark::DoNotOptimize(q.AsInteger(0));
    }
}
BENCHMARK(TranslatedLookup);

void NativeLookup(benchmark::State& state) {
    sqlite3* db = nullptr;
    sqlite3_open_v2(("file:" + WordFile() + "?immutable=1").c_str(), &db,
                    SQLITE_OPEN_READONLY | SQLITE_OPEN_NOMUTEX | SQLITE_OPEN_URI, nullptr);
    const char* sql = "SELECT bh FROM word WHERE zi = '张' LIMIT 1";
    for (auto _ : state) {
        sqlite3_stmt* stmt = nullptr;
        sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr);
        if (sqlite3_step(stmt) == SQLITE_ROW) benchmark::DoNotOptimize(sqlite3_column_int(stmt, 0));
        sqlite3_finalize(stmt);
    }
    sqlite3_close(db);
}
BENCHMARK(NativeLookup);

void NativePreparedOnce(benchmark::State& state) {
    sqlite3* db = nullptr;
    sqlite3_open_v2(("file:" + WordFile() + "?immutable=1").c_str(), &db,
                    SQLITE_OPEN_READONLY | SQLITE_OPEN_NOMUTEX | SQLITE_OPEN_URI, nullptr);
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(db, "SELECT bh FROM word WHERE zi = '张' LIMIT 1", -1, &stmt, nullptr);
    for (auto _ : state) {
        if (sqlite3_step(stmt) == SQLITE_ROW) benchmark::DoNotOptimize(sqlite3_column_int(stmt, 0));
        sqlite3_reset(stmt);
    }
    sqlite3_finalize(stmt);
    sqlite3_close(db);
}
BENCHMARK(NativePreparedOnce);

void TranslateOnly(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(
            qinghe::TranslateJetSql("select  top 1 bh from word where zi = '张'"));
}
BENCHMARK(TranslateOnly);

}  // namespace

BENCHMARK_MAIN();
