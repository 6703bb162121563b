// Builders of the name tables: `word` and `zh` of Redoviv.dll; `sancai`, `sancai2009`
// and `81` of TalFile.dll.
#pragma once

#include <string>

#include "RefDataBuilder.h"

namespace qinghe::refdata {

struct NameSources {
    std::string dataDir;     // the project's data/ folder
    std::string unihanDir;   // /usr/share/unicode
    std::string openccS2t;   // OpenCC's simplified-to-traditional configuration
};

void FillWordTable(BuildDb& db, const NameSources& sources);
void FillCombinationTable(BuildDb& db);
void FillTalentTables(BuildDb& db, const NameSources& sources);

}  // namespace qinghe::refdata
