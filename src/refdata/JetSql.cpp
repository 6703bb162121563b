// Jet 4.0 SELECT subset -> SQLite, in three steps: Tokenize() cuts the text into tokens,
// Parser reads them by the grammar below and Emit*() writes SQLite text. Jet keywords
// and functions live in one table (kDialect). Identifiers are emitted in double quotes
// and the connection refuses double-quoted strings, so a misspelt column is an error,
// never a silently different query.
#include "refdata/JetSql.h"

#include <sqlite3.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <optional>
#include <unordered_map>
#include <vector>

#include "base/CivilDate.h"
#include "refdata/SqlText.h"

namespace qinghe {

JetSqlError::JetSqlError(std::size_t position, const std::string& what)
    : std::runtime_error("SQL text not understood at position " + std::to_string(position) + ": " +
                         what),
      m_position(position) {}

namespace {

// ---------------------------------------------------------------- dialect table

enum class Word { Keyword, Function };

struct DialectEntry {
    std::string_view name;  // upper case
    Word kind;
    // Functions: SQLite template, $1 $2 $3 = arguments, $* = all arguments.
    std::string_view sqlite;
    int minArgs;
    int maxArgs;
};

constexpr std::array kDialect = {
    DialectEntry{"SELECT", Word::Keyword, {}, 0, 0},
    DialectEntry{"TOP", Word::Keyword, {}, 0, 0},
    DialectEntry{"PERCENT", Word::Keyword, {}, 0, 0},
    DialectEntry{"DISTINCT", Word::Keyword, {}, 0, 0},
    DialectEntry{"DISTINCTROW", Word::Keyword, {}, 0, 0},
    DialectEntry{"FROM", Word::Keyword, {}, 0, 0},
    DialectEntry{"WHERE", Word::Keyword, {}, 0, 0},
    DialectEntry{"GROUP", Word::Keyword, {}, 0, 0},
    DialectEntry{"BY", Word::Keyword, {}, 0, 0},
    DialectEntry{"HAVING", Word::Keyword, {}, 0, 0},
    DialectEntry{"ORDER", Word::Keyword, {}, 0, 0},
    DialectEntry{"ASC", Word::Keyword, {}, 0, 0},
    DialectEntry{"DESC", Word::Keyword, {}, 0, 0},
    DialectEntry{"UNION", Word::Keyword, {}, 0, 0},
    DialectEntry{"ALL", Word::Keyword, {}, 0, 0},
    DialectEntry{"AS", Word::Keyword, {}, 0, 0},
    DialectEntry{"AND", Word::Keyword, {}, 0, 0},
    DialectEntry{"OR", Word::Keyword, {}, 0, 0},
    DialectEntry{"NOT", Word::Keyword, {}, 0, 0},
    DialectEntry{"LIKE", Word::Keyword, {}, 0, 0},
    DialectEntry{"IS", Word::Keyword, {}, 0, 0},
    DialectEntry{"NULL", Word::Keyword, {}, 0, 0},
    DialectEntry{"IN", Word::Keyword, {}, 0, 0},
    DialectEntry{"BETWEEN", Word::Keyword, {}, 0, 0},
    DialectEntry{"EXISTS", Word::Keyword, {}, 0, 0},
    DialectEntry{"MOD", Word::Keyword, {}, 0, 0},
    DialectEntry{"JOIN", Word::Keyword, {}, 0, 0},
    DialectEntry{"ON", Word::Keyword, {}, 0, 0},
    DialectEntry{"INTO", Word::Keyword, {}, 0, 0},
    DialectEntry{"LEFT", Word::Function, "substr($1,1,$2)", 2, 2},
    DialectEntry{"RIGHT", Word::Function, "jet_right($1,$2)", 2, 2},
    DialectEntry{"MID", Word::Function, "substr($*)", 2, 3},
    DialectEntry{"LEN", Word::Function, "length($1)", 1, 1},
    DialectEntry{"TRIM", Word::Function, "trim($1)", 1, 1},
    DialectEntry{"LTRIM", Word::Function, "ltrim($1)", 1, 1},
    DialectEntry{"RTRIM", Word::Function, "rtrim($1)", 1, 1},
    DialectEntry{"UCASE", Word::Function, "upper($1)", 1, 1},
    DialectEntry{"LCASE", Word::Function, "lower($1)", 1, 1},
    DialectEntry{"FORMAT", Word::Function, "jet_format($1,$2)", 2, 2},
    DialectEntry{"ABS", Word::Function, "abs($1)", 1, 1},
    DialectEntry{"IIF", Word::Function, "(CASE WHEN $1 THEN $2 ELSE $3 END)", 3, 3},
    DialectEntry{"SUM", Word::Function, "sum($1)", 1, 1},
    DialectEntry{"COUNT", Word::Function, "count($1)", 1, 1},
    DialectEntry{"MIN", Word::Function, "min($1)", 1, 1},
    DialectEntry{"MAX", Word::Function, "max($1)", 1, 1},
    DialectEntry{"AVG", Word::Function, "avg($1)", 1, 1},
};

std::string Upper(std::string_view s) {
    std::string u(s);
    for (char& c : u) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return u;
}

const DialectEntry* LookUp(std::string_view word) {
    if (word.size() > 16) return nullptr;
    const std::string u = Upper(word);
    for (const DialectEntry& e : kDialect)
        if (e.name == u) return &e;
    return nullptr;
}

bool IsKeyword(std::string_view word) {
    const DialectEntry* e = LookUp(word);
    return e != nullptr && e->kind == Word::Keyword;
}

// ---------------------------------------------------------------- dates

struct DateTime {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
    bool hasTime = false;
};

bool Valid(const DateTime& d) {
    return d.year >= 100 && d.year <= 9999 && d.month >= 1 && d.month <= 12 && d.day >= 1 &&
           d.day <= DaysInMonth(d.year, d.month) && d.hour >= 0 && d.hour <= 23 && d.minute >= 0 &&
           d.minute <= 59 && d.second >= 0 && d.second <= 59;
}

// Reads digits at s[i]; returns the value and the digit count (0 when none).
std::pair<int, int> ReadNumber(std::string_view s, std::size_t& i) {
    int value = 0, digits = 0;
    while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i])) && digits < 9) {
        value = value * 10 + (s[i] - '0');
        ++i;
        ++digits;
    }
    return {value, digits};
}

