// Small reference files for unit tests: the real schema in a temporary folder, with rows
// the tests insert themselves through a writable connection.
#pragma once

#include <sqlite3.h>

#include <string>
#include <string_view>

namespace qinghe::test {

class FixtureFolder {
public:
    FixtureFolder();  // creates the five files (empty tables) in a fresh temporary folder
    ~FixtureFolder();
    FixtureFolder(const FixtureFolder&) = delete;
    FixtureFolder& operator=(const FixtureFolder&) = delete;

    const std::string& path() const { return m_path; }  // ends in '/'
    std::string File(std::string_view name) const { return m_path + std::string(name); }
    // Runs SQL on one file through a writable connection (fixture set-up only).
    void Exec(std::string_view file, const std::string& sql) const;
    // A handful of rows in every table, enough for the queries' joins, filters and orders.
    void SeedSampleRows() const;

private:
    std::string m_path;
};

}  // namespace qinghe::test
