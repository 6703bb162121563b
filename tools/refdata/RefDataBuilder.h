// Writes the five reference files into one folder: each file is created from the shared
// schema under a temporary name, filled by the builders of its tables, and renamed into
// place only when complete, so a failed build never leaves a half-written file.
#pragma once

#include <sqlite3.h>

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace qinghe::refdata {

// A writable connection to a file being built, with helpers for bulk inserts.
class BuildDb {
  public:
    explicit BuildDb(sqlite3* db) : m_db(db) {}
    sqlite3* handle() const { return m_db; }
    void Exec(const std::string& sql);  // throws std::runtime_error

  private:
    sqlite3* m_db;
};

// A prepared INSERT reused for every row: Row(a, b, c) binds the values in order
// (integers, reals, texts; std::nullopt / nullptr for NULL) and steps.
class Inserter {
  public:
    Inserter(BuildDb& db, const std::string& table, int columns);
    ~Inserter();
    Inserter(const Inserter&) = delete;
    Inserter& operator=(const Inserter&) = delete;

    template <typename... Values>
    void Row(const Values&... values) {
        int index = 0;
        (Bind(++index, values), ...);
        Step();
    }

  private:
    void Bind(int index, long long v);
    void Bind(int index, int v) { Bind(index, static_cast<long long>(v)); }
    void Bind(int index, double v);
    void Bind(int index, const std::string& v);
    void Bind(int index, const char* v);
    void Bind(int index, std::nullptr_t);
    void Step();

    sqlite3* m_db;
    sqlite3_stmt* m_stmt = nullptr;
};

using TableFiller = std::function<void(BuildDb&)>;

// Builds `fileName` in `folder` from the schema, then runs `fill`. Throws on failure.
void BuildReferenceFile(const std::string& folder, std::string_view fileName,
                        const TableFiller& fill);

}  // namespace qinghe::refdata