void SkipBlanks(std::string_view s, std::size_t& i) {
    while (i < s.size() && (s[i] == ' ' || s[i] == '\t')) ++i;
}

// "Y-M-D", "Y/M/D" or "M/D/Y", then optionally "H:M[:S]" with an optional AM/PM.
std::optional<DateTime> ParseDateTime(std::string_view s) {
    DateTime d;
    std::size_t i = 0;
    SkipBlanks(s, i);
    auto [a, aDigits] = ReadNumber(s, i);
    if (aDigits == 0 || i >= s.size() || (s[i] != '-' && s[i] != '/')) return std::nullopt;
    const char sep = s[i++];
    auto [b, bDigits] = ReadNumber(s, i);
    if (bDigits == 0 || i >= s.size() || s[i] != sep) return std::nullopt;
    ++i;
    auto [c, cDigits] = ReadNumber(s, i);
    if (cDigits == 0) return std::nullopt;
    if (aDigits >= 3) {
        d.year = a, d.month = b, d.day = c;
    } else if (sep == '/' && cDigits >= 3) {
        d.month = a, d.day = b, d.year = c;
    } else {
        return std::nullopt;
    }
    SkipBlanks(s, i);
    if (i < s.size()) {
        auto [h, hDigits] = ReadNumber(s, i);
        if (hDigits == 0 || i >= s.size() || s[i] != ':') return std::nullopt;
        ++i;
        auto [mi, miDigits] = ReadNumber(s, i);
        if (miDigits == 0) return std::nullopt;
        int sec = 0;
        if (i < s.size() && s[i] == ':') {
            ++i;
            auto [se, seDigits] = ReadNumber(s, i);
            if (seDigits == 0) return std::nullopt;
            sec = se;
        }
        // Fractions of a second are dropped.
        if (i < s.size() && s[i] == '.') {
            ++i;
            ReadNumber(s, i);
        }
        SkipBlanks(s, i);
        if (i + 2 <= s.size()) {
            const std::string ampm = Upper(s.substr(i, 2));
            if (ampm == "AM" || ampm == "PM") {
                if (h < 1 || h > 12) return std::nullopt;
                h = h % 12 + (ampm == "PM" ? 12 : 0);
                i += 2;
            }
        }
        SkipBlanks(s, i);
        if (i != s.size()) return std::nullopt;
        d.hour = h, d.minute = mi, d.second = sec, d.hasTime = true;
    }
    if (!Valid(d)) return std::nullopt;
    return d;
}

std::string IsoText(const DateTime& d) {
    char buf[32];
    if (d.hasTime)
        std::snprintf(buf, sizeof buf, "%04d-%02d-%02d %02d:%02d:%02d", d.year, d.month, d.day,
                      d.hour, d.minute, d.second);
    else
        std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", d.year, d.month, d.day);
    return buf;
}

// Jet stores a date as days since 1899-12-30 with the time of day as the fraction.
std::optional<DateTime> FromJetSerial(double serial) {
    if (!std::isfinite(serial) || serial < -657434.0 || serial > 2958465.999) return std::nullopt;
    double whole = std::floor(serial);
    long long seconds = std::llround((serial - whole) * 86400.0);
    if (seconds >= 86400) {
        whole += 1;
        seconds -= 86400;
    }
    // Civil-from-days (Howard Hinnant's algorithm), from 1970-01-01 = day 0.
    long long z = static_cast<long long>(whole) - 25569 + 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const long long doe = z - era * 146097;
    const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long long mp = (5 * doy + 2) / 153;
    DateTime d;
    d.day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    d.month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    d.year = static_cast<int>(yoe + era * 400 + (d.month <= 2));
    d.hour = static_cast<int>(seconds / 3600);
    d.minute = static_cast<int>(seconds / 60 % 60);
    d.second = static_cast<int>(seconds % 60);
    d.hasTime = seconds != 0;
    if (!Valid(d)) return std::nullopt;
    return d;
}

