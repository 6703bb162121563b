// The almanac table and its look-up on the reference files: every day's lunar date and
// pillars are the program's own, and the window's checks refuse what they should.
#include <gtest/gtest.h>

#include "base/Errors.h"
#include "calendar/Almanac.h"
#include "calendar/LunarCalendar.h"
#include "calendar/Sexagenary.h"
#include "refdata/ReferenceDb.h"
#include "refdata/TestFixture.h"

namespace qinghe {
namespace {

class AlmanacTest : public ::testing::Test {
  protected:
    test::ScopedProgramFolder m_folder{QINGHE_BIN_DIR};
};

// Every row of huangdao: 1901-2100, one a day, its nn the lunar date of gn.
TEST_F(AlmanacTest, EveryRowHasTheProgramsLunarDate) {
    int rows = 0, differing = 0, previous = 0;
    for (RefQuery q(kTalBirth, "select gn, nn from huangdao order by gn"); !q.Eof(); q.Next()) {
        const CivilDate date = ParseDate(q.AsText(0));
        const int day = DaysFromCivil(date);
        if (rows > 0 && day != previous + 1) ++differing;
        previous = day;
        if (q.AsText(1) != "农历" + LunarDateText(SolarToLunar(date)) && ++differing <= 3)
            ADD_FAILURE() << q.AsText(0) << ": " << q.AsText(1);
        ++rows;
    }
    EXPECT_EQ(rows, DaysFromCivil(2100, 12, 31) - DaysFromCivil(1901, 1, 1) + 1);
    EXPECT_EQ(differing, 0);
}

TEST_F(AlmanacTest, ADayAndItsLines) {
    // A month typed with one digit is accepted and goes into the query as typed.
    const auto e = AlmanacOf("2024", "1", "05");
    ASSERT_TRUE(e);
    EXPECT_EQ(e->overview.substr(0, 11), "2024-1-05  ");  // the date text as typed
    // 2024-02-10, the Spring Festival of 甲辰.
    const auto f = AlmanacOf(" 2024", "02", "10 ");
    ASSERT_TRUE(f);
    EXPECT_EQ(f->overview, "2024-02-10  农历甲辰(龙年)一月初一");
    ASSERT_EQ(f->lines.size(), 9u);
    EXPECT_EQ(f->lines[0], "岁次:甲辰年 丙寅月 甲辰日");
    EXPECT_EQ(f->lines[3].substr(0, 4), "冲:");
    EXPECT_EQ(f->lines[8].substr(0, 4), "忌:");
    // A day of a 节 belongs to the new month: 立春 2024 fell on 4 February at 16:27.
    EXPECT_EQ(AlmanacOf("2024", "02", "04")->lines[0], "岁次:甲辰年 丙寅月 戊戌日");
    EXPECT_FALSE(AlmanacOf("1850", "01", "01"));  // outside the table: no entry
}

TEST_F(AlmanacTest, ChecksInOrder) {
    const auto refused = [](const char* y, const char* m, const char* d) -> std::string {
        try {
            AlmanacOf(y, m, d);
        } catch (const InputRefused& e) {
            return e.what();
        }
        return "accepted";
    };
    EXPECT_EQ(refused("", "", ""), "请选择年!");
    EXPECT_EQ(refused("2024", " ", ""), "请选择月!");
    EXPECT_EQ(refused("2024", "02", ""), "请选择日!");
    EXPECT_EQ(refused("2024", "02", "30"), "请选择有效的日期!");
    EXPECT_EQ(refused("2024", "02", "1'"), "请选择有效的日期!");  // a quote never reaches SQL
    EXPECT_EQ(refused("2024", "1", "05"), "accepted");
}

}  // namespace
}  // namespace qinghe
