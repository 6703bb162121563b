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

// Points the program's folder somewhere else for the lifetime of the object.
class ScopedProgramFolder {
  public:
    explicit ScopedProgramFolder(const std::string& folder);
    ~ScopedProgramFolder();
    ScopedProgramFolder(const ScopedProgramFolder&) = delete;
    ScopedProgramFolder& operator=(const ScopedProgramFolder&) = delete;

  private:
    std::string m_saved;
};

// A test suite whose tests share one fixture folder with the sample rows.
template <typename Base>
class WithSampleRows : public Base {
  protected:
    static void SetUpTestSuite() {
        s_fixture = new FixtureFolder;
        s_fixture->SeedSampleRows();
    }
    static void TearDownTestSuite() {
        delete s_fixture;
        s_fixture = nullptr;
    }
    static inline FixtureFolder* s_fixture = nullptr;
};

}  // namespace qinghe::test
