// Writes the five reference files into one folder: each file is created from the shared
// schema under a temporary name, filled by the builders of its tables, and renamed into
// place only when complete, so a failed build never leaves a half-written file.
#pragma once

#include <sqlite3.h>

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

using TableFiller = std::function<void(BuildDb&)>;

// Builds `fileName` in `folder` from the schema, then runs `fill`. Throws on failure.
void BuildReferenceFile(const std::string& folder, std::string_view fileName,
                        const TableFiller& fill);

}  // namespace qinghe::refdata
