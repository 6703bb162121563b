// The calendar tables are computed, not copied: JQ from the project's solar astronomy, the
// others from the cycle rules in calendar/CycleReadings.
#include "CalendarTables.h"

#include <sqlite3.h>

#include <stdexcept>
#include <string>

#include "calendar/CycleReadings.h"
#include "calendar/SolarAstronomy.h"
#include "calendar/SolarTerms.h"

namespace qinghe::refdata {
namespace {

// One prepared INSERT, bound and stepped per row.
class Insert {
  public:
    Insert(BuildDb& db, const char* sql) : m_db(db.handle()) {
        if (sqlite3_prepare_v2(m_db, sql, -1, &m_stmt, nullptr) != SQLITE_OK)
            throw std::runtime_error(std::string("cannot prepare: ") + sqlite3_errmsg(m_db));
    }
    ~Insert() { sqlite3_finalize(m_stmt); }
    Insert(const Insert&) = delete;
    Insert& operator=(const Insert&) = delete;

    Insert& Bind(int column, const std::string& text) {
        sqlite3_bind_text(m_stmt, column, text.c_str(), static_cast<int>(text.size()),
                          SQLITE_TRANSIENT);
        return *this;
    }
    Insert& Bind(int column, int value) {
        sqlite3_bind_int(m_stmt, column, value);
        return *this;
    }
    void Step() {
        if (sqlite3_step(m_stmt) != SQLITE_DONE)
            throw std::runtime_error(std::string("insert failed: ") + sqlite3_errmsg(m_db));
        sqlite3_reset(m_stmt);
    }

  private:
    sqlite3* m_db;
    sqlite3_stmt* m_stmt = nullptr;
};

void FillJQ(BuildDb& db) {
    Insert row(db, "INSERT INTO JQ (YearA, JQ, SJ) VALUES (?, ?, ?)");
    for (int year = kFirstTermYear; year <= kLastTermYear; ++year)
        for (int n = 0; n < 24; ++n) {
            // Moments to the second, rounded: the table's SJ carries no fractions.
            const Moment m = RoundedToSecond(astro::ExactSolarTermMoment(year, n));
            row.Bind(1, year).Bind(2, std::string(SolarTermName(n))).Bind(3, MomentText(m)).Step();
        }
}

void FillJiazi(BuildDb& db) {
    Insert row(db, "INSERT INTO jiazi (jiazi, layin) VALUES (?, ?)");
    for (int i = 0; i < 60; ++i) {
        const GanZhi g = GanZhiOfCycleIndex(i);
        row.Bind(1, g.Text()).Bind(2, NayinOf(g)).Step();
    }
}

void FillShishen(BuildDb& db) {
    Insert row(db, "INSERT INTO Shishen (jiazi, ShiShen) VALUES (?, ?)");
    for (int day = 1; day <= 10; ++day)
        for (int other = 1; other <= 10; ++other)
            row.Bind(1, StemText(day % 10) + StemText(other % 10))
                .Bind(2, TenGodRule(day % 10, other % 10))
                .Step();
}

void FillHzwh(BuildDb& db) {
    Insert row(db, "INSERT INTO hzwh (hz, wh) VALUES (?, ?)");
    for (const ElementRow& r : StemBranchElementRows())
        row.Bind(1, r.characters).Bind(2, r.element).Step();
}

}  // namespace

void FillCalendarTables(BuildDb& db) {
    FillJQ(db);
    FillJiazi(db);
    FillShishen(db);
    FillHzwh(db);
}

}  // namespace qinghe::refdata
