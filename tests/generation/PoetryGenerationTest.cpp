// Poetry naming on the reference files of the program's folder: the collection and its
// search, the naming query's pieces, and the names a text gives (only its characters, never
// a repeated one, lowest score first), with the lines each comes from.
#include <gtest/gtest.h>

#include <set>

#include "base/Utf8.h"
#include "generation/PoetryGeneration.h"
#include "refdata/ReferenceDb.h"
#include "refdata/TestFixture.h"

namespace qinghe {
namespace {

class PoetryTest : public ::testing::Test {
  protected:
    static std::vector<GeneratedName> Names(const PoetrySettings& s) {
        std::vector<GeneratedName> names;
        std::atomic<bool> flag{true};
        RunPoetryGeneration(s, flag, [&](const GeneratedName& n) { names.push_back(n); });
        return names;
    }
    test::ScopedProgramFolder m_folder{QINGHE_BIN_DIR};
};

TEST_F(PoetryTest, TheCollectionAndItsSearch) {
    RefQuery count(kTalBirth, "select count(*) as n from sg");
    EXPECT_GE(count.AsInteger(0), 1500);
    const std::vector<PoemDynasty> tree = LoadPoemTree("明月");
    bool found = false;
    for (const PoemDynasty& d : tree)
        for (const PoemAuthor& a : d.authors)
            if (a.name == "李白")
                for (const PoemTitle& t : PoemTitles(a.number, "明月"))
                    found |= t.title == "静夜思";
    EXPECT_TRUE(found);
    EXPECT_TRUE(LoadPoemTree("李白's").empty());  // a quote is searched for, not an error
    EXPECT_TRUE(LoadPoemTree("%").empty());
    EXPECT_TRUE(PoemTitles(0).empty());  // a dynasty node
    EXPECT_EQ(SearchPattern("a'%_["), "'%a''[%][_][[]%'");
}

TEST_F(PoetryTest, QueryPiecesBySexAndForm) {
    PoetrySettings s;
    s.surname = "欧阳";
    s.boy = false;
    s.text = "它's";
    const std::string sql = PoetryQuery(s);
    EXPECT_NE(sql.find("and '它''s' Like '%'+ zi+ '%'"), std::string::npos) << sql;
    EXPECT_NE(sql.find(") b,zh c where a.zi <> b.zi  and c.lx = 22 and a.bh = c.bh21 and b.bh = "
                       "c.bh22 and c.bh11 = 15  and c.bh12 = 17) p where you > 0 order by zf "),
              std::string::npos)
        << sql;
    s.boy = true;
    s.twoCharGiven = false;
    s.elements = {"木", ""};
    EXPECT_NE(PoetryQuery(s).find(") a,zh c where c.lx = 21 and a.bh = c.bh21 and c.bh11 = 15 "
                                  "and c.bh12 = 17) p where wuhang1 = '木' order by zf"),
              std::string::npos);
}

TEST_F(PoetryTest, OneCharacterNamesOnlyFromTheText) {
    PoetrySettings s;
    s.surname = "李";
    s.boy = false;
    s.twoCharGiven = false;
    s.filterNames = false;
    s.text = "白日依山尽";
    const std::vector<GeneratedName> names = Names(s);
    ASSERT_FALSE(names.empty());
    for (const GeneratedName& n : names) {
        const std::string given = n.name.substr(3);
        EXPECT_NE(s.text.find(given), std::string::npos) << n.Text();
    }
}

TEST_F(PoetryTest, PairsNeverRepeatAndComeLowestScoreFirst) {
    PoetrySettings s;
    s.surname = "张";
    s.text = "明月松间照，清泉石上流。星辰映远山，云起见晨曦。春风又绿江南岸，明月何时照我还。";
    const std::vector<GeneratedName> names = Names(s);
    ASSERT_GT(names.size(), 10u);
    std::set<std::string> seen;
    for (std::size_t i = 0; i < names.size(); ++i) {
        const std::vector<std::string> c = Utf8Chars(names[i].name);
        ASSERT_EQ(c.size(), 3u);
        EXPECT_NE(c[1], c[2]) << names[i].Text();
        EXPECT_NE(s.text.find(c[1]), std::string::npos);
        EXPECT_NE(s.text.find(c[2]), std::string::npos);
        if (i > 0) {
            EXPECT_LE(names[i - 1].score, names[i].score);
        }
        seen.insert(names[i].name);
    }
    EXPECT_EQ(seen.size(), names.size());
}

TEST(PoetrySources, TheLinesOfANameAreMarked) {
    EXPECT_EQ(SourceLines("床前明月光\n疑是地上霜\n举头望明月", "明霜"),
              (std::vector<std::string>{"床前「明」月光", "疑是地上「霜」", "举头望「明」月"}));
    EXPECT_TRUE(SourceLines("春眠不觉晓", "明").empty());
}

}  // namespace
}  // namespace qinghe
