#include "refdata/TestFixture.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <stdexcept>

#include "refdata/ReferenceDb.h"
#include "refdata/Schema.h"

namespace qinghe::test {

FixtureFolder::FixtureFolder() {
    std::string tmpl = (std::filesystem::temp_directory_path() / "qinghe-test-XXXXXX").string();
    if (::mkdtemp(tmpl.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    m_path = tmpl + "/";
    for (std::string_view file : ReferenceFiles()) Exec(file, SchemaSql(file));
}

FixtureFolder::~FixtureFolder() {
    CloseReferenceConnections();
    std::error_code ec;
    std::filesystem::remove_all(m_path, ec);
}

void FixtureFolder::Exec(std::string_view file, const std::string& sql) const {
    sqlite3* db = nullptr;
    const std::string path = File(file);
    if (sqlite3_open(path.c_str(), &db) != SQLITE_OK) throw std::runtime_error("open " + path);
    char* error = nullptr;
    const int rc = sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error);
    const std::string why = error ? error : "";
    sqlite3_free(error);
    sqlite3_close(db);
    if (rc != SQLITE_OK) throw std::runtime_error("fixture SQL failed: " + why + "\n" + sql);
    // Reference connections take their files as immutable: reopen after a change.
    CloseReferenceConnections();
}

ScopedProgramFolder::ScopedProgramFolder(const std::string& folder) : m_saved(ProgramFolder()) {
    SetProgramFolder(folder);
}

ScopedProgramFolder::~ScopedProgramFolder() {
    SetProgramFolder(m_saved);
}

void FixtureFolder::SeedSampleRows() const {
    Exec(kRedoviv, R"(
INSERT INTO word VALUES
 (1,'张','張',11,'zhāng','火',1,1,'0',10,1),
 (2,'李','李',7,'lǐ','木',1,1,'0',11,1),
 (3,'明','明',8,'míng','火',1,1,'1',1,NULL),
 (4,'浩','浩',11,'hào、gǎo','水',1,0,'男',2,NULL),
 (5,'宇','宇',6,'yǔ','土',1,0,'男',3,NULL),
 (6,'婷','婷',12,'tíng','火',0,1,'女',4,NULL),
 (7,'云','雲',12,'yún','水',1,1,'1',5,NULL),
 (8,'白','白',5,'bái','金',1,1,'0',6,NULL),
 (9,'干','乾幹',3,'gān、gàn','金',0,0,'0',900,1);
INSERT INTO zh VALUES
 (11,0,8,0,11,85,1,'天12 人19 地9','火水水'),
 (11,0,11,0,11,80,2,'天12 人22 地12','火木木'),
 (11,0,6,0,11,75,1,'天12 人17 地7','火金金'),
 (11,0,8,11,12,90,1,'天12 人19 地19','火水水'),
 (11,0,11,6,12,88,1,'天12 人22 地17','火木金'),
 (11,0,12,12,12,70,3,'天12 人23 地24','火火火'),
 (11,0,6,12,12,86,2,'天12 人17 地18','火金金'),
 (7,0,12,5,12,82,1,'天8 人19 地17','金水金'),
 (7,0,12,0,11,81,1,'天8 人19 地13','金水火'),
 (7,0,5,12,12,79,2,'天8 人12 地17','金木金'),
 (7,11,8,0,21,77,1,'天18 人19 地9','金水水'),
 (7,11,8,6,22,83,1,'天18 人19 地14','金水火');
)");
    Exec(kTalFile, R"(
INSERT INTO sancai VALUES ('木火土',7),('火土金',6);
INSERT INTO sancai2009 VALUES ('木火土','木生火，火生土。','基础安定。','吉','成功顺利。','吉','人缘良好。','吉','性格温和。');
INSERT INTO "81" VALUES (5,'福禄长寿','吉','宜守成','阴阳和合，福禄长寿。'),(6,'安稳余庆','吉','宜积德','天德地祥，安稳余庆。');
)");
    Exec(kDream, R"(
INSERT INTO chenggu1 VALUES ('1990',0.9);
INSERT INTO chenggu2 VALUES ('5',0.5);
INSERT INTO chenggu3 VALUES ('12',1.7);
INSERT INTO chenggu4 VALUES ('8',1.0);
INSERT INTO chenggu VALUES ('41','诗','评'),('42','诗二','评二');
)");
    Exec(kTgcode, R"(
INSERT INTO hzwh VALUES ('甲乙寅卯','木'),('丙丁巳午','火');
INSERT INTO Shishen VALUES ('甲丙','食神'),('甲甲','比肩');
INSERT INTO jiazi VALUES ('甲子','海中金'),('乙丑','海中金');
INSERT INTO JQ VALUES (2000,'小寒','2000-01-06 09:00:40'),(2000,'立春','2000-02-04 20:40:24'),
 (2000,'雨水','2000-02-19 16:33:17'),(2000,'惊蛰','2000-03-05 14:42:44');
)");
    Exec(kTalBirth, R"(
INSERT INTO huangdao VALUES ('2024-01-05','冬月廿四','癸卯','黄道','金','冲','彭祖','吉神','祭祀','凶煞','嫁娶'),
 ('2024-01-06','冬月廿五','癸卯','黑道','木','冲','彭祖','吉神','沐浴','凶煞','动土');
INSERT INTO sg VALUES
 (1,'唐',1,'李白',1,'静夜思','床前明月光，疑是地上霜。'),
 (1,'唐',1,'李白',2,'望庐山瀑布','日照香炉生紫烟，遥看瀑布挂前川。'),
 (1,'唐',2,'王维',3,'相思','红豆生南国，春来发几枝。'),
 (2,'宋',3,'苏轼',4,'水调歌头','明月几时有，把酒问青天。');
INSERT INTO Noter VALUES ('XM001','起名常识','名字是一个人的符号。'),('XM002','取名禁忌','忌用生僻字。');
)");
}

}  // namespace qinghe::test
