// The name filter: each rule on small hand-made tables, then the generated lists of the
// real reference files (none of them holds a faulted name, and every common surname still
// gets enough names for each sex).
#include <gtest/gtest.h>

#include <map>

#include "base/Utf8.h"
#include "generation/ClassicGeneration.h"
#include "generation/NameFilter.h"
#include "refdata/ReferenceDb.h"
#include "refdata/TestFixture.h"

namespace qinghe {
namespace {

NameFilterTables SmallTables() {
    NameFilterTables t;
    t.badWords = {"雨衣", "归西", "风尘"};
    t.longestBadWord = 2;
    t.badSounds = {"wang gu", "liu mang", "yang wei", "lin zhong"};
    t.ordinaryWords = {"记忆", "香烟", "婷婷"};
    t.leadOnly = {"若"};
    t.trailOnly = {"澜"};
    t.boysOnly = {"轩"};
    t.girlsOnly = {"婷"};
    t.syllables = {{"王", "wang"},  {"顾", "gu"},    {"李", "li"},    {"归", "gui"},
                   {"西", "xi"},    {"张", "zhang"}, {"雨", "yu"},    {"衣", "yi"},
                   {"刘", "liu"},   {"芒", "mang"},  {"欧", "ou"},    {"阳", "yang"},
                   {"纬", "wei"},   {"林", "lin"},   {"钟", "zhong"}, {"贞", "zhen"},
                   {"甄", "zhen"},  {"彰", "zhang"}, {"理", "li"},    {"博", "bo"},
                   {"婷", "ting"},  {"记", "ji"},    {"忆", "yi"},    {"明", "ming"},
                   {"轩", "xuan"},  {"风", "feng"},  {"尘", "chen"},  {"宇", "yu"},
                   {"香", "xiang"}, {"烟", "yan"},   {"若", "ruo"},   {"澜", "lan"}};
    return t;
}

struct Case {
    const char* surname;
    const char* given;
    bool boy;
    NameFault expected;
};

TEST(NameFilter, EachRuleOnItsOwn) {
    const NameFilterTables t = SmallTables();
    const Case cases[] = {
        {"张", "雨衣", true, NameFault::BadWord},  // the given name is the word
        {"李", "归西", false, NameFault::BadWord},
        {"陈", "风尘", false, NameFault::BadWord},
        {"王", "顾明", true, NameFault::BadSound},    // 王顾: 亡故, surname included
        {"刘", "芒", true, NameFault::BadSound},      // 刘芒: 流氓
        {"欧阳", "纬明", true, NameFault::BadSound},  // 阳纬: 阳痿, across the surname's end
        {"李", "林钟", true, NameFault::BadSound},    // three syllables: 林钟 inside them
        {"陈", "贞甄", false, NameFault::SharedSyllable},
        {"张", "彰明", true, NameFault::SurnameEcho},
        {"李", "明理", true, NameFault::SurnameEcho},
        {"张", "博博", true, NameFault::BoysDouble},
        {"张", "婷婷", false, NameFault::None},  // girls' doubled names stay, even as words
        {"王", "记忆", true, NameFault::OrdinaryWord},
        {"王", "香烟", false, NameFault::OrdinaryWord},
        {"张", "明轩", true, NameFault::None},
        {"王", "宇", true, NameFault::None},
        {"刘", "若", false, NameFault::LeadAlone},  // 若 leads names (若曦), never stands alone
        {"刘", "若明", false, NameFault::None},
        {"欧阳", "明", false, NameFault::None},
        {"王", "澜明", true, NameFault::TrailFirst},  // 澜 ends names (安澜), never leads one
        {"王", "明澜", true, NameFault::None},
        {"刘", "澜", true, NameFault::None},         // and may stand alone
        {"张", "明若", false, NameFault::LeadLast},  // 若 leads (若曦), never ends a name
        {"李", "宇轩", false, NameFault::OtherSex},  // a boys' character for a girl
        {"李", "明婷", true, NameFault::OtherSex},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CheckName(t, c.surname, c.given, c.boy), c.expected)
            << c.surname << c.given << ": "
            << NameFaultText(CheckName(t, c.surname, c.given, c.boy));
}

TEST(NameFilter, AFirstCharacterTheUserChoseKeepsItsPlace) {
    const NameFilterTables t = SmallTables();
    EXPECT_EQ(CheckName(t, "王", "澜明", true, 0), NameFault::None);
    EXPECT_EQ(CheckName(t, "王", "澜记", true, 0), NameFault::None);
    EXPECT_EQ(CheckName(t, "王", "记忆", true, 0), NameFault::OrdinaryWord);
    EXPECT_EQ(CheckName(t, "张", "明若", false, 1), NameFault::None);
    EXPECT_EQ(CheckName(t, "王", "明婷", true, 1), NameFault::None);
    EXPECT_EQ(CheckName(t, "王", "明婷", true, 0), NameFault::OtherSex);
}

TEST(NameFilter, TheSurnameAloneIsNotJudged) {
    NameFilterTables t = SmallTables();
    t.badWords.insert("欧阳");
    t.badSounds.insert("ou yang");
    EXPECT_EQ(CheckName(t, "欧阳", "明", true), NameFault::None);
    // Unknown characters have no sound and never match one.
    EXPECT_EQ(CheckName(t, "王", "䶮", true), NameFault::None);
}

TEST(NameFilter, TonelessPinyin) {
    EXPECT_EQ(TonelessPinyin("zhāng"), "zhang");
    EXPECT_EQ(TonelessPinyin("lǜ"), "lv");
    EXPECT_EQ(TonelessPinyin("nǚ"), "nv");
    EXPECT_EQ(TonelessPinyin("zi"), "zi");
}

// ---- The generated lists on the real reference files -----------------------------------

class FilteredLists : public ::testing::Test {
  protected:
    static std::vector<std::string> Generate(const std::string& surname, bool boy, bool twoChar,
                                             bool filter, int limit = -1) {
        ClassicSettings s = AutomaticSettings(surname, boy, twoChar);
        s.filterNames = filter;
        std::vector<std::string> names;
        std::atomic<bool> flag{true};
        ClassicSink sink;
        sink.name = [&](const GeneratedName& generated) {
            const std::string n = generated.Text();
            if (!flag) return;  // the rest of the step of nine after the limit
            names.push_back(n);
            if (static_cast<int>(names.size()) == limit) flag = false;
        };
        RunClassicGeneration(s, flag, sink);
        return names;
    }
    static std::string Given(const std::string& name, const std::string& surname) {
        return name.substr(surname.size(), name.find('(') - surname.size());
    }
    test::ScopedProgramFolder m_folder{QINGHE_BIN_DIR};
};

TEST_F(FilteredLists, NoListHoldsAFaultedName) {
    const auto tables = LoadNameFilterTables();
    ASSERT_GE(tables->badWords.size(), 300u);
    ASSERT_GE(tables->badSounds.size(), 150u);
    for (const char* surname : {"张", "李", "王", "陈", "欧阳", "刘"})
        for (const bool boy : {true, false}) {
            const bool twoChar = std::string(surname) != "刘";
            const std::vector<std::string> names = Generate(surname, boy, twoChar, true);
            EXPECT_GT(names.size(), twoChar ? 200u : 100u) << surname;
            std::map<NameFault, int> faults;
            for (const std::string& n : names)
                ++faults[CheckName(*tables, surname, Given(n, surname), boy)];
            EXPECT_EQ(faults[NameFault::None], static_cast<int>(names.size()))
                << surname << (boy ? " boy" : " girl");
        }
}

TEST_F(FilteredLists, AnEndingCharacterFixedFirstStillGivesNames) {
    const auto tables = LoadNameFilterTables();
    ASSERT_TRUE(tables->trailOnly.count("澜"));
    ClassicSettings s = AutomaticSettings("王", true, true);
    s.fixedChar = "澜";
    s.fixedFirst = true;
    int kind = 0;
    s.combos = LoadStrokeCombos(ComboOptions{"王", true, "澜", true, 70}, kind).value();
    s.filterNames = true;
    std::vector<std::string> names;
    std::atomic<bool> flag{true};
    ClassicSink sink;
    sink.name = [&](const GeneratedName& n) { names.push_back(n.Text()); };
    RunClassicGeneration(s, flag, sink);
    ASSERT_FALSE(names.empty());
    for (const std::string& n : names) EXPECT_EQ(n.substr(0, 6), "王澜") << n;
}

TEST_F(FilteredLists, WithoutTheFilterEveryNameOfTheRunComes) {
    // Off, the run is the plain one; on, it is the plain run less the faulted names, in order.
    const auto tables = LoadNameFilterTables();
    const std::vector<std::string> plain = Generate("王", true, true, false, 3000);
    std::vector<std::string> kept;
    for (const std::string& n : plain)
        if (CheckName(*tables, "王", Given(n, "王"), true) == NameFault::None) kept.push_back(n);
    ASSERT_LT(kept.size(), plain.size());
    const std::vector<std::string> filtered =
        Generate("王", true, true, true, static_cast<int>(kept.size()));
    EXPECT_EQ(filtered, kept);
}

TEST_F(FilteredLists, EveryCommonSurnameGetsTwoHundredNamesForEachSex) {
    // The hundred most common surnames of the mainland.
    const std::string surnames =
        "王李张刘陈杨黄赵吴周徐孙马朱胡郭何林高罗郑梁谢宋唐许邓韩冯曹彭曾肖田董潘袁蔡蒋余于杜"
        "叶程魏苏吕丁任卢姚沈钟姜崔谭陆范汪廖石金韦贾夏付方邹熊白孟秦邱侯江尹薛闫段雷龙黎史陶贺"
        "毛郝顾龚邵万覃武钱戴严莫孔汤易";
    const std::vector<std::string> chars = Utf8Chars(surnames);
    ASSERT_EQ(chars.size(), 100u);
    for (const std::string& surname : chars)
        for (const bool boy : {true, false})
            EXPECT_EQ(Generate(surname, boy, true, true, 200).size(), 200u)
                << surname << (boy ? " boy" : " girl");
}

}  // namespace
}  // namespace qinghe
