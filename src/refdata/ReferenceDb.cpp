// Read-only SQLite connections to the reference files, one per thread and file, and the
// in-memory recordset of RefQuery.
#include "refdata/ReferenceDb.h"

#include <sqlite3.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <mutex>
#include <unordered_map>

#include "refdata/JetSql.h"

namespace qinghe {

namespace {

std::mutex g_folderMutex;
std::string g_programFolder;

std::string ExecutableFolder() {
    std::string buf(4096, '\0');
    const ssize_t n = ::readlink("/proc/self/exe", buf.data(), buf.size() - 1);
    if (n <= 0) return "./";
    buf.resize(static_cast<std::size_t>(n));
    const std::size_t slash = buf.rfind('/');
    return slash == std::string::npos ? "./" : buf.substr(0, slash + 1);
}

constexpr std::string_view kProvider = "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=";
constexpr std::string_view kTail = ";Persist Security Info=True";

// Prepared statements live as long as their connection; generation issues many one-off
// texts, so the cache is bounded.
struct Connection {
    sqlite3* db = nullptr;
    std::unordered_map<std::string, sqlite3_stmt*> statements;

    void ClearStatements() {
        for (auto& [sql, stmt] : statements) sqlite3_finalize(stmt);
        statements.clear();
    }
    ~Connection() {
        ClearStatements();
        sqlite3_close_v2(db);
    }
};

struct ThreadConnections {
    std::unordered_map<std::string, std::unique_ptr<Connection>> byPath;
};

ThreadConnections& Connections() {
    thread_local ThreadConnections connections;
    return connections;
}

std::string ImmutableUri(const std::string& path) {
    std::string uri = "file:";
    for (const char c : path) {
        if (c == '%' || c == '?' || c == '#') {
            char buf[4];
            std::snprintf(buf, sizeof buf, "%%%02X", static_cast<unsigned char>(c));
            uri += buf;
        } else {
            uri += c;
        }
    }
    return uri + "?immutable=1";
}

Connection& ConnectionFor(const std::string& path) {
    auto& byPath = Connections().byPath;
    if (auto it = byPath.find(path); it != byPath.end()) return *it->second;
    auto conn = std::make_unique<Connection>();
    // Read-only: the reference files are never written, and a missing file is an error
    // rather than a new empty database. They are also immutable while open (the builder
    // replaces a file by renaming a new one over it, which leaves an open file's content
    // as it was), so SQLite may skip file locking on every query.
    const int rc =
        sqlite3_open_v2(ImmutableUri(path).c_str(), &conn->db,
                        SQLITE_OPEN_READONLY | SQLITE_OPEN_NOMUTEX | SQLITE_OPEN_URI, nullptr);
    if (rc != SQLITE_OK) {
        const std::string why = conn->db ? sqlite3_errmsg(conn->db) : sqlite3_errstr(rc);
        throw ReferenceDbError("cannot open reference file " + path + ": " + why);
    }
    // Generation sorts unions of tens of thousands of rows: keep sorting in memory.
    sqlite3_exec(conn->db, "PRAGMA temp_store = MEMORY; PRAGMA cache_size = -16384;", nullptr,
                 nullptr, nullptr);
    // A double-quoted word must name a column; it never falls back to being text.
    sqlite3_db_config(conn->db, SQLITE_DBCONFIG_DQS_DML, 0, nullptr);
    sqlite3_db_config(conn->db, SQLITE_DBCONFIG_DQS_DDL, 0, nullptr);
    if (RegisterJetFunctions(conn->db) != SQLITE_OK)
        throw ReferenceDbError("cannot register SQL functions on " + path);
    return *byPath.emplace(path, std::move(conn)).first->second;
}

sqlite3_stmt* Prepare(Connection& conn, const std::string& sql) {
    if (auto it = conn.statements.find(sql); it != conn.statements.end()) return it->second;
    if (conn.statements.size() >= 256) conn.ClearStatements();
    sqlite3_stmt* stmt = nullptr;
    const int rc = sqlite3_prepare_v3(conn.db, sql.c_str(), static_cast<int>(sql.size()),
                                      SQLITE_PREPARE_PERSISTENT, &stmt, nullptr);
    if (rc != SQLITE_OK || stmt == nullptr) {
        sqlite3_finalize(stmt);
        throw ReferenceDbError(std::string("SQL error: ") + sqlite3_errmsg(conn.db));
    }
    conn.statements.emplace(sql, stmt);
    return stmt;
}

bool SameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

std::string_view Trimmed(std::string_view s) {
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front()))) s.remove_prefix(1);
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back()))) s.remove_suffix(1);
    return s;
}