void AppendPadded(std::string& out, int value, int width) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%0*d", width, value);
    out += buf;
}

void FormatDate(const DateTime& d, std::string_view fmt, std::string& out) {
    static constexpr const char* kMonths[] = {"January",   "February", "March",    "April",
                                              "May",       "June",     "July",     "August",
                                              "September", "October",  "November", "December"};
    static constexpr const char* kDays[] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                            "Thursday", "Friday", "Saturday"};
    bool afterHour = false;  // "m" right after an hour field means minutes
    std::size_t i = 0;
    while (i < fmt.size()) {
        const char c = fmt[i];
        const char lc = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        if (c == '"') {
            const std::size_t end = fmt.find('"', i + 1);
            const std::size_t stop = end == std::string_view::npos ? fmt.size() : end;
            out.append(fmt.substr(i + 1, stop - i - 1));
            i = stop == fmt.size() ? stop : stop + 1;
            continue;
        }
        if (c == '\\' && i + 1 < fmt.size()) {
            out += fmt[i + 1];
            i += 2;
            continue;
        }
        if (lc != 'y' && lc != 'm' && lc != 'd' && lc != 'h' && lc != 'n' && lc != 's') {
            out += c;
            ++i;
            continue;
        }
        std::size_t run = 1;
        while (i + run < fmt.size() && std::tolower(static_cast<unsigned char>(fmt[i + run])) == lc)
            ++run;
        i += run;
        switch (lc) {
            case 'y':
                if (run >= 3)
                    AppendPadded(out, d.year, 4);
                else if (run == 2)
                    AppendPadded(out, d.year % 100, 2);
                else {
                    int doy = d.day;
                    for (int m = 1; m < d.month; ++m) doy += DaysInMonth(d.year, m);
                    AppendPadded(out, doy, 1);
                }
                afterHour = false;
                break;
            case 'm':
                if (afterHour && run <= 2)
                    AppendPadded(out, d.minute, static_cast<int>(run));
                else if (run >= 4)
                    out += kMonths[d.month - 1];
                else if (run == 3)
                    out.append(kMonths[d.month - 1], 3);
                else
                    AppendPadded(out, d.month, static_cast<int>(run));
                afterHour = false;
                break;
            case 'd':
                if (run >= 3) {
                    const int wd = Weekday({d.year, d.month, d.day});
                    const char* name = kDays[wd];
                    if (run == 3)
                        out.append(name, 3);
                    else
                        out += name;
                } else {
                    AppendPadded(out, d.day, static_cast<int>(run));
                }
                afterHour = false;
                break;
            case 'h':
                AppendPadded(out, d.hour, run >= 2 ? 2 : 1);
                afterHour = true;
                break;
            case 'n':
                AppendPadded(out, d.minute, run >= 2 ? 2 : 1);
                afterHour = false;
                break;
            case 's':
                AppendPadded(out, d.second, run >= 2 ? 2 : 1);
                afterHour = false;
                break;
        }
    }
}

// ---------------------------------------------------------------- tokens

enum class Tok { End, Word, QuotedName, Number, String, Date, Punct };

struct Token {
    Tok kind = Tok::End;
    std::string text;  // word/name/number as written; string/date value; punctuation
    std::size_t offset = 0;
};

std::size_t CharPosition(std::string_view sql, std::size_t byteOffset) {
    std::size_t chars = 0;
    for (std::size_t i = 0; i < byteOffset && i < sql.size(); ++i)
        if ((static_cast<unsigned char>(sql[i]) & 0xC0) != 0x80) ++chars;
    return chars + 1;
}

bool IsWordByte(unsigned char c) {
    return std::isalnum(c) || c == '_' || c >= 0x80;
}

