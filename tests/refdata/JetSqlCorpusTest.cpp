// Every SQL text the program issues, as the program builds it (placeholders filled with
// typical values, lines joined with CR LF where the program joins lines), must translate
// and run on the reference schema.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "refdata/ReferenceDb.h"
#include "refdata/TestFixture.h"

namespace qinghe {
namespace {

struct CorpusEntry {
    const char* name;
    std::string_view file;
    std::string sql;
    int expectedRows;  // on the sample rows; -1 when any count will do
};

std::string Lines(std::initializer_list<std::string> lines) {
    std::string out;
    for (const std::string& l : lines) out += (out.empty() ? "" : "\r\n") + l;
    return out;
}

// Pieces of the classic-generation queries.
const std::string kBoyClause2 = " and (xb = '男' or nan = 1 or xb = '1') ";
const std::string kBoyClause1 = " and (xb = '男' or nan = 1 or xb = '0' or xb = '1') ";
const std::string kGirlClause2 = " and (xb = '女' or nv = 1 or xb = '1' or xb = '0') ";

std::string ClassicSelectPair(const std::string& suffix, int s1, int s2) {
    return "select '张' + a.zi + b.zi + '" + suffix +
           "' as mz,(a.px + b.px + a.id) as px,a.nan + b.nan as you,a.wuhang as wuhang1,"
           "b.wuhang as wuhang2  from (" +
           "select zi,px + 551 as px,id,nan,nv,wuhang from word where 1 = 1 and Aflag is null " +
           kBoyClause2 + " and bh = " + std::to_string(s1) + ") a , (" +
           "select zi,px + 5000 as px,id,nan,nv,wuhang from word where 1 = 1 and Aflag is null " +
           kBoyClause2 + " and nan = 1  and bh = " + std::to_string(s2) + ") b";
}

std::string AutoSelectPair(const std::string& suffix, int s1, int s2) {
    return "select '张' + a.zi + b.zi + '" + suffix +
           "' as mz,(a.px + b.px) as px,a.nan + b.nan as you,a.wuhang as wuhang1,b.wuhang as "
           "wuhang2 from (" +
           "select zi,px + 1000 as px,id,nan,nv,wuhang from word where 1 = 1 and Aflag is null  " +
           kBoyClause2 + " and bh = " + std::to_string(s1) + ") a , (" +
           "select zi,px + 5001 as px,id,nan,nv,wuhang from word where 1 = 1 and Aflag is null  " +
           kBoyClause2 + " and nan = 1  and bh = " + std::to_string(s2) + ") b";
}

const std::string kPoem =
    "床前明月光，疑是地上霜。\r\n举头望明月，低头思故乡。\r\n\r\n白云深处有人家";
const std::string kPoemChars =
    "select zi, wuhang, nan, nv, bh from word where 1 = 1 and Aflag is null and '" + kPoem +
    "' Like '%'+ zi+ '%'" + kBoyClause1;

const std::string kListTemplate11 =
    "select top 100000 zi1 as zi, ft1 as ft, wuhang1 as wuhang, pinyin1 as pinyin, wg, sc, zf, "
    "bh1, NULL AS bh2  from  (select b.zi as zi1, Left(b.ft,1) as ft1, b.wuhang as "
    "wuhang1,b.pinyin as pinyin1,   b.bh as bh1, a.wg, a.sc, a.zf  from   (select top 500 "
    "bh21,bh22,zf,wg,sc from zh where lx = 11 and bh11 = 11 and zf > 60 order by jxjx,zf desc)a,  "
    "  word b   where a.bh21 = b.bh and b.aflag is null ";
const std::string kListTemplate12 =
    "select top 100000 zi1 + zi2 as zi, zi2 + zi1 as zi2, ft1 + ft2 as ft,wuhang1 + wuhang2 as "
    "wuhang, pinyin1 +'-'+ pinyin2 as pinyin, wg, sc, zf, bh1, bh2  from  (select b.zi as "
    "zi1,c.zi as zi2, Left(b.ft,1) as ft1,Left(c.ft,1) as ft2,   b.wuhang as wuhang1,c.wuhang as "
    "wuhang2,b.pinyin as pinyin1,    c.pinyin as pinyin2, b.bh as bh1,c.bh as bh2, a.wg, a.sc, "
    "a.zf  from   (select top 50 bh21,bh22,zf,wg,sc from zh where lx = 12 and bh11 = 11 and zf > "
    "60 order by jxjx,zf desc)a,    word b,word c   where a.bh21 = b.bh and a.bh22 = c.bh   and "
    "b.aflag is null and c.aflag is null ";
const std::string kListTemplate21 =
    "select top 100000 zi1 as zi, ft1 as ft, wuhang1 as wuhang, pinyin1 as pinyin, wg, sc, zf, "
    "bh1, NULL AS bh2  from  (select b.zi as zi1, Left(b.ft,1) as ft1, b.wuhang as "
    "wuhang1,b.pinyin as pinyin1,   b.bh as bh1, a.wg, a.sc, a.zf  from   (select top 500 "
    "bh21,bh22,zf,wg,sc from zh where lx = 21 and bh11 = 7    and bh12 = 11 and zf > 60 order by "
    "jxjx,zf desc)a,    word b   where a.bh21 = b.bh and b.aflag is null ";
const std::string kListTemplate22 =
    "select top 100000 zi1 + zi2 as zi, ft1 + ft2 as ft,wuhang1 + wuhang2 as wuhang, pinyin1 "
    "+'-'+ pinyin2 as pinyin, wg, sc, zf, bh1, bh2  from  (select b.zi as zi1,c.zi as zi2, "
    "Left(b.ft,1) as ft1,Left(c.ft,1) as ft2, b.wuhang as wuhang1,c.wuhang as wuhang2,b.pinyin as "
    "pinyin1,    c.pinyin as pinyin2, b.bh as bh1,c.bh as bh2, a.wg, a.sc, a.zf  from   (select "
    "top 500 bh21,bh22,zf,wg,sc from zh where lx = 22 and bh11 = 7    and bh12 = 11 and zf > 60 "
    "order by jxjx,zf desc)a,    word b,word c   where a.bh21 = b.bh and a.bh22 = c.bh   and "
    "b.aflag is null and c.aflag is null ";

std::vector<CorpusEntry> Corpus() {
    const std::string poemPairSelect =
        "select '李' + a.zi + b.zi as mz,a.nan + b.nan as you,a.wuhang as wuhang1,b.wuhang as "
        "wuhang2,c.zf from (" +
        kPoemChars + ") a , (" + kPoemChars + kBoyClause1 +
        ") b ,zh c where a.zi <> b.zi  and c.lx = 12 and a.bh = c.bh21 and b.bh = c.bh22 and "
        "c.bh11 = 7";
    std::string autoUnion;
    for (int i = 0; i < 8; ++i) {
        if (i) autoUnion += "\r\n union \r\n";
        autoUnion += AutoSelectPair("(" + std::to_string(80 + i) + "分)", i % 2 ? 8 : 12, 11);
    }
    return {
        // Knowledge articles.
        {"NoterArticle", kTalBirth, "select Tite,content from Noter where Cid = 'XM001'", 1},
        // Solar terms and the birth before the jie moment.
        {"JieMomentOfDay", kTgcode,
         "select top 1 SJ from JQ where YearA = 2000  and JQ in "
         "('立春','惊蛰','清明','立夏','芒种','小暑','立秋','白露','寒露','立冬','大雪','小寒') "
         "and "
         "FORMAT(SJ,'yyyy-mm-dd') = '2000-02-04'",
         1},
        // Almanac.
        {"AlmanacDay", kTalBirth, "Select top 1 * from huangdao where gn = #2024-1-05#", 1},
        // Chart readings.
        {"TenGod", kTgcode, "select top 1 ShiShen from Shishen where jiazi = '甲丙' ", 1},
        {"Nayin", kTgcode, "select top 1 layin from jiazi where jiazi = '甲子' ", 1},
        {"ElementOfCharacter", kTgcode, "select top 1 wh from hzwh where hz like '%寅%'", 1},
        {"BoneWeightYear", kDream, "Select weight from chenggu1 where year ='1990'", 1},
        {"BoneWeightMonth", kDream, "Select weight from chenggu2 where month2 ='5'", 1},
        {"BoneWeightDay", kDream, "Select weight from chenggu3 where day2 ='12'", 1},
        {"BoneWeightHour", kDream, "Select weight from chenggu4 where time ='8'", 1},
        {"BoneWeightVerse", kDream, "Select content,content2 from chenggu where weight ='42'", 1},
        // Numerology look-ups.
        {"StrokesBySimplified", kRedoviv, "select  top 1 bh from word where zi = '张'", 1},
        {"StrokesByTraditional", kRedoviv, "select  top 1 bh from word where ft = '張' ", 1},
        {"ThreeTalentGrade", kTalFile, "Select djc from sancai where title = '木火土' ", 1},
        {"NumberReading", kTalFile, "Select * from 81 where num = 5", 1},
        {"CombinationScore", kRedoviv,
         "select  top 1 zf from zh where bh11 = 11 and bh12 = 0 and bh21 = 8 and bh22 = 11 ", 1},
        {"PinyinBySimplified", kRedoviv, "select  top 1 pinyin from word where zi = '浩'", 1},
        {"PinyinByTraditional", kRedoviv, "select  top 1 pinyin from word where ft = '雲' ", 1},
        {"ThreeTalentReading", kTalFile, "Select top 1 * from sancai2009 where title = '木火土'",
         1},
        // Classic generation: elements, combination lists.
        {"CharElementBySimplified", kRedoviv, "select wuhang from word where zi = '张'", 1},
        {"CharElementByTraditional", kRedoviv, "select wuhang from word where ft = '張' ", 1},
        {"CombosOneCharSurnameSingle", kRedoviv,
         Lines(
             {"select top 40 bh11,bh12,bh21,bh22,zf from zh where bh21 < 25 and bh22 < 25 and  lx "
              "= 11 and bh11 = 11 ",
              " order by jxjx asc,zf asc"}),
         3},
        {"CombosOneCharSurnameDouble", kRedoviv,
         Lines(
             {"select top 20 bh11,bh12,bh21,bh22,zf from zh where bh21 < 25 and bh22 < 25 and  lx "
              "= 12 and bh11 = 11 ",
              " and zf >= 80 ", " order by jxjx asc,zf asc"}),
         3},
        {"CombosFixedCharacter", kRedoviv,
         Lines(
             {"select top 80 bh11,bh12,bh21,bh22,zf from zh where bh21 < 25 and bh22 < 25 and  lx "
              "= 12 and bh11 = 11 ",
              " and bh21 = 8 ", " order by jxjx asc,zf asc"}),
         1},
        {"CombosTwoCharSurname", kRedoviv,
         Lines({"select top 20 bh11,bh12,bh21,bh22,zf from zh where bh21 < 25 and bh22 < 25 and lx "
                "= 22 and bh11 = 7 and bh12 = 11 ",
                " and bh22 = 6 ", " and zf >= 70 ", " order by jxjx asc,zf asc"}),
         1},
        // Classic generation: candidate queries.
        {"ClassicChosenPair", kRedoviv,
         Lines({"select mz from (", ClassicSelectPair("(90分)", 8, 11),
                ") p where you > 0 order by px"}),
         1},
        {"ClassicChosenPairElements", kRedoviv,
         Lines({"select mz from (", ClassicSelectPair("(90分)", 8, 11),
                ") p where (wuhang1 = '火' and wuhang2 = '水') or (wuhang1 = '水' and wuhang2 = "
                "'火')  order by px"}),
         1},
        {"ClassicFixedFirst", kRedoviv,
         Lines(
             {"select mz from (",
              "select '张' + a.zi + b.zi + '(88分)'  as mz,(a.px + b.px + a.id) as px,a.nv + b.nv "
              "as you,a.wuhang as wuhang1,b.wuhang as wuhang2  from (select top 1 '浩' as zi, 120 "
              "as px, 131 as id,nan,nv,wuhang from word where 1 = 1 ) a , (select zi,px + 5000 as "
              "px,id,nan,nv,wuhang from word where 1 = 1 and Aflag is null " +
                  kGirlClause2 + " and nv = 1  and bh = 6) b",
              ") p where wuhang1 = '水' or wuhang2 = '水' order by px"}),
         -1},
        {"ClassicSingle", kRedoviv,
         Lines({"select mz from (",
                "select '张' + a.zi + '(85分)'  as mz,(a.px + a.id) as px,1 as you,a.wuhang as "
                "wuhang1 from (select zi,px + 551 as px,id,nan,nv,wuhang from word where 1 = 1 and "
                "Aflag is null " +
                    kBoyClause1 + " and bh = 8) a ",
                ") p where wuhang1 = '火' or wuhang1 = '土'  order by px"}),
         1},
        {"ClassicSingleFixed", kRedoviv,
         Lines(
             {"select mz from (",
              "select '张' + a.zi + '(85分)' as mz,(a.px+ a.id) as px,1 as you,a.wuhang as wuhang1 "
              "from (select top 1 '明' as zi,11 as px, 100 as id,nan,nv,wuhang from word where 1 = "
              "1  ) a ",
              ") p order by px"}),
         1},
        {"ClassicAutomaticUnionOfEight", kRedoviv,
         Lines({"select mz from (", autoUnion, ") p where you > 0 order by px"}), -1},
        // List and idiom modes.
        {"SurnameData", kRedoviv,
         "select zi, Left(ft,1) as ft, pinyin, bh, wuhang from word where zi = '张'", 1},
        {"ListOneOne", kRedoviv,
         kListTemplate11 +
             " and (b.xb = '男' or b.nan = 1 or b.xb = '0' or b.xb = '1') and b.wuhang = "
             "'火'and b.bh = 8)d ",
         1},
        {"ListOneTwo", kRedoviv,
         kListTemplate12 +
             " and (b.nan + c.nan > 0) and ((b.wuhang = '火' and c.wuhang = '水') or (b.wuhang = "
             "'水' and c.wuhang = '火'))and b.zi = '明' and b.bh = 8and c.bh = 11)d ",
         1},
        {"ListTwoOne", kRedoviv,
         kListTemplate21 + " and (b.xb = '女' or b.nv = 1 or b.xb = '0' or b.xb = '1') )d ", 1},
        {"ListTwoTwoIdiom", kRedoviv,
         kListTemplate22 + " and (b.nan + c.nan > 0) and '" + kPoem + "' Like '%'+ b.zi+ '%'and '" +
             kPoem + "' Like '%'+ c.zi+ '%')d ",
         -1},
        // Poems.
        {"PoemStrokes", kRedoviv, "select bh from word where zi = '李'", 1},
        {"Dynasties", kTalBirth,
         "Select cd_num,d_dynasty,sum(1) as cs from sg group by cd_num,d_dynasty order by cd_num "
         "asc",
         2},
        {"DynastiesSearched", kTalBirth,
         "Select cd_num,d_dynasty,sum(1) as cs from sg  where d_dynasty like '%明月%' or d_author "
         "like '%明月%' or  d_title like '%明月%' or d_nr like '%明月%'  group by cd_num,d_dynasty "
         "order by cd_num asc",
         2},
        {"Authors", kTalBirth,
         "Select au_num,d_author,sum(1) as cs from sg where cd_num = 1  group by au_num,d_author "
         "order by au_num asc ",
         2},
        {"AuthorsSearched", kTalBirth,
         "Select au_num,d_author,sum(1) as cs from sg  where cd_num = 1 and (d_dynasty like '%李%' "
         "or d_author like '%李%' or  d_title like '%李%' or d_nr like '%李%')  group by "
         "au_num,d_author order by au_num asc",
         1},
        {"TitlesSearched", kTalBirth,
         "Select d_num,d_title,d_author from sg where  au_num = 1 and (d_dynasty like '%月%' or "
         "d_author like '%月%' or d_title like '%月%' or d_nr like '%月%')  order by d_num asc ",
         1},
        {"Titles", kTalBirth,
         "Select d_num,d_title,d_author from sg where au_num = 1  order by d_num asc ", 2},
        {"Poem", kTalBirth, "Select d_num,d_title,d_author,d_nr from sg where d_num = 3  ", 1},
        {"PoetrySingle", kRedoviv,
         "select mz,zf from (select '李' + a.zi as mz,1 as you,a.wuhang as wuhang1,c.zf  from (" +
             kPoemChars +
             ") a,zh c where c.lx = 11 and a.bh = c.bh21 and c.bh11 = 7) p where "
             "you > 0 order by zf ",
         1},
        {"PoetryPair", kRedoviv,
         "select mz,zf from (" + poemPairSelect +
             ") p where (wuhang1 = '水' and wuhang2 = '金') or (wuhang1 = '金' and wuhang2 = '水') "
             "order by zf ",
         2},
    };
}

void PrintTo(const CorpusEntry& e, std::ostream* os) {
    *os << e.name;
}

using SqlCorpus = test::WithSampleRows<::testing::TestWithParam<CorpusEntry>>;

TEST_P(SqlCorpus, TranslatesAndRuns) {
    const CorpusEntry& e = GetParam();
    RefQuery q;
    ASSERT_NO_THROW(q.Open(s_fixture->File(e.file), e.sql)) << e.sql;
    if (e.expectedRows >= 0) {
        EXPECT_EQ(q.RecordCount(), e.expectedRows) << e.sql;
    }
}

INSTANTIATE_TEST_SUITE_P(AllQueries, SqlCorpus, ::testing::ValuesIn(Corpus()),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace qinghe
