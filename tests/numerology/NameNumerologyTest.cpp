// Name numerology over small fixture tables: the worked examples and edge cases of the
// look-ups (missing characters, stored scores of 0, three-character given names).
#include <gtest/gtest.h>

#include "numerology/NameNumerology.h"
#include "refdata/ReferenceDb.h"
#include "refdata/TestFixture.h"

namespace qinghe {
namespace {

class NameNumerologyTest : public ::testing::Test {
  protected:
    void SetUp() override {
        m_fixture.SeedSampleRows();
        m_fixture.Exec(kRedoviv, R"(
INSERT INTO word VALUES (20,'王','王',4,'wáng','土',1,1,'0',20,1),
 (21,'小','小',3,'xiǎo','金',1,1,'1',21,NULL),
 (22,'欧','歐',15,'ōu','土',0,0,'0',22,1),
 (23,'阳','陽',17,'yáng','土',1,0,'男',23,NULL),
 (24,'明云','明雲',9,'','',0,0,'0',24,1);
INSERT INTO zh VALUES (4,0,3,8,12,0,1,'',''), (15,17,8,0,21,91,1,'','');
)");
        m_fixture.Exec(kTalFile, "INSERT INTO sancai VALUES ('土金木',2),('土火水',7);");
    }

    test::FixtureFolder m_fixture;
    test::ScopedProgramFolder m_folder{m_fixture.path()};
};

TEST_F(NameNumerologyTest, WangXiaoMingGrids) {
    EXPECT_EQ(ComputeFiveGrids("王", "小明"), (FiveGrids{5, 11, 7, 15, 9}));
    EXPECT_EQ(FiveGridNumber("王", "小明", GridKind::Outer), 9);
}

TEST_F(NameNumerologyTest, TraditionalInputCountsToo) {
    EXPECT_EQ(ComputeFiveGrids("張", "明"), ComputeFiveGrids("张", "明"));
}

TEST_F(NameNumerologyTest, MissingCharacterCountsZeroStrokes) {
    const FiveGrids g = ComputeFiveGrids("龘", "明");
    EXPECT_EQ(g.Heaven, 1);
    EXPECT_EQ(g.Person, 8);
    EXPECT_EQ(g.Outer, 2);
}

TEST_F(NameNumerologyTest, ThreeCharacterGivenNameLooksUpItsTailAsOneText) {
    // 李 7 + 明云白: 地格 and 人格 use 明 云; 总格 looks up "云白" as one text (absent: 0).
    const FiveGrids g = ComputeFiveGrids("李", "明云白");
    EXPECT_EQ(g.Earth, 8 + 12);
    EXPECT_EQ(g.Person, 7 + 8);
    EXPECT_EQ(g.Total, 7 + 8 + 0);
    // A tail that the table holds as one text does count.
    EXPECT_EQ(ComputeFiveGrids("李", "白明云").Total, 7 + 5 + 9);
}

TEST_F(NameNumerologyTest, StoredScoreWinsUnlessItIsZero) {
    // 欧阳明 has a stored combination of 91.
    EXPECT_EQ(CombinationScore("欧", "阳", "明", ""), 91);
    EXPECT_EQ(NameScore("欧阳", "明"), 91);
    // 王小明's stored row says 0, so the computed score is used: 天5 lucky 10, 地11 lucky 10,
    // 人7 lucky 30, 总15 lucky 20, 外9 unlucky 7, talents 土金木 grade 2: 18.
    EXPECT_EQ(CombinationScore("王", "", "小", "明"), 0);
    EXPECT_DOUBLE_EQ(NameScore("王", "小明"), 10 + 10 + 30 + 20 + 7 + 18);
}

TEST_F(NameNumerologyTest, ThreeTalentScoreByGrade) {
    EXPECT_EQ(ThreeTalentScore("土金木"), 18);
    EXPECT_EQ(ThreeTalentScore("土火水"), 12);
    EXPECT_EQ(ThreeTalentScore("水水水"), -1);
    EXPECT_EQ(ThreeTalentScore("土'金"), -1);  // quoted, not an SQL error
}

TEST_F(NameNumerologyTest, NumberReadingFields) {
    EXPECT_EQ(NumberReading(5, 0), "福禄长寿");
    EXPECT_EQ(NumberReading(5, 1), "吉");
    EXPECT_EQ(NumberReading(5, 2), "宜守成");
    EXPECT_EQ(NumberReading(6, 3), "天德地祥，安稳余庆。");
    EXPECT_EQ(NumberReading(7, 0), " ");
    EXPECT_EQ(NumberReading(5, 4), "");
    EXPECT_EQ(NumberReading(5, -1), "");
}

TEST_F(NameNumerologyTest, EngineErrorsAreZeroForScoresAndPropagateForReadings) {
    SetProgramFolder(m_fixture.path() + "nowhere/");
    EXPECT_EQ(CombinationScore("张", "", "明", ""), 0);
    EXPECT_THROW(NumberReading(5, 0), ReferenceDbError);
    EXPECT_THROW(ThreeTalentScore("木火土"), ReferenceDbError);
}

}  // namespace
}  // namespace qinghe
