// Translator from the Jet 4.0 SQL dialect of the reference queries to SQLite SQL.
// Tokenizer -> parser -> emitter over the SELECT subset the program issues (top, +, Left,
// Format, #date# literals, like, union, the numeric table name 81). Dialect rules: Jet SQL
// reference (Microsoft Access 2000 / Jet 4.0), as far as these queries use them.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

struct sqlite3;

namespace qinghe {

// A text the translator cannot read. position() is 1-based, counted in characters
// (not bytes) of the original SQL text.
class JetSqlError : public std::runtime_error {
  public:
    JetSqlError(std::size_t position, const std::string& what);
    std::size_t position() const { return m_position; }

  private:
    std::size_t m_position;
};

// Translates one Jet SELECT (or UNION of SELECTs) to SQLite. Throws JetSqlError.
std::string TranslateJetSql(std::string_view jet);

// Same, through a per-thread cache keyed by the exact text.
const std::string& TranslateJetSqlCached(std::string_view jet);

// Registers the SQL functions the translation relies on (jet_add, jet_format) on a
// connection. Returns an SQLite result code.
int RegisterJetFunctions(sqlite3* db);

// Jet's Format() for date values: yyyy yy mm m dd d hh h nn n ss s (m after h is a minute),
// "quoted" and \escaped literals, everything else copied. `value` is "YYYY-MM-DD[ HH:MM:SS]"
// with one- or two-digit parts. Returns false when value is not a date.
bool FormatJetDate(std::string_view value, std::string_view format, std::string& out);

}  // namespace qinghe