// Lets a long query be cut short from another thread: SQLite asks every kProgressSteps
// virtual-machine steps whether to go on (a few hundred microseconds apart).
class InterruptWhenCleared {
  public:
    static constexpr int kProgressSteps = 10000;
    InterruptWhenCleared(sqlite3* db, const std::atomic<bool>* keepGoing) : m_db(db) {
        if (keepGoing)
            sqlite3_progress_handler(db, kProgressSteps, &Check,
                                     const_cast<void*>(static_cast<const void*>(keepGoing)));
    }
    ~InterruptWhenCleared() { sqlite3_progress_handler(m_db, 0, nullptr, nullptr); }
    InterruptWhenCleared(const InterruptWhenCleared&) = delete;
    InterruptWhenCleared& operator=(const InterruptWhenCleared&) = delete;

  private:
    static int Check(void* keepGoing) {
        return static_cast<const std::atomic<bool>*>(keepGoing)->load() ? 0 : 1;
    }
    sqlite3* m_db;
};

}  // namespace

const std::string& ProgramFolder() {
    std::lock_guard lock(g_folderMutex);
    if (g_programFolder.empty()) g_programFolder = ExecutableFolder();
    return g_programFolder;
}

void SetProgramFolder(std::string folder) {
    if (folder.empty()) folder = "./";
    if (folder.back() != '/') folder += '/';
    std::lock_guard lock(g_folderMutex);
    g_programFolder = std::move(folder);
}

std::string ReferenceConnectionString(std::string_view fileName) {
    const std::string path = fileName.find('/') == std::string_view::npos
                                 ? ProgramFolder() + std::string(fileName)
                                 : std::string(fileName);
    return std::string(kProvider) + path + std::string(kTail);
}

std::string DataSourceOf(std::string_view connectionOrFile) {
    std::string_view source = connectionOrFile;
    constexpr std::string_view kKey = "Data Source=";
    if (const std::size_t at = connectionOrFile.find(kKey); at != std::string_view::npos) {
        source = connectionOrFile.substr(at + kKey.size());
        source = source.substr(0, source.find(';'));
    }
    source = Trimmed(source);
    if (source.find('/') == std::string_view::npos) return ProgramFolder() + std::string(source);
    return std::string(source);
}

sqlite3* ReferenceConnection(const std::string& path) {
    return ConnectionFor(path).db;
}

void CloseReferenceConnections() {
    Connections().byPath.clear();
}

void RefQuery::Open(std::string_view connectionOrFile, std::string_view jetSql,
                    const std::atomic<bool>* keepGoing) {
    Close();
    std::string sql;
    try {
        sql = TranslateJetSqlCached(jetSql);
    } catch (const JetSqlError& e) {
        throw ReferenceDbError(e.what());
    }
    Connection& conn = ConnectionFor(DataSourceOf(connectionOrFile));
    sqlite3_stmt* stmt = Prepare(conn, sql);
    const int columns = sqlite3_column_count(stmt);
    for (int c = 0; c < columns; ++c) {
        const char* name = sqlite3_column_name(stmt, c);
        m_names.emplace_back(name ? name : "");
    }
    const InterruptWhenCleared interrupt(conn.db, keepGoing);
    int rc;
    while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
        std::vector<FieldValue>& row = m_rows.emplace_back();
        row.reserve(static_cast<std::size_t>(columns));
        for (int c = 0; c < columns; ++c) {
            switch (sqlite3_column_type(stmt, c)) {
                case SQLITE_INTEGER:
                    row.emplace_back(std::int64_t{sqlite3_column_int64(stmt, c)});
                    break;
                case SQLITE_FLOAT:
                    row.emplace_back(sqlite3_column_double(stmt, c));
                    break;
                case SQLITE_NULL:
                    row.emplace_back();
                    break;
                default: {
                    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, c));
                    row.emplace_back(std::string(
                        text ? text : "", static_cast<std::size_t>(sqlite3_column_bytes(stmt, c))));
                }
            }
        }
    }
    const std::string error = rc == SQLITE_DONE ? "" : sqlite3_errmsg(conn.db);
    sqlite3_reset(stmt);
    if (rc != SQLITE_DONE) {
        Close();
        throw ReferenceDbError("SQL error: " + error);
    }
    m_active = true;
}

