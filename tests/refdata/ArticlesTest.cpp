// The knowledge articles in the reference files: every code has its article of at least 600
// characters, the introduction is built in, and the worked examples print the figures the
// program computes.
#include <gtest/gtest.h>

#include "base/Utf8.h"
#include "numerology/NameReport.h"
#include "refdata/Articles.h"
#include "refdata/TestFixture.h"

namespace qinghe {
namespace {

class ArticlesTest : public ::testing::Test {
  protected:
    test::ScopedProgramFolder m_folder{QINGHE_BIN_DIR};
};

TEST_F(ArticlesTest, EveryCodeHasItsArticle) {
    for (const char* code :
         {"a1", "a2", "a6", "a7", "XM001", "XM002", "XM003", "XM004", "XM005", "XM006", "XM007",
          "XM008", "XM009", "XM010", "XM016", "XM017", "XM018"}) {
        const auto article = ArticleContent(code);
        ASSERT_TRUE(article) << code;
        EXPECT_GE(Utf8Length(*article), 600u) << code;
        EXPECT_EQ(*article, Trim(*article)) << code;
        EXPECT_NE(article->find("\n\n"), std::string::npos) << code << ": paragraphs";
    }
    EXPECT_FALSE(ArticleContent("XM011"));
    EXPECT_FALSE(ArticleContent("' or '1' = '1"));  // quoted, never a condition
}

TEST_F(ArticlesTest, TheIntroductionIsBuiltIn) {
    const std::string& intro = IntroductionArticle();
    EXPECT_EQ(intro.substr(0, intro.find('\n')), "起名原理");
    EXPECT_GE(Utf8Length(intro), 600u);
}

TEST_F(ArticlesTest, WorkedExamplesAgreeWithTheProgram) {
    const NameNumbers zhang = NameNumbersOf("张", "嘉禾");
    const std::string grids =
        "天格" + std::to_string(zhang.grids.Heaven) + "、人格" +
        std::to_string(zhang.grids.Person) + "、地格" + std::to_string(zhang.grids.Earth) +
        "、总格" + std::to_string(zhang.grids.Total) + "、外格" + std::to_string(zhang.grids.Outer);
    EXPECT_NE(ArticleContent("XM007")->find("程序给出的正是" + grids), std::string::npos) << grids;
    EXPECT_EQ(zhang.config, "木土水");
    EXPECT_NE(ArticleContent("XM007")->find("木土水"), std::string::npos);
    const NameNumbers chen = NameNumbersOf("陈", "泓宇");
    EXPECT_NE(ArticleContent("a1")->find("综合评分是" + chen.score + "分"), std::string::npos)
        << chen.score;
}

}  // namespace
}  // namespace qinghe
