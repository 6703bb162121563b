// Solar terms: the mean-year formula's own examples, the exact astronomy against published
// moments, and the JQ look-up on small fixture files.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>

#include "calendar/SolarAstronomy.h"
#include "calendar/SolarTerms.h"
#include "refdata/ReferenceDb.h"
#include "refdata/TestFixture.h"

namespace qinghe {
namespace {

TEST(SolarTermMoment, MeanYearFormulaGivesTheAlmanacsExamples) {
    EXPECT_EQ(MomentText(SolarTermMoment(1900, 0)), "1900-01-06 02:05:00");
    EXPECT_EQ(MomentText(SolarTermMoment(2000, 2)).substr(0, 16), "2000-02-04 19:08");
    EXPECT_EQ(MomentText(SolarTermMoment(2021, 2)).substr(0, 16), "2021-02-03 21:12");
}

TEST(SolarTermOfDate, NamesTheTermOfItsMeanDay) {
    EXPECT_EQ(SolarTermOfDate({2021, 2, 3}), "立春");
    EXPECT_EQ(SolarTermOfDate({2021, 2, 4}), "");
    EXPECT_EQ(SolarTermOfDate({2000, 1, 6}), "小寒");
    EXPECT_EQ(SolarTermOfDate({2000, 1, 21}), "大寒");
    EXPECT_EQ(SolarTermOfDate({2000, 13, 1}), "");
}

TEST(IsJieTerm, TrueForTheTwelveJieOnly) {
    int jie = 0;
    for (int n = 0; n < 24; ++n) jie += IsJieTerm(SolarTermName(n)) ? 1 : 0;
    EXPECT_EQ(jie, 12);
    EXPECT_TRUE(IsJieTerm("立春"));
    EXPECT_TRUE(IsJieTerm("小寒"));
    EXPECT_FALSE(IsJieTerm("冬至"));
    EXPECT_FALSE(IsJieTerm(" 立春"));  // callers trim
    EXPECT_FALSE(IsJieTerm(""));
}

// Meeus, Astronomical Algorithms (2nd ed.), example 25.b: 1992 October 13.0 TD. With every
// VSOP87D term the apparent longitude is 199°54'21.548" and the radius 0.99760852 au (PyMeeus
// documentation, ex-Sun.rst; Meeus's truncated series gives 21.818"). Tolerance 0.01".
TEST(SunApparentLongitude, MatchesMeeusExample25bWithTheFullSeries) {
    const double expected = 199.0 + 54.0 / 60 + 21.548 / 3600;
    const double actual = astro::SunApparentLongitude(2448908.5);
    EXPECT_NEAR(actual, expected, 0.01 / 3600) << "difference " << (actual - expected) * 3600 << "\"";
}

// Meeus, example 22.a: 1987 April 10.0 TD, nutation in longitude -3.788". Tolerance 0.01".
TEST(NutationInLongitude, MatchesMeeusExample22a) {
    EXPECT_NEAR(astro::NutationInLongitude(2446895.5), -3.788, 0.01);
}

// Delta T against the values Espenak & Meeus tabulate from observation (NASA, "Historical
// Values of Delta T"): 1900 -2.7 s, 1950 29.1 s, 1980 50.5 s, 2000 63.8 s. Tolerance 1 s.
TEST(DeltaT, FollowsTheObservedValues) {
    EXPECT_NEAR(astro::DeltaTSeconds(1900.0), -2.7, 1.0);
    EXPECT_NEAR(astro::DeltaTSeconds(1950.0), 29.1, 1.0);
    EXPECT_NEAR(astro::DeltaTSeconds(1980.0), 50.5, 1.0);
    EXPECT_NEAR(astro::DeltaTSeconds(2000.0), 63.8, 1.0);
}

struct SeasonCase {
    int year;
    int term;              // 5 春分, 11 夏至, 17 秋分, 23 冬至
    const char* utMinute;  // published, UT, "YYYY-MM-DD HH:MM"
};

class EquinoxesAndSolstices : public ::testing::TestWithParam<SeasonCase> {};

// US Naval Observatory, "Earth's Seasons" (moments in UT to the minute; 1992-2003 as
// reprinted at astrologycom.com/solstinox.html, 2004-2017 as tabulated in Wikipedia's
// "Equinox" article). Tolerance: 60 s from the published minute.
TEST_P(EquinoxesAndSolstices, FallWithinAMinuteOfTheUsnoMoments) {
    const SeasonCase& c = GetParam();
    Moment published;
    ASSERT_TRUE(ParseMoment(std::string(c.utMinute) + ":00", published));
    published.ms += 8LL * 3600 * 1000;  // China Standard Time
    const Moment actual = astro::ExactSolarTermMoment(c.year, c.term);
    const double difference = static_cast<double>(actual.ms - published.ms) / 1000.0;
    EXPECT_LE(std::fabs(difference), 60.0)
        << SolarTermName(c.term) << " " << c.year << ": published " << c.utMinute
        << " UT, computed " << MomentText(actual) << " CST, difference " << difference << " s";
}

INSTANTIATE_TEST_SUITE_P(
    Usno, EquinoxesAndSolstices,
    ::testing::Values(SeasonCase{1992, 5, "1992-03-20 08:48"}, SeasonCase{1992, 11, "1992-06-21 03:14"},
                      SeasonCase{1992, 17, "1992-09-22 18:43"}, SeasonCase{1992, 23, "1992-12-21 14:43"},
                      SeasonCase{1995, 5, "1995-03-21 02:14"}, SeasonCase{1995, 23, "1995-12-22 08:17"},
                      SeasonCase{1998, 11, "1998-06-21 14:03"}, SeasonCase{1998, 17, "1998-09-23 05:37"},
                      SeasonCase{2000, 5, "2000-03-20 07:35"}, SeasonCase{2000, 11, "2000-06-21 01:48"},
                      SeasonCase{2000, 17, "2000-09-22 17:27"}, SeasonCase{2000, 23, "2000-12-21 13:37"},
                      SeasonCase{2003, 5, "2003-03-21 01:00"}, SeasonCase{2008, 11, "2008-06-20 23:59"},
                      SeasonCase{2008, 23, "2008-12-21 12:04"}, SeasonCase{2012, 5, "2012-03-20 05:14"},
                      SeasonCase{2016, 17, "2016-09-22 14:21"}, SeasonCase{2017, 23, "2017-12-21 16:28"}));

// 立春 as the Chinese almanac (Purple Mountain Observatory) lists it, to the minute.
TEST(ExactSolarTermMoment, LichunOf2000And2021ToTheMinute) {
    EXPECT_EQ(MomentText(astro::ExactSolarTermMoment(2000, 2)).substr(0, 16), "2000-02-04 20:40");
    EXPECT_EQ(MomentText(astro::ExactSolarTermMoment(2021, 2)).substr(0, 16), "2021-02-03 22:58");
    EXPECT_EQ(MomentText(astro::ExactSolarTermMoment(1990, 2)).substr(0, 16), "1990-02-04 10:14");
}

// All 4,824 moments 1900-2100: the sun stands at the term's longitude (solver converged), the
// terms come in order 14.7 to 16.0 days apart, and each lies within a day of its mean moment.
TEST(ExactSolarTermMoment, EveryTermOf1900To2100IsConsistent) {
    Moment previous{};
    int failures = 0;
    for (int year = 1900; year <= 2100 && failures < 5; ++year)
        for (int n = 0; n < 24; ++n) {
            const Moment m = astro::ExactSolarTermMoment(year, n);
            const double days = static_cast<double>(m.ms - previous.ms) / kMsPerDay;
            const double fromMean = static_cast<double>(m.ms - SolarTermMoment(year, n).ms) / kMsPerDay;
            if ((previous.ms != 0 && (days < 14.7 || days > 16.0)) || std::fabs(fromMean) > 1.0) {
                ADD_FAILURE() << year << " " << SolarTermName(n) << " " << MomentText(m)
                              << " gap " << days << " d, from mean " << fromMean << " d";
                ++failures;
            }
            previous = m;
        }
}

class JQLookUp : public ::testing::Test {
protected:
    void SetUp() override {
        m_saved = ProgramFolder();
        SetProgramFolder(m_fixture.path());
        m_fixture.Exec(kTgcode,
                       "INSERT INTO JQ VALUES (1990,'立春','1990-02-04 10:14:02'),"
                       "(1990,'雨水','1990-02-19 06:14:00'),(1990,'惊蛰','1990-03-06 04:19:00');");
    }
    void TearDown() override {
        CloseReferenceConnections();
        SetProgramFolder(m_saved);
    }
    test::FixtureFolder m_fixture;
    std::string m_saved;
};

TEST_F(JQLookUp, BeforeTheJieMomentOfTheDay) {
    EXPECT_TRUE(IsBeforeJieMoment(1990, MomentOf({1990, 2, 4}, 8, 0)));
    EXPECT_TRUE(IsBeforeJieMoment(1990, MomentOf({1990, 2, 4}, 10, 14)));
    EXPECT_FALSE(IsBeforeJieMoment(1990, MomentOf({1990, 2, 4}, 10, 15)));
    EXPECT_FALSE(IsBeforeJieMoment(1990, MomentOf({1990, 2, 4}, 23, 0)));
}

TEST_F(JQLookUp, FalseWithoutAJieOnTheDay) {
    EXPECT_FALSE(IsBeforeJieMoment(1990, MomentOf({1990, 2, 19}, 1, 0)));  // 雨水 is no 节
    EXPECT_FALSE(IsBeforeJieMoment(1990, MomentOf({1990, 2, 5}, 1, 0)));
    EXPECT_FALSE(IsBeforeJieMoment(1991, MomentOf({1990, 2, 4}, 1, 0)));  // other year
}

TEST_F(JQLookUp, FalseWhenTheFileIsMissing) {
    std::remove(m_fixture.File(kTgcode).c_str());
    CloseReferenceConnections();
    EXPECT_FALSE(IsBeforeJieMoment(1990, MomentOf({1990, 2, 4}, 8, 0)));
    EXPECT_FALSE(JieMomentsFromTable(1990).has_value());
}

TEST_F(JQLookUp, JieMomentsNeedAllTwelveRows) {
    EXPECT_FALSE(JieMomentsFromTable(1990).has_value());  // only two 节 listed
    std::string sql = "INSERT INTO JQ VALUES ";
    for (int n = 0; n < 24; n += 2)
        sql += std::string(n ? "," : "") + "(2021,'" + std::string(SolarTermName(n)) + "','" +
               MomentText(RoundedToSecond(astro::ExactSolarTermMoment(2021, n))) + "')";
    m_fixture.Exec(kTgcode, sql + ";");
    const auto moments = JieMomentsFromTable(2021);
    ASSERT_TRUE(moments.has_value());
    EXPECT_EQ(MomentText((*moments)[1]), "2021-02-03 22:58:44");
}

}  // namespace
}  // namespace qinghe