void RefQuery::Close() {
    m_active = false;
    m_names.clear();
    m_rows.clear();
    m_row = 0;
}

void RefQuery::MoveTo(int row) {
    if (row < 0 || row > RecordCount())
        throw ReferenceDbError("row " + std::to_string(row) + " is out of range");
    m_row = static_cast<std::size_t>(row);
}

const std::string& RefQuery::FieldName(int column) const {
    if (column < 0 || column >= FieldCount())
        throw ReferenceDbError("column " + std::to_string(column) + " is out of range");
    return m_names[static_cast<std::size_t>(column)];
}

int RefQuery::FieldIndex(std::string_view name) const {
    for (std::size_t i = 0; i < m_names.size(); ++i)
        if (SameName(m_names[i], name)) return static_cast<int>(i);
    return -1;
}

int RefQuery::Column(std::string_view name) const {
    const int c = FieldIndex(name);
    if (c < 0) throw ReferenceDbError("no column named '" + std::string(name) + "'");
    return c;
}

const FieldValue& RefQuery::Field(int column) const {
    if (column < 0 || column >= FieldCount())
        throw ReferenceDbError("column " + std::to_string(column) + " is out of range");
    if (Eof()) throw ReferenceDbError("no current row");
    return m_rows[m_row][static_cast<std::size_t>(column)];
}

const FieldValue& RefQuery::Field(std::string_view name) const {
    return Field(Column(name));
}

std::int64_t RefQuery::AsInteger(int column) const {
    const FieldValue& v = Field(column);
    if (const auto* i = std::get_if<std::int64_t>(&v)) return *i;
    if (const auto* d = std::get_if<double>(&v)) return static_cast<std::int64_t>(std::llround(*d));
    if (const auto* s = std::get_if<std::string>(&v)) {
        const std::string_view t = Trimmed(*s);
        std::int64_t value = 0;
        const char* begin = t.data();
        if (!t.empty() && t.front() == '+') ++begin;
        const auto [end, ec] = std::from_chars(begin, t.data() + t.size(), value);
        if (t.empty() || ec != std::errc() || end != t.data() + t.size())
            throw ConversionError("'" + *s + "' is not a valid integer value");
        return value;
    }
    return 0;
}

double RefQuery::AsReal(int column) const {
    const FieldValue& v = Field(column);
    if (const auto* i = std::get_if<std::int64_t>(&v)) return static_cast<double>(*i);
    if (const auto* d = std::get_if<double>(&v)) return *d;
    if (const auto* s = std::get_if<std::string>(&v)) {
        const std::string t(Trimmed(*s));
        char* end = nullptr;
        errno = 0;
        const double value = std::strtod(t.c_str(), &end);
        if (t.empty() || end != t.c_str() + t.size() || errno == ERANGE)
            throw ConversionError("'" + *s + "' is not a valid floating point value");
        return value;
    }
    return 0.0;
}

std::string RefQuery::AsText(int column) const {
    return FieldText(Field(column));
}

std::string FieldText(const FieldValue& value) {
    if (const auto* s = std::get_if<std::string>(&value)) return *s;
    if (const auto* i = std::get_if<std::int64_t>(&value)) return std::to_string(*i);
    if (const auto* d = std::get_if<double>(&value)) {
        char buf[32];
        std::snprintf(buf, sizeof buf, "%.15g", *d);
        return buf;
    }
    return {};
}

}  // namespace qinghe
