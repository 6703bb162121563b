// Characters, trimming and display widths.
#include <gtest/gtest.h>

#include "base/Utf8.h"

namespace qinghe {
namespace {

TEST(Utf8, SplitsIntoCharacters) {
    EXPECT_EQ(Utf8Chars("张a𠀀"), (std::vector<std::string>{"张", "a", "𠀀"}));
    EXPECT_EQ(Utf8Length("欧阳明"), 3u);
    // A cut-off sequence comes out byte by byte instead of swallowing what follows.
    const std::string cut = std::string("\xE5\xBC") + "a";
    EXPECT_EQ(Utf8Chars(cut).size(), 3u);
    std::size_t i = 0;
    EXPECT_EQ(DecodeUtf8(cut, i), 0xFFFDu);
    EXPECT_EQ(EncodeUtf8(U'张'), "张");
    EXPECT_EQ(EncodeUtf8(0x20000), "𠀀");
}

TEST(Utf8, TrimsAsciiAndFullWidthBlanks) {
    EXPECT_EQ(Trim("  张 三\t\r\n"), "张 三");
    EXPECT_EQ(Trim("\u3000王\u3000"), "王");
    EXPECT_EQ(Trim("   "), "");
}

TEST(Utf8, DisplayWidthCountsChineseAsTwo) {
    EXPECT_EQ(DisplayWidth("张伟明(85分)"), 12);
    EXPECT_EQ(DisplayWidth("金:占1个"), 8);
    EXPECT_EQ(DisplayWidth("五行："), 6);
    EXPECT_EQ(DisplayWidth(""), 0);
}

}  // namespace
}  // namespace qinghe
