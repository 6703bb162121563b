// The five reference files in the program's folder, opened read-only, and the query
// object every look-up uses: an SQL text in the Jet dialect, its rows held in memory so
// they can be counted, walked and revisited by number. Connections and prepared
// statements are kept per thread and per file; nothing is ever written.
#pragma once

#include <atomic>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "base/Errors.h"

struct sqlite3;

namespace qinghe {

inline constexpr std::string_view kRedoviv = "Redoviv.dll";    // word, zh
inline constexpr std::string_view kTalFile = "TalFile.dll";    // sancai, sancai2009, 81
inline constexpr std::string_view kDream = "dream.dll";        // chenggu1..4, chenggu
inline constexpr std::string_view kTgcode = "Tgcode.dll";      // hzwh, Shishen, jiazi, JQ
inline constexpr std::string_view kTalBirth = "TalBirth.dll";  // huangdao, sg, Noter

// The folder holding the executables and the reference files, ending in '/'.
// Found from the running executable; SetProgramFolder overrides it (tests, tools).
const std::string& ProgramFolder();
void SetProgramFolder(std::string folder);

// "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=<folder><file>;Persist Security Info=True"
std::string ReferenceConnectionString(std::string_view fileName);

// The file a connection string (or a bare file name, or a path) refers to. A bare name
// is looked up in the program's folder.
std::string DataSourceOf(std::string_view connectionOrFile);

// An engine error: missing file, SQL the translator or SQLite rejects.
class ReferenceDbError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

using FieldValue = std::variant<std::monostate, std::int64_t, double, std::string>;

class RefQuery {
  public:
    RefQuery() = default;
    // Opens `connectionOrFile` (connection string, file name or path) and runs `jetSql`.
    // Throws ReferenceDbError; the query is then closed. When `keepGoing` is given and
    // turns false while the query runs, the query is interrupted (ReferenceDbError).
    RefQuery(std::string_view connectionOrFile, std::string_view jetSql,
             const std::atomic<bool>* keepGoing = nullptr) {
        Open(connectionOrFile, jetSql, keepGoing);
    }

    void Open(std::string_view connectionOrFile, std::string_view jetSql,
              const std::atomic<bool>* keepGoing = nullptr);
    void Close();
    bool Active() const { return m_active; }

    // Row cursor, as a recordset: Eof() after the last row, MoveTo(n) with n counted from 0.
    int RecordCount() const { return static_cast<int>(m_rows.size()); }
    bool Eof() const { return m_row >= m_rows.size(); }
    int RecNo() const { return static_cast<int>(m_row); }
    void First() { m_row = 0; }
    void Next() {
        if (m_row < m_rows.size()) ++m_row;
    }
    void MoveTo(int row);

    int FieldCount() const { return static_cast<int>(m_names.size()); }
    const std::string& FieldName(int column) const;
    // -1 when no column has this name (names compare without regard to ASCII case).
    int FieldIndex(std::string_view name) const;

    // Field access on the current row by position or by name. Reading past the last row,
    // or an unknown column, throws ReferenceDbError; a NULL reads as 0 or empty text.
    const FieldValue& Field(int column) const;
    const FieldValue& Field(std::string_view name) const;
    bool IsNull(int column) const { return std::holds_alternative<std::monostate>(Field(column)); }
    bool IsNull(std::string_view name) const { return IsNull(Column(name)); }
    std::int64_t AsInteger(int column) const;
    std::int64_t AsInteger(std::string_view name) const { return AsInteger(Column(name)); }
    double AsReal(int column) const;
    double AsReal(std::string_view name) const { return AsReal(Column(name)); }
    std::string AsText(int column) const;
    std::string AsText(std::string_view name) const { return AsText(Column(name)); }

  private:
    int Column(std::string_view name) const;

    bool m_active = false;
    std::vector<std::string> m_names;
    std::vector<std::vector<FieldValue>> m_rows;
    std::size_t m_row = 0;
};

// One reference database: a file of the program's folder (or any path), reached through
// this thread's cached connection each time a query runs.
class ReferenceDb {
  public:
    explicit ReferenceDb(std::string_view fileName)
        : m_connection(ReferenceConnectionString(fileName)) {}
    const std::string& ConnectionString() const { return m_connection; }
    RefQuery Query(std::string_view jetSql) const { return RefQuery(m_connection, jetSql); }

  private:
    std::string m_connection;
};

// The text of a value as the reports print it: integers in decimal, reals in their
// shortest form (85, 78.5), NULL as empty text.
std::string FieldText(const FieldValue& value);

// Closes this thread's cached connections (quit, and tests that rebuild files).
void CloseReferenceConnections();

// This thread's read-only connection to a reference file, opened on first use.
// Throws ReferenceDbError when the file cannot be opened.
sqlite3* ReferenceConnection(const std::string& path);

}  // namespace qinghe
