// Builders of the name tables: `word`, `zh` and the name filter's tables of Redoviv.dll; `sancai`,
// `sancai2009` and `81` of TalFile.dll.
#pragma once

#include <string>

#include "RefDataBuilder.h"

namespace qinghe::refdata {

struct NameSources {
    std::string dataDir;    // the project's data/ folder
    std::string unihanDir;  // /usr/share/unicode
    std::string openccS2t;  // OpenCC's simplified-to-traditional configuration
    std::string jiebaDict;  // the jieba segmenter's word list (Debian's python3-jieba)
};

void FillWordTable(BuildDb& db, const NameSources& sources);
void FillCombinationTable(BuildDb& db);
void FillTalentTables(BuildDb& db, const NameSources& sources);
// The name filter's word and sound lists (buya, xieyin, putongci).
void FillFilterTables(BuildDb& db, const NameSources& sources);
// The idiom list of idiom mode (chengyu), from data/idioms/idioms.txt.
void FillIdiomTable(BuildDb& db, const NameSources& sources);
// The knowledge articles (Noter of TalBirth.dll), from data/articles/.
void FillArticleTable(BuildDb& db, const std::string& dataDir);
// The poem collection (sg of TalBirth.dll), from data/poetry/poems.tsv.
void FillPoemTable(BuildDb& db, const std::string& dataDir);
// The almanac days (huangdao of TalBirth.dll), from the build's almanac.tsv; empty without it.
void FillAlmanacTable(BuildDb& db, const std::string& almanacTsv);

}  // namespace qinghe::refdata
