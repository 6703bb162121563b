// The Jet constructs whose meaning differs from SQLite's, checked by their results on
// the sample rows, and texts the translator must refuse with the right position.
#include <gtest/gtest.h>

#include <random>
#include <set>
#include <string>

#include "refdata/JetSql.h"
#include "refdata/ReferenceDb.h"
#include "refdata/TestFixture.h"

namespace qinghe {
namespace {

class JetSqlOnSamples : public test::WithSampleRows<::testing::Test> {
  protected:
    static RefQuery Run(std::string_view file, std::string_view sql) {
        return RefQuery(s_fixture->File(file), sql);
    }
    static std::vector<std::string> Column(std::string_view file, std::string_view sql,
                                           int column = 0) {
        RefQuery q = Run(file, sql);
        std::vector<std::string> out;
        for (q.First(); !q.Eof(); q.Next()) out.push_back(q.AsText(column));
        return out;
    }
};

TEST_F(JetSqlOnSamples, TopInsideNestedSubqueryLimitsThatSubqueryAfterItsOrder) {
    // The two best combinations by (jxjx, zf desc) for surname strokes 11 are 8 and 6 strokes;
    // 11 strokes (jxjx 2) must not take part.
    const auto names =
        Column(kRedoviv,
               "select top 100000 zi1 as zi from (select b.zi as zi1 from (select "
               "top 2 bh21,zf from zh where lx = 11 and bh11 = 11 and zf > 60 order "
               "by jxjx,zf desc)a, word b where a.bh21 = b.bh and b.aflag is null)d");
    EXPECT_EQ(std::set<std::string>(names.begin(), names.end()),
              (std::set<std::string>{"明", "宇"}));
}

TEST_F(JetSqlOnSamples, TopOneStarAndTopWithOrderAtTheOuterLevel) {
    EXPECT_EQ(Column(kRedoviv, "select top 3 zi from word where aflag is null order by px desc"),
              (std::vector<std::string>{"白", "云", "婷"}));
    RefQuery q = Run(kTalBirth, "Select top 1 * from huangdao order by gn desc");
    ASSERT_EQ(q.RecordCount(), 1);
    EXPECT_EQ(q.AsText("gn"), "2024-01-06");
    EXPECT_EQ(q.FieldCount(), 11);
}

TEST_F(JetSqlOnSamples, PlusJoinsTextsAndAddsNumbersInOneSelect) {
    RefQuery q = Run(kRedoviv,
                     "select '张' + a.zi + b.zi + '(85分)' as mz,(a.px + b.px + a.id) as px, "
                     "a.nan + b.nan as you from word a, word b where a.zi = '明' and b.zi = '浩'");
    ASSERT_EQ(q.RecordCount(), 1);
    EXPECT_EQ(q.AsText("mz"), "张明浩(85分)");
    EXPECT_EQ(q.AsInteger("px"), 1 + 2 + 3);
    EXPECT_EQ(q.AsInteger("you"), 2);
    // The sum is a number, not the text "6".
    EXPECT_TRUE(std::holds_alternative<std::int64_t>(q.Field("px")));
}

TEST_F(JetSqlOnSamples, PlusWithNullIsNullAndNumberJoinsTextAsItsDigits) {
    RefQuery q = Run(kRedoviv,
                     "select zi + Aflag as a, zi + bh as b, pinyin1 + '-' + pinyin2 as c from "
                     "(select zi, Aflag, bh, pinyin as pinyin1, NULL as pinyin2 from word where zi "
                     "= '明')");
    ASSERT_EQ(q.RecordCount(), 1);
    EXPECT_TRUE(q.IsNull("a"));
    EXPECT_EQ(q.AsText("b"), "明8");
    EXPECT_TRUE(q.IsNull("c"));
}

TEST_F(JetSqlOnSamples, LeftCountsCharactersNotBytes) {
    RefQuery q = Run(kRedoviv,
                     "select zi, Left(ft,1) as ft, Left(pinyin, 3) as p from word where zi = '干'");
    ASSERT_EQ(q.RecordCount(), 1);
    EXPECT_EQ(q.AsText("ft"), "乾");
    EXPECT_EQ(q.AsText("p"), "gān");
}

TEST_F(JetSqlOnSamples, FormatReadsMmAsTheMonth) {
    EXPECT_EQ(Column(kTgcode,
                     "select FORMAT(SJ,'yyyy-mm-dd') from JQ where YearA = 2000 and JQ = '立春'"),
              (std::vector<std::string>{"2000-02-04"}));
    EXPECT_EQ(
        Column(kTgcode, "select Format(SJ,'yyyy年m月d日 hh:nn:ss') from JQ where JQ = '惊蛰'"),
        (std::vector<std::string>{"2000年3月5日 14:42:44"}));
    EXPECT_EQ(Column(kTgcode, "select JQ from JQ where FORMAT(SJ,'yyyy-mm-dd') = '2000-02-19'"),
              (std::vector<std::string>{"雨水"}));
}

TEST(FormatJetDate, HourThenMIsTheMinute) {
    std::string out;
    ASSERT_TRUE(FormatJetDate("2000-2-4 20:40:24", "hh:mm", out));
    EXPECT_EQ(out, "20:40");
    ASSERT_TRUE(FormatJetDate("2000-2-4", "yy/m/d dddd \"dd\"", out));
    EXPECT_EQ(out, "00/2/4 Friday dd");
    EXPECT_FALSE(FormatJetDate("2000-2-30", "yyyy", out));
    EXPECT_FALSE(FormatJetDate("not a date", "yyyy", out));
}

TEST_F(JetSqlOnSamples, DateLiteralWithOneDigitMonthFindsTheDay) {
    EXPECT_EQ(Column(kTalBirth, "Select top 1 * from huangdao where gn = #2024-1-05#", 1),
              (std::vector<std::string>{"冬月廿四"}));
    EXPECT_EQ(Column(kTalBirth, "Select nn from huangdao where gn = #1/6/2024#"),
              (std::vector<std::string>{"冬月廿五"}));
    EXPECT_EQ(Column(kTalBirth, "Select nn from huangdao where gn >= #2024/01/06#"),
              (std::vector<std::string>{"冬月廿五"}));
}

TEST_F(JetSqlOnSamples, TableNamedByDigitsAndColumnNamedAs) {
    RefQuery q = Run(kTalFile, "Select * from 81 where num = 5");
    ASSERT_EQ(q.RecordCount(), 1);
    EXPECT_EQ(q.FieldCount(), 5);
    EXPECT_EQ(q.AsText("yy"), "福禄长寿");
    EXPECT_EQ(q.AsText("as"), "宜守成");
    EXPECT_EQ(q.AsText(4), "阴阳和合，福禄长寿。");
}

TEST_F(JetSqlOnSamples, LongTextLikeColumnFindsTheCharactersOfTheText) {
    const auto names =
        Column(kRedoviv,
               "select zi from word where 1 = 1 and Aflag is null and "
               "'床前明月光，疑是地上霜。\r\n白云深处有人家' Like '%'+ zi+ '%' order by px");
    EXPECT_EQ(names, (std::vector<std::string>{"明", "云", "白"}));
}

TEST_F(JetSqlOnSamples, SumOfOneCountsGroupRows) {
    RefQuery q = Run(kTalBirth,
                     "Select cd_num,d_dynasty,sum(1) as cs from sg group by cd_num,d_dynasty order "
                     "by cd_num asc");
    ASSERT_EQ(q.RecordCount(), 2);
    EXPECT_EQ(q.AsText("d_dynasty"), "唐");
    EXPECT_EQ(q.AsInteger("cs"), 3);
    q.Next();
    EXPECT_EQ(q.AsText("d_dynasty"), "宋");
    EXPECT_EQ(q.AsInteger("cs"), 1);
}

TEST_F(JetSqlOnSamples, UnionOfEightSelectsDropsDuplicatesAndOrdersTheWhole) {
    std::string sql = "select mz from (";
    for (int i = 0; i < 8; ++i) {
        if (i) sql += "\r\n union \r\n";
        // Selects 0..3 and 4..7 repeat each other: the union keeps one of each.
        sql += "select '张' + zi + '(" + std::to_string(80 + i % 4) + "分)' as mz, px + " +
               std::to_string(i % 4) + " as px from word where zi = '明'";
    }
    sql += ") p order by px desc";
    EXPECT_EQ(Column(kRedoviv, sql),
              (std::vector<std::string>{"张明(83分)", "张明(82分)", "张明(81分)", "张明(80分)"}));
}

TEST_F(JetSqlOnSamples, TopOnAMemberOfAUnionLimitsOnlyThatMember) {
    EXPECT_EQ(Column(kRedoviv,
                     "select top 1 zi from word where aflag is null order by px union select zi "
                     "from word where zi = '白'"),
              (std::vector<std::string>{"明", "白"}));
}

TEST_F(JetSqlOnSamples, ComparisonsInAndBetweenAndNot) {
    EXPECT_EQ(Column(kRedoviv,
                     "select zi from word where bh between 6 and 8 and not (zi = '宇') and zi in "
                     "('明','宇','李') and zi <> '李' order by px"),
              (std::vector<std::string>{"明"}));
    EXPECT_EQ(Column(kRedoviv,
                     "select count(*) from word where zi not like '%张%' and aflag is not null"),
              (std::vector<std::string>{"2"}));
}

// Jet's one-character lists match a wildcard as itself; SQLite gets an escape character.
TEST_F(JetSqlOnSamples, OneCharacterListsMatchWildcardsLiterally) {
    EXPECT_EQ(TranslateJetSql("select zi from word where zi like '%5[%]_[_]a\\%'"),
              "SELECT \"zi\" FROM \"word\" WHERE (\"zi\" LIKE '%5\\%_\\_a\\\\%' ESCAPE '\\')");
    EXPECT_EQ(Column(kRedoviv, "select count(*) from word where zi like '[%]'"),
              (std::vector<std::string>{"0"}));
    EXPECT_EQ(Column(kRedoviv, "select count(*) from word where zi like '[明]'"),
              (std::vector<std::string>{"1"}));
    EXPECT_THROW(TranslateJetSql("select zi from word where zi like '[a-z]'"), JetSqlError);
}

// Malformed texts: an error naming the character position (1-based, Chinese characters
// count one), never a crash or a different query.
struct BadSql {
    const char* name;
    const char* sql;
    std::size_t position;
};

void PrintTo(const BadSql& b, std::ostream* os) {
    *os << b.name;
}

class JetSqlRefuses : public ::testing::TestWithParam<BadSql> {};

TEST_P(JetSqlRefuses, WithThePosition) {
    const BadSql& b = GetParam();
    try {
        const std::string translated = TranslateJetSql(b.sql);
        FAIL() << "translated to " << translated;
    } catch (const JetSqlError& e) {
        EXPECT_EQ(e.position(), b.position) << e.what();
        EXPECT_NE(std::string(e.what()).find("position " + std::to_string(b.position)),
                  std::string::npos);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Malformed, JetSqlRefuses,
    ::testing::Values(
        BadSql{"Empty", "", 1}, BadSql{"SelectAlone", "select", 7},
        BadSql{"NotASelect", "delete from word", 1},
        BadSql{"UpdateRefused", "update word set bh = 1", 1},
        BadSql{"SecondStatement", "select zi from word; drop table word", 22},
        BadSql{"UnclosedText", "select zi from word where zi = 'abc", 32},
        BadSql{"ImpossibleDate", "select gn from huangdao where gn = #2024-2-30#", 36},
        BadSql{"UnclosedDate", "select gn from huangdao where gn = #2024-2-3", 36},
        BadSql{"UnknownFunction", "select Foo(zi) from word", 8},
        BadSql{"WrongArgumentCount", "select Left(zi) from word", 15},
        BadSql{"TopWithoutNumber", "select top zi from word", 12},
        BadSql{"TopPercent", "select top 5 percent zi from word", 14},
        BadSql{"PositionCountsCharacters", "select '张张' + from word", 15},
        BadSql{"UnfilledPlaceholder", "select * from 81 where num = %d", 30},
        BadSql{"DanglingOperator", "select zi from word where bh = ", 32},
        BadSql{"UnbalancedParenthesis", "select zi from (select zi from word", 36},
        BadSql{"JoinNotSupported", "select a.zi from word a inner join zh b on a.bh = b.bh21", 25},
        BadSql{"SelectInto", "select zi into copy from word", 11},
        BadSql{"StrayCharacter", "select zi from word where bh = 1 ?", 34}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(JetSqlRobustness, MutatedQueriesTranslateOrFailWithAPositionInside) {
    const std::string seeds[] = {
        "select top 100000 zi1 + zi2 as zi from (select b.zi as zi1,c.zi as zi2 from (select top "
        "50 bh21,bh22 from zh where lx = 12 order by jxjx,zf desc)a, word b,word c where a.bh21 = "
        "b.bh)d",
        "Select top 1 * from huangdao where gn = #2024-1-05#",
        "select top 1 SJ from JQ where YearA = 2000  and JQ in ('立春','惊蛰') and "
        "FORMAT(SJ,'yyyy-mm-dd') = '2000-02-04'",
    };
    std::mt19937 rng(20261209);
    const std::string alphabet = "()'#,.*+-=<>% \r\n09azAZ张";
    for (const std::string& seed : seeds) {
        for (int round = 0; round < 3000; ++round) {
            std::string text = seed;
            const int edits = 1 + static_cast<int>(rng() % 4);
            for (int k = 0; k < edits && !text.empty(); ++k) {
                const std::size_t at = rng() % text.size();
                switch (rng() % 3) {
                    case 0:
                        text.erase(at, 1 + rng() % 3);
                        break;
                    case 1:
                        text.insert(at, 1, alphabet[rng() % alphabet.size()]);
                        break;
                    default:
                        text[at] = alphabet[rng() % alphabet.size()];
                        break;
                }
            }
            try {
                TranslateJetSql(text);
            } catch (const JetSqlError& e) {
                ASSERT_GE(e.position(), 1u) << text;
                ASSERT_LE(e.position(), text.size() + 1) << text;
            }
        }
    }
}

TEST(JetSqlRobustness, DeepNestingIsRefusedNotAStackOverflow) {
    const std::string deep = "select " + std::string(100000, '(') + "1" + std::string(100000, ')');
    EXPECT_THROW(TranslateJetSql(deep), JetSqlError);
    const std::string minus = "select " + std::string(100000, '-') + "1";
    EXPECT_THROW(TranslateJetSql(minus), JetSqlError);
}

}  // namespace
}  // namespace qinghe
