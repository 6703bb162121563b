// qinghe-refdata OUTPUT_FOLDER DATA_FOLDER [ALMANAC_TSV]: builds the five reference files of
// the program's folder from the project's curated data, the installed Unicode and OpenCC data
// and the almanac days the build extracted (table huangdao stays empty without them).
#include <cstdio>
#include <exception>
#include <filesystem>
#include <string_view>
#include <utility>
#include <vector>

#include "BoneWeightTables.h"
#include "CalendarTables.h"
#include "NameTables.h"
#include "RefDataBuilder.h"
#include "refdata/ReferenceDb.h"
#include "refdata/Schema.h"

int main(int argc, char** argv) {
    if (argc != 3 && argc != 4) {
        std::fprintf(stderr, "usage: qinghe-refdata OUTPUT_FOLDER DATA_FOLDER [ALMANAC_TSV]\n");
        return 2;
    }
    const std::string folder = argv[1];
    const std::string almanac = argc == 4 ? argv[3] : "";
    using namespace qinghe::refdata;
    const NameSources names{argv[2], "/usr/share/unicode", "/usr/share/opencc/s2t.json",
                            QINGHE_JIEBA_DICT};
    // The table fillers of each file, one line per subsystem.
    const std::vector<std::pair<std::string_view, TableFiller>> fillers = {
        {qinghe::kRedoviv, [&](BuildDb& db) { FillWordTable(db, names); }},
        {qinghe::kRedoviv, [&](BuildDb& db) { FillCombinationTable(db); }},
        {qinghe::kRedoviv, [&](BuildDb& db) { FillFilterTables(db, names); }},
        {qinghe::kRedoviv, [&](BuildDb& db) { FillIdiomTable(db, names); }},
        {qinghe::kTalFile, [&](BuildDb& db) { FillTalentTables(db, names); }},
        {qinghe::kTgcode, FillCalendarTables},
        {qinghe::kDream, [&](BuildDb& db) { FillBoneWeightTables(db, names.dataDir); }},
        {qinghe::kTalBirth, [&](BuildDb& db) { FillArticleTable(db, names.dataDir); }},
        {qinghe::kTalBirth, [&](BuildDb& db) { FillPoemTable(db, names.dataDir); }},
        {qinghe::kTalBirth, [&](BuildDb& db) { FillAlmanacTable(db, almanac); }},
    };
    try {
        std::filesystem::create_directories(folder);
        for (std::string_view file : qinghe::ReferenceFiles())
            BuildReferenceFile(folder, file, [&](BuildDb& db) {
                for (const auto& [target, fill] : fillers)
                    if (target == file) fill(db);
            });
    } catch (const std::exception& e) {
        std::fprintf(stderr, "qinghe-refdata: %s\n", e.what());
        return 1;
    }
    return 0;
}