std::vector<Token> Tokenize(std::string_view sql) {
    std::vector<Token> out;
    std::size_t i = 0;
    auto fail = [&](std::size_t at, const std::string& what) -> void {
        throw JetSqlError(CharPosition(sql, at), what);
    };
    while (i < sql.size()) {
        const unsigned char c = static_cast<unsigned char>(sql[i]);
        if (std::isspace(c)) {
            ++i;
            continue;
        }
        Token t;
        t.offset = i;
        if (c == '\'' || c == '"') {
            // Jet takes both quote characters for text; a doubled quote stands for one.
            const char q = static_cast<char>(c);
            ++i;
            for (;;) {
                if (i >= sql.size()) fail(t.offset, "text literal is not closed");
                if (sql[i] == q) {
                    if (i + 1 < sql.size() && sql[i + 1] == q) {
                        t.text += q;
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                t.text += sql[i++];
            }
            t.kind = Tok::String;
        } else if (c == '#') {
            const std::size_t end = sql.find('#', i + 1);
            if (end == std::string_view::npos) fail(i, "date literal is not closed");
            const std::optional<DateTime> d = ParseDateTime(sql.substr(i + 1, end - i - 1));
            if (!d)
                fail(i, "'" + std::string(sql.substr(i, end - i + 1)) + "' is not a valid date");
            t.kind = Tok::Date;
            t.text = IsoText(*d);
            i = end + 1;
        } else if (c == '[' || c == '`') {
            const char close = c == '[' ? ']' : '`';
            const std::size_t end = sql.find(close, i + 1);
            if (end == std::string_view::npos) fail(i, "name is not closed");
            t.kind = Tok::QuotedName;
            t.text = std::string(sql.substr(i + 1, end - i - 1));
            if (t.text.empty() || t.text.find('"') != std::string::npos)
                fail(i, "invalid name '" + t.text + "'");
            i = end + 1;
        } else if (std::isdigit(c) || (c == '.' && i + 1 < sql.size() &&
                                       std::isdigit(static_cast<unsigned char>(sql[i + 1])))) {
            std::size_t j = i;
            while (j < sql.size() && std::isdigit(static_cast<unsigned char>(sql[j]))) ++j;
            if (j < sql.size() && sql[j] == '.') {
                ++j;
                while (j < sql.size() && std::isdigit(static_cast<unsigned char>(sql[j]))) ++j;
            }
            if (j < sql.size() && (sql[j] == 'e' || sql[j] == 'E')) {
                std::size_t k = j + 1;
                if (k < sql.size() && (sql[k] == '+' || sql[k] == '-')) ++k;
                if (k < sql.size() && std::isdigit(static_cast<unsigned char>(sql[k]))) {
                    j = k;
                    while (j < sql.size() && std::isdigit(static_cast<unsigned char>(sql[j]))) ++j;
                }
            }
            // A word may follow a number directly ("bh = 8and c.bh = 11"), as Jet allows.
            t.kind = Tok::Number;
            t.text = std::string(sql.substr(i, j - i));
            i = j;
        } else if (IsWordByte(c)) {
            std::size_t j = i;
            while (j < sql.size() && IsWordByte(static_cast<unsigned char>(sql[j]))) ++j;
            t.kind = Tok::Word;
            t.text = std::string(sql.substr(i, j - i));
            i = j;
        } else {
            static constexpr std::string_view kTwo[] = {"<>", "<=", ">="};
            t.kind = Tok::Punct;
            const std::string_view two = sql.substr(i, 2);
            if (std::find(std::begin(kTwo), std::end(kTwo), two) != std::end(kTwo)) {
                t.text = std::string(two);
                i += 2;
            } else if (std::string_view("(),.*+-/=<>&\\;").find(static_cast<char>(c)) !=
                       std::string_view::npos) {
                t.text = std::string(1, static_cast<char>(c));
                ++i;
            } else {
                fail(i, std::string("unexpected character '") + static_cast<char>(c) + "'");
            }
        }
        out.push_back(std::move(t));
    }
    Token end;
    end.offset = sql.size();
    out.push_back(end);
    return out;
}

// ---------------------------------------------------------------- parser and emitter

// Jet's one-character lists of a LIKE pattern ("[%]", "[_]", "[[]", "[a]") as SQLite's
// escapes with "\\"; a backslash of the pattern is itself. Longer lists ("[a-z]") are not
// part of the dialect this program uses: none for them.
std::optional<std::string> EscapedLikePattern(std::string_view jet) {
    std::string out;
    for (std::size_t i = 0; i < jet.size(); ++i) {
        if (jet[i] == '[') {
            // One character, of one to four UTF-8 bytes, then "]".
            const unsigned char lead =
                i + 1 < jet.size() ? static_cast<unsigned char>(jet[i + 1]) : 0;
            const std::size_t bytes = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
            if (i + 1 + bytes >= jet.size() || jet[i + 1 + bytes] != ']') return std::nullopt;
            const char c = jet[i + 1];
            if (c == '%' || c == '_' || c == '\\') out += '\\';
            out.append(jet.substr(i + 1, bytes));
            i += 1 + bytes;
        } else {
            if (jet[i] == '\\') out += '\\';
            out += jet[i];
        }
    }
    return out;
}

std::string QuoteName(std::string_view name) {
    return "\"" + std::string(name) + "\"";
}

struct SelectParts {
    bool distinct = false;
    std::optional<long long> top;
    std::string columns, from, where, groupBy, having, orderBy;
};

std::string EmitSelect(const SelectParts& s) {
    std::string out = "SELECT ";
    if (s.distinct) out += "DISTINCT ";
    out += s.columns;
    if (!s.from.empty()) out += " FROM " + s.from;
    if (!s.where.empty()) out += " WHERE " + s.where;
    if (!s.groupBy.empty()) out += " GROUP BY " + s.groupBy;
    if (!s.having.empty()) out += " HAVING " + s.having;
    if (!s.orderBy.empty()) out += " ORDER BY " + s.orderBy;
    if (s.top) out += " LIMIT " + std::to_string(*s.top);
    return out;
}

class Parser {
  public:
    Parser(std::string_view sql) : m_sql(sql), m_tokens(Tokenize(sql)) {}

    std::string Statement() {
        std::string out = Compound();
        if (IsPunct(";")) Advance();
        if (Peek().kind != Tok::End) Fail("unexpected " + Describe(Peek()));
        return out;
    }

  private:
    std::string_view m_sql;
    std::vector<Token> m_tokens;
    std::size_t m_pos = 0;
    int m_depth = 0;

    const Token& Peek(std::size_t ahead = 0) const {
        return m_tokens[std::min(m_pos + ahead, m_tokens.size() - 1)];
    }
    const Token& Advance() { return m_tokens[std::min(m_pos++, m_tokens.size() - 1)]; }

    [[noreturn]] void Fail(const std::string& what) const {
        throw JetSqlError(CharPosition(m_sql, Peek().offset), what);
    }
    static std::string Describe(const Token& t) {
        switch (t.kind) {
            case Tok::End:
                return "end of text";
            case Tok::String:
                return "text '" + t.text + "'";
            case Tok::Date:
                return "date #" + t.text + "#";
            default:
                return "'" + t.text + "'";
        }
    }

    bool IsWord(std::string_view kw, std::size_t ahead = 0) const {
        const Token& t = Peek(ahead);
        return t.kind == Tok::Word && Upper(t.text) == kw;
    }
    bool IsPunct(std::string_view p) const { return Peek().kind == Tok::Punct && Peek().text == p; }
    void ExpectWord(std::string_view kw) {
        if (!IsWord(kw)) Fail("expected " + std::string(kw) + ", found " + Describe(Peek()));
        Advance();
    }
    void ExpectPunct(std::string_view p) {
        if (!IsPunct(p)) Fail("expected '" + std::string(p) + "', found " + Describe(Peek()));
        Advance();
    }

    // Guards the recursion against texts built to exhaust the stack.
    struct DepthGuard {
        Parser& p;
        explicit DepthGuard(Parser& parser) : p(parser) {
            if (++p.m_depth > 200) p.Fail("text nested too deeply");
        }
        ~DepthGuard() { --p.m_depth; }
    };

    // compound := select { UNION [ALL] select }
    std::string Compound() {
        DepthGuard guard(*this);
        std::vector<std::pair<SelectParts, std::string>> members;  // parts, operator before
        std::string op;
        for (;;) {
            members.emplace_back(Select(), op);
            if (!IsWord("UNION")) break;
            Advance();
            op = " UNION ";
            if (IsWord("ALL")) {
                Advance();
                op = " UNION ALL ";
            }
        }
        if (members.size() == 1) return EmitSelect(members[0].first);
        // SQLite takes ORDER BY and LIMIT only once, after the last member; Jet lets each
        // member have its own top. A member that needs its own is wrapped.
        std::string out;
        for (std::size_t i = 0; i < members.size(); ++i) {
            SelectParts& m = members[i].first;
            const bool last = i + 1 == members.size();
            std::string trailingOrder;
            if (last && !m.top && !m.orderBy.empty()) std::swap(trailingOrder, m.orderBy);
            out += members[i].second;
            if (m.top || !m.orderBy.empty())
                out += "SELECT * FROM (" + EmitSelect(m) + ")";
            else
                out += EmitSelect(m);
            if (!trailingOrder.empty()) out += " ORDER BY " + trailingOrder;
        }
        return out;
    }

    SelectParts Select() {
        SelectParts s;
        ExpectWord("SELECT");
        if (IsWord("DISTINCT") || IsWord("DISTINCTROW")) {
            Advance();
            s.distinct = true;
        } else if (IsWord("ALL")) {
            Advance();
        }
        if (IsWord("TOP")) {
            Advance();
            const Token& n = Peek();
            long long value = -1;
            if (n.kind == Tok::Number)
                std::from_chars(n.text.data(), n.text.data() + n.text.size(), value);
            if (n.kind != Tok::Number || value < 0 ||
                n.text.find_first_of(".eE") != std::string::npos)
                Fail("expected a whole number after TOP, found " + Describe(n));
            Advance();
            if (IsWord("PERCENT")) Fail("TOP ... PERCENT is not supported");
            s.top = value;
        }
        s.columns = SelectList();
        if (IsWord("INTO")) Fail("SELECT ... INTO is not allowed: reference data is read-only");
        if (IsWord("FROM")) {
            Advance();
            s.from = FromList();
        }
        if (IsWord("WHERE")) {
            Advance();
            s.where = Expr();
        }
        if (IsWord("GROUP")) {
            Advance();
            ExpectWord("BY");
            s.groupBy = ExprList();
        }
        if (IsWord("HAVING")) {
            Advance();
            s.having = Expr();
        }
        if (IsWord("ORDER")) {
            Advance();
            ExpectWord("BY");
            for (;;) {
                s.orderBy += Expr();
                if (IsWord("ASC") || IsWord("DESC")) s.orderBy += " " + Upper(Advance().text);
                if (!IsPunct(",")) break;
                Advance();
                s.orderBy += ", ";
            }
        }
        return s;
    }

    std::string SelectList() {
        std::string out;
        for (;;) {
            if (IsPunct("*")) {
                Advance();
                out += "*";
            } else {
                out += Expr();
                if (IsWord("AS")) {
                    Advance();
                    out += " AS " + Alias();
                } else if ((Peek().kind == Tok::Word && !IsKeyword(Peek().text)) ||
                           Peek().kind == Tok::QuotedName) {
                    out += " AS " + Alias();
                }
            }
            if (!IsPunct(",")) break;
            Advance();
            out += ", ";
        }
        return out;
    }

    std::string Alias() {
        const Token& t = Peek();
        if ((t.kind == Tok::Word && !IsKeyword(t.text)) || t.kind == Tok::QuotedName ||
            t.kind == Tok::String) {
            Advance();
            return QuoteName(t.text);
        }
        Fail("expected a name, found " + Describe(t));
    }

    std::string FromList() {
        std::string out;
        for (;;) {
            out += FromItem();
            if (IsWord("JOIN") || IsWord("LEFT") || IsWord("RIGHT") || IsWord("INNER"))
                Fail("JOIN is not supported; list the tables with commas");
            if (!IsPunct(",")) break;
            Advance();
            out += ", ";
        }
        return out;
    }

    std::string FromItem() {
        std::string out;
        const Token& t = Peek();
        if (IsPunct("(")) {
            Advance();
            if (!IsWord("SELECT")) Fail("expected SELECT, found " + Describe(Peek()));
            out = "(" + Compound() + ")";
            ExpectPunct(")");
        } else if ((t.kind == Tok::Word && !IsKeyword(t.text)) || t.kind == Tok::QuotedName ||
                   t.kind == Tok::Number) {
            // A table may be named by digits alone (the table of the 81 numbers).
            if (t.kind == Tok::Number &&
                t.text.find_first_not_of("0123456789") != std::string::npos)
                Fail("expected a table name, found " + Describe(t));
            Advance();
            out = QuoteName(t.text);
        } else {
            Fail("expected a table name, found " + Describe(t));
        }
        if (IsWord("AS")) {
            Advance();
            out += " AS " + Alias();
        } else if ((Peek().kind == Tok::Word && !IsKeyword(Peek().text) && !IsWord("LEFT") &&
                    !IsWord("RIGHT")) ||
                   Peek().kind == Tok::QuotedName) {
            out += " AS " + Alias();
        }
        return out;
    }

    std::string ExprList() {
        std::string out = Expr();
        while (IsPunct(",")) {
            Advance();
            out += ", " + Expr();
        }
        return out;
    }

    // expr := and { OR and }
    std::string Expr() {
        DepthGuard guard(*this);
        std::string out = AndExpr();
        while (IsWord("OR")) {
            Advance();
            out = "(" + out + " OR " + AndExpr() + ")";
        }
        return out;
    }

    std::string AndExpr() {
        std::string out = NotExpr();
        while (IsWord("AND")) {
            Advance();
            out = "(" + out + " AND " + NotExpr() + ")";
        }
        return out;
    }

    std::string NotExpr() {
        if (IsWord("NOT")) {
            DepthGuard guard(*this);
            Advance();
            return "(NOT " + NotExpr() + ")";
        }
        return Comparison();
    }

    std::string Comparison() {
        std::string left = Additive();
        if (Peek().kind == Tok::Punct) {
            static constexpr std::string_view kOps[] = {"=", "<>", "<", ">", "<=", ">="};
            const std::string& p = Peek().text;
            if (std::find(std::begin(kOps), std::end(kOps), p) != std::end(kOps)) {
                Advance();
                return "(" + left + " " + p + " " + Additive() + ")";
            }
            return left;
        }
        bool negated = false;
        if (IsWord("NOT") && (IsWord("LIKE", 1) || IsWord("IN", 1) || IsWord("BETWEEN", 1))) {
            Advance();
            negated = true;
        }
        const std::string no = negated ? "NOT " : "";
        if (IsWord("LIKE")) {
            Advance();
            // A pattern written as one literal may use Jet's one-character lists to match a
            // wildcard as itself: '%50[%]%'. SQLite says the same with an escape character.
            const bool joined =
                Peek(1).kind == Tok::Punct && (Peek(1).text == "+" || Peek(1).text == "&");
            if (Peek().kind == Tok::String && Peek().text.find('[') != std::string::npos &&
                !joined) {
                const auto pattern = EscapedLikePattern(Peek().text);
                if (!pattern) Fail("only one-character lists [x] are supported in LIKE patterns");
                Advance();
                return "(" + left + " " + no + "LIKE " + SqlQuote(*pattern) + " ESCAPE '\\')";
            }
            return "(" + left + " " + no + "LIKE " + Additive() + ")";
        }
        if (IsWord("BETWEEN")) {
            Advance();
            std::string low = Additive();
            ExpectWord("AND");
            return "(" + left + " " + no + "BETWEEN " + low + " AND " + Additive() + ")";
        }
        if (IsWord("IN")) {
            Advance();
            ExpectPunct("(");
            std::string list = IsWord("SELECT") ? Compound() : ExprList();
            ExpectPunct(")");
            return "(" + left + " " + no + "IN (" + list + "))";
        }
        if (IsWord("IS")) {
            Advance();
            std::string is = "IS ";
            if (IsWord("NOT")) {
                Advance();
                is = "IS NOT ";
            }
            ExpectWord("NULL");
            return "(" + left + " " + is + "NULL)";
        }
        return left;
    }

    // Jet's + joins texts and adds numbers; & always joins, taking NULL as empty text.
    std::string Additive() {
        std::string out = Multiplicative();
        for (;;) {
            if (IsPunct("+")) {
                Advance();
                out = "jet_add(" + out + ", " + Multiplicative() + ")";
            } else if (IsPunct("-")) {
                Advance();
                out = "(" + out + " - " + Multiplicative() + ")";
            } else if (IsPunct("&")) {
                Advance();
                out = "(ifnull(" + out + ",'') || ifnull(" + Multiplicative() + ",''))";
            } else {
                return out;
            }
        }
    }

    std::string Multiplicative() {
        std::string out = Unary();
        for (;;) {
            if (IsPunct("*")) {
                Advance();
                out = "(" + out + " * " + Unary() + ")";
            } else if (IsPunct("/")) {
                Advance();
                out = "(CAST(" + out + " AS REAL) / " + Unary() + ")";
            } else if (IsPunct("\\")) {
                Advance();
                out = "(CAST(" + out + " AS INTEGER) / CAST(" + Unary() + " AS INTEGER))";
            } else if (IsWord("MOD")) {
                Advance();
                out = "(CAST(" + out + " AS INTEGER) % CAST(" + Unary() + " AS INTEGER))";
            } else {
                return out;
            }
        }
    }

    std::string Unary() {
        if (IsPunct("-") || IsPunct("+")) {
            DepthGuard guard(*this);
            const std::string sign = Advance().text;
            return "(" + sign + Unary() + ")";
        }
        return Primary();
    }

    std::string Primary() {
        const Token& t = Peek();
        switch (t.kind) {
            case Tok::Number:
                Advance();
                return t.text;
            case Tok::String:
                Advance();
                return SqlQuote(t.text);
            case Tok::Date:
                Advance();
                return SqlQuote(t.text);
            case Tok::Punct:
                if (t.text == "(") {
                    Advance();
                    std::string inner = IsWord("SELECT") ? Compound() : Expr();
                    ExpectPunct(")");
                    return "(" + inner + ")";
                }
                break;
            case Tok::QuotedName:
                return ColumnRef();
            case Tok::Word: {
                const std::string u = Upper(t.text);
                if (u == "NULL") {
                    Advance();
                    return "NULL";
                }
                if (u == "EXISTS") {
                    Advance();
                    ExpectPunct("(");
                    std::string sub = Compound();
                    ExpectPunct(")");
                    return "EXISTS (" + sub + ")";
                }
                if (Peek(1).kind == Tok::Punct && Peek(1).text == "(") return Function();
                if (IsKeyword(t.text)) break;
                return ColumnRef();
            }
            case Tok::End:
                break;
        }
        Fail("expected a value, found " + Describe(t));
    }

    std::string ColumnRef() {
        std::string out = QuoteName(Advance().text);
        if (IsPunct(".")) {
            Advance();
            if (IsPunct("*")) {
                Advance();
                return out + ".*";
            }
            const Token& t = Peek();
            if (t.kind != Tok::Word && t.kind != Tok::QuotedName)
                Fail("expected a column name, found " + Describe(t));
            Advance();
            out += "." + QuoteName(t.text);
        }
        return out;
    }

    std::string Function() {
        const Token& name = Peek();
        const DialectEntry* e = LookUp(name.text);
        if (e == nullptr || e->kind != Word::Function) Fail("unknown function '" + name.text + "'");
        Advance();
        ExpectPunct("(");
        std::vector<std::string> args;
        if (!IsPunct(")")) {
            for (;;) {
                if (IsPunct("*") && e->name == "COUNT") {
                    Advance();
                    args.emplace_back("*");
                } else {
                    args.push_back(Expr());
                }
                if (!IsPunct(",")) break;
                Advance();
            }
        }
        if (static_cast<int>(args.size()) < e->minArgs ||
            static_cast<int>(args.size()) > e->maxArgs)
            Fail("wrong number of arguments to " + name.text);
        ExpectPunct(")");
        std::string out;
        for (std::size_t i = 0; i < e->sqlite.size(); ++i) {
            const char c = e->sqlite[i];
            if (c == '$' && i + 1 < e->sqlite.size()) {
                const char n = e->sqlite[++i];
                if (n == '*') {
                    for (std::size_t k = 0; k < args.size(); ++k) out += (k ? "," : "") + args[k];
                } else {
                    out += args[static_cast<std::size_t>(n - '1')];
                }
            } else {
                out += c;
            }
        }
        return out;
    }
};

// ---------------------------------------------------------------- SQL functions

std::string NumberText(sqlite3_value* v) {
    if (sqlite3_value_type(v) == SQLITE_INTEGER) return std::to_string(sqlite3_value_int64(v));
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.15g", sqlite3_value_double(v));
    return buf;
}

std::string ValueText(sqlite3_value* v) {
    const int type = sqlite3_value_type(v);
    if (type == SQLITE_INTEGER || type == SQLITE_FLOAT) return NumberText(v);
    const unsigned char* text = sqlite3_value_text(v);
    return text ? std::string(reinterpret_cast<const char*>(text),
                              static_cast<std::size_t>(sqlite3_value_bytes(v)))
                : std::string();
}

void JetAdd(sqlite3_context* ctx, int, sqlite3_value** argv) {
    const int a = sqlite3_value_type(argv[0]);
    const int b = sqlite3_value_type(argv[1]);
    if (a == SQLITE_NULL || b == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    const bool numA = a == SQLITE_INTEGER || a == SQLITE_FLOAT;
    const bool numB = b == SQLITE_INTEGER || b == SQLITE_FLOAT;
    if (numA && numB) {
        long long sum = 0;
        if (a == SQLITE_INTEGER && b == SQLITE_INTEGER &&
            !__builtin_add_overflow(sqlite3_value_int64(argv[0]), sqlite3_value_int64(argv[1]),
                                    &sum)) {
            sqlite3_result_int64(ctx, sum);
        } else {
            sqlite3_result_double(ctx,
                                  sqlite3_value_double(argv[0]) + sqlite3_value_double(argv[1]));
        }
        return;
    }
    const std::string joined = ValueText(argv[0]) + ValueText(argv[1]);
    sqlite3_result_text(ctx, joined.data(), static_cast<int>(joined.size()), SQLITE_TRANSIENT);
}

void JetFormat(sqlite3_context* ctx, int, sqlite3_value** argv) {
    const int type = sqlite3_value_type(argv[0]);
    if (type == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    const std::string format = ValueText(argv[1]);
    std::string out;
    bool ok = false;
    if (type == SQLITE_INTEGER || type == SQLITE_FLOAT) {
        if (const auto d = FromJetSerial(sqlite3_value_double(argv[0]))) {
            FormatDate(*d, format, out);
            ok = true;
        }
    } else {
        ok = FormatJetDate(ValueText(argv[0]), format, out);
    }
    if (!ok) out = ValueText(argv[0]);
    sqlite3_result_text(ctx, out.data(), static_cast<int>(out.size()), SQLITE_TRANSIENT);
}

void JetRight(sqlite3_context* ctx, int, sqlite3_value** argv) {
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    const std::string text = ValueText(argv[0]);
    const long long n = sqlite3_value_int64(argv[1]);
    // Count characters, not bytes: find the start of the n-th character from the end.
    std::size_t start = text.size();
    for (long long k = 0; k < n && start > 0;) {
        --start;
        if ((static_cast<unsigned char>(text[start]) & 0xC0) != 0x80) ++k;
    }
    sqlite3_result_text(ctx, text.data() + start, static_cast<int>(text.size() - start),
                        SQLITE_TRANSIENT);
}

}  // namespace

bool FormatJetDate(std::string_view value, std::string_view format, std::string& out) {
    const std::optional<DateTime> d = ParseDateTime(value);
    if (!d) return false;
    out.clear();
    FormatDate(*d, format, out);
    return true;
}

std::string TranslateJetSql(std::string_view jet) {
    Parser parser(jet);
    return parser.Statement();
}

const std::string& TranslateJetSqlCached(std::string_view jet) {
    thread_local std::unordered_map<std::string, std::string> cache;
    if (auto it = cache.find(std::string(jet)); it != cache.end()) return it->second;
    // Generation builds many one-off texts; keep the cache from growing without bound.
    if (cache.size() >= 4096) cache.clear();
    std::string sqlite = TranslateJetSql(jet);
    return cache.emplace(std::string(jet), std::move(sqlite)).first->second;
}

int RegisterJetFunctions(sqlite3* db) {
    const int flags = SQLITE_UTF8 | SQLITE_DETERMINISTIC | SQLITE_INNOCUOUS;
    int rc = sqlite3_create_function(db, "jet_add", 2, flags, nullptr, JetAdd, nullptr, nullptr);
    if (rc == SQLITE_OK)
        rc = sqlite3_create_function(db, "jet_format", 2, flags, nullptr, JetFormat, nullptr,
                                     nullptr);
    if (rc == SQLITE_OK)
        rc =
            sqlite3_create_function(db, "jet_right", 2, flags, nullptr, JetRight, nullptr, nullptr);
    return rc;
}

}  // namespace qinghe
