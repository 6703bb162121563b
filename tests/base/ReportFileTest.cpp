// Saving reports: the proposed names, the ".txt" ending, GB18030 bytes with CR LF (code points
// from the GB 18030-2005 mapping tables) and a failed write that leaves the old file as it was.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "base/ReportFile.h"

namespace qinghe {
namespace {

struct Proposal {
    const char* fullName;
    const char* last;
    const char* proposed;
};

class ProposedNameTest : public ::testing::TestWithParam<Proposal> {};

TEST_P(ProposedNameTest, Proposes) {
    EXPECT_EQ(ProposedReportFileName(GetParam().fullName, GetParam().last), GetParam().proposed);
}

INSTANTIATE_TEST_SUITE_P(
    Names, ProposedNameTest,
    ::testing::Values(Proposal{" 张三 ", "", "张三"}, Proposal{"", "", ""},
                      Proposal{"  ", "李四", "李四"},  // an empty name keeps the last one
                      Proposal{"", "/home/a/张三.txt", "*.txt"}, Proposal{"a?b", "", "*.txt"},
                      Proposal{"a|b", "", "*.txt"}, Proposal{"a<b", "", "*.txt"},
                      Proposal{"a\\b", "", "*.txt"}, Proposal{"张*", "", "*.txt"}));

TEST(ReportFilePathTest, AddsTxtOnlyWhenMissing) {
    EXPECT_EQ(ReportFilePath("/t/张三"), "/t/张三.txt");
    EXPECT_EQ(ReportFilePath("/t/a.txt"), "/t/a.txt");
    EXPECT_EQ(ReportFilePath("/t/a.TXT"), "/t/a.TXT");
    EXPECT_EQ(ReportFilePath("/t/a.txt.bak"), "/t/a.txt.bak.txt");
    EXPECT_EQ(ReportFilePath("/t/txt"), "/t/txt.txt");
}

// 张 D5C5, 三 C8FD (GBK); U+20000 is the four-byte 95 32 82 36 of GB 18030.
TEST(Gb18030TextTest, EncodesWithCrLf) {
    EXPECT_EQ(Gb18030Text({"张三"}), "\xD5\xC5\xC8\xFD\r\n");
    EXPECT_EQ(Gb18030Text({"a", ""}), "a\r\n\r\n");
    EXPECT_EQ(Gb18030Text({"\xF0\xA0\x80\x80"}), "\x95\x32\x82\x36\r\n");
    EXPECT_THROW(Gb18030Text({"\xFF"}), ReportSaveError);
}

class SaveReportTest : public ::testing::Test {
  protected:
    void SetUp() override {
        m_dir =
            std::filesystem::temp_directory_path() / ("qinghe-save-" + std::to_string(::getpid()));
        std::filesystem::create_directories(m_dir);
    }
    void TearDown() override { std::filesystem::remove_all(m_dir); }
    static std::string Read(const std::filesystem::path& p) {
        std::ifstream in(p, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    std::size_t Entries() const {
        return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(m_dir),
                                                      std::filesystem::directory_iterator()));
    }
    std::filesystem::path m_dir;
};

TEST_F(SaveReportTest, WritesAndReplaces) {
    const std::string path = (m_dir / "张三.txt").string();
    SaveReportLines(path, {"old"});
    SaveReportLines(path, {"张三", "x"});
    EXPECT_EQ(Read(path), "\xD5\xC5\xC8\xFD\r\nx\r\n");
    EXPECT_EQ(Entries(), 1u);
}

TEST_F(SaveReportTest, MissingFolderIsReported) {
    EXPECT_THROW(SaveReportLines((m_dir / "no" / "a.txt").string(), {"a"}), ReportSaveError);
    EXPECT_EQ(Entries(), 0u);
}

// A write cut short (here by the file-size limit) leaves the old file and no temporary file.
TEST_F(SaveReportTest, FailedWriteKeepsTheOldFile) {
    const std::string path = (m_dir / "a.txt").string();
    SaveReportLines(path, {"old"});
    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 1000;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    std::string message;
    try {
        SaveReportLines(path, std::vector<std::string>(500, "一行报告文字"));
    } catch (const ReportSaveError& e) {
        message = e.what();
    }
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_NE(message.find("a.txt"), std::string::npos) << message;
    EXPECT_EQ(Read(path), "old\r\n");
    EXPECT_EQ(Entries(), 1u);
}

}  // namespace
}  // namespace qinghe
