// Finding and opening the reference files, the recordset, and the guarantees that the
// files are never written and typed text never changes a query.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <filesystem>
#include <thread>

#include "refdata/ReferenceDb.h"
#include "refdata/SqlText.h"
#include "refdata/TestFixture.h"

namespace qinghe {
namespace {

class ReferenceDbTest : public ::testing::Test {
  protected:
    void SetUp() override { m_fixture.SeedSampleRows(); }

    test::FixtureFolder m_fixture;
    test::ScopedProgramFolder m_folder{m_fixture.path()};
};

TEST(ReferenceConnectionString, NamesTheProviderAndTheFileOfTheProgramFolder) {
    test::ScopedProgramFolder folder("/opt/qinghe");
    EXPECT_EQ(ReferenceConnectionString(kRedoviv),
              "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=/opt/qinghe/Redoviv.dll;Persist "
              "Security Info=True");
    EXPECT_EQ(DataSourceOf(ReferenceConnectionString(kTgcode)), "/opt/qinghe/Tgcode.dll");
    EXPECT_EQ(DataSourceOf("dream.dll"), "/opt/qinghe/dream.dll");
    EXPECT_EQ(DataSourceOf("/tmp/x/TalFile.dll"), "/tmp/x/TalFile.dll");
}

TEST(ReferenceConnectionString, ProgramFolderIsTheExecutablesFolder) {
    const std::string folder = ProgramFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(folder.back(), '/');
    EXPECT_TRUE(std::filesystem::exists(folder + "qinghe-core-tests"));
}

TEST_F(ReferenceDbTest, MissingFileIsAnErrorAndIsNotCreated) {
    const std::string missing = m_fixture.File("Missing.dll");
    EXPECT_THROW(RefQuery(missing, "select zi from word"), ReferenceDbError);
    EXPECT_FALSE(std::filesystem::exists(missing));
}

TEST_F(ReferenceDbTest, ConnectionsAreReadOnly) {
    ReferenceDb db(kRedoviv);
    RefQuery q = db.Query("select zi from word");
    sqlite3* conn = ReferenceConnection(DataSourceOf(db.ConnectionString()));
    EXPECT_EQ(sqlite3_db_readonly(conn, "main"), 1);
    EXPECT_EQ(sqlite3_exec(conn, "DELETE FROM word", nullptr, nullptr, nullptr), SQLITE_READONLY);
    // Write statements never get past the translator.
    EXPECT_THROW(db.Query("delete from word"), ReferenceDbError);
    EXPECT_THROW(db.Query("insert into word (zi) values ('x')"), ReferenceDbError);
    EXPECT_EQ(db.Query("select zi from word").RecordCount(), 9);
}

TEST_F(ReferenceDbTest, RecordsetCountsWalksAndMovesByNumber) {
    RefQuery q(kRedoviv, "select zi, bh, Aflag from word where bh > 10 order by px");
    ASSERT_TRUE(q.Active());
    EXPECT_EQ(q.RecordCount(), 4);
    std::vector<std::string> seen;
    for (q.First(); !q.Eof(); q.Next()) seen.push_back(q.AsText("ZI"));
    EXPECT_EQ(seen, (std::vector<std::string>{"浩", "婷", "云", "张"}));
    q.MoveTo(2);
    EXPECT_EQ(q.RecNo(), 2);
    EXPECT_EQ(q.AsText(0), "云");
    EXPECT_EQ(q.AsInteger(1), 12);
    EXPECT_TRUE(q.IsNull("aflag"));
    EXPECT_EQ(q.AsInteger("Aflag"), 0);
    EXPECT_EQ(q.AsText(2), "");
    q.MoveTo(q.RecordCount());
    EXPECT_TRUE(q.Eof());
    EXPECT_THROW(q.AsText(0), ReferenceDbError);
    EXPECT_THROW(q.MoveTo(-1), ReferenceDbError);
    q.Close();
    EXPECT_FALSE(q.Active());
    EXPECT_EQ(q.RecordCount(), 0);
}

TEST_F(ReferenceDbTest, NoRowMeansEofAtOnce) {
    RefQuery q(kRedoviv, "select  top 1 bh from word where zi = '龘'");
    EXPECT_EQ(q.RecordCount(), 0);
    EXPECT_TRUE(q.Eof());
}

TEST_F(ReferenceDbTest, ValuesConvertAsTheReportsNeed) {
    RefQuery q(kDream, "select weight, '12' as t, ' 7 ' as s, 'abc' as bad from chenggu3");
    ASSERT_EQ(q.RecordCount(), 1);
    EXPECT_DOUBLE_EQ(q.AsReal("weight"), 1.7);
    EXPECT_EQ(q.AsText("weight"), "1.7");
    EXPECT_EQ(q.AsInteger("t"), 12);
    EXPECT_EQ(q.AsInteger("s"), 7);
    EXPECT_DOUBLE_EQ(q.AsReal("t"), 12.0);
    try {
        q.AsInteger("bad");
        FAIL();
    } catch (const ConversionError& e) {
        EXPECT_STREQ(e.what(), "'abc' is not a valid integer value");
    }
    EXPECT_THROW(q.AsReal("bad"), ConversionError);
    EXPECT_THROW(q.AsText("nosuch"), ReferenceDbError);
    EXPECT_EQ(q.FieldIndex("nosuch"), -1);
}

TEST(SqlQuote, DoublesInnerQuotes) {
    EXPECT_EQ(SqlQuote("张"), "'张'");
    EXPECT_EQ(SqlQuote("O'Brien"), "'O''Brien'");
    EXPECT_EQ(SqlQuote(""), "''");
    EXPECT_EQ(SqlQuote("''"), "''''''");
}

TEST_F(ReferenceDbTest, QuotedTypedTextCannotWidenAQuery) {
    const std::string typed = "张' or '1'='1";
    RefQuery q(kRedoviv, "select  top 1 bh from word where zi = " + SqlQuote(typed));
    EXPECT_EQ(q.RecordCount(), 0);
    RefQuery like(kTgcode,
                  "select top 1 wh from hzwh where hz like " + SqlQuote("%" + typed + "%"));
    EXPECT_EQ(like.RecordCount(), 0);
}

TEST_F(ReferenceDbTest, ClearedFlagInterruptsALongQuery) {
    // How a stopped generation run cuts its query short instead of waiting for the rows.
    m_fixture.Exec(kRedoviv,
                   "create table n(x); with recursive c(x) as (select 1 union all select x + 1 "
                   "from c where x < 1000) insert into n select x from c");
    const std::string sql = "select count(*) as k from n a, n b";
    std::atomic<bool> keepGoing{true};
    EXPECT_EQ(RefQuery(kRedoviv, sql, &keepGoing).AsInteger("k"), 1000000);
    keepGoing = false;
    EXPECT_THROW(RefQuery(kRedoviv, sql, &keepGoing), ReferenceDbError);
    // The connection goes on serving queries without the flag.
    EXPECT_EQ(RefQuery(kRedoviv, "select count(*) as k from n").AsInteger("k"), 1000);
}

TEST_F(ReferenceDbTest, EachThreadHasItsOwnConnection) {
    // The generation worker queries while the window does; both must see correct rows.
    auto lookups = [](int n, std::string zi, int bh, int* wrong) {
        for (int i = 0; i < n; ++i) {
            RefQuery q(kRedoviv, "select  top 1 bh from word where zi = " + SqlQuote(zi));
            if (q.RecordCount() != 1 || q.AsInteger(0) != bh) ++*wrong;
        }
        CloseReferenceConnections();
    };
    int wrongA = 0, wrongB = 0;
    std::thread a(lookups, 300, "张", 11, &wrongA);
    std::thread b(lookups, 300, "婷", 12, &wrongB);
    a.join();
    b.join();
    EXPECT_EQ(wrongA, 0);
    EXPECT_EQ(wrongB, 0);
}

}  // namespace
}  // namespace qinghe
