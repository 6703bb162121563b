// qinghe-refdata OUTPUT_FOLDER DATA_FOLDER: builds the five reference files of the
// program's folder from the project's curated data and the installed Unicode and OpenCC data.
#include <cstdio>
#include <exception>
#include <filesystem>
#include <map>

#include "NameTables.h"
#include "RefDataBuilder.h"
#include "refdata/ReferenceDb.h"
#include "refdata/Schema.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: qinghe-refdata OUTPUT_FOLDER DATA_FOLDER\n");
        return 2;
    }
    const std::string folder = argv[1];
    using namespace qinghe::refdata;
    const NameSources names{argv[2], "/usr/share/unicode", "/usr/share/opencc/s2t.json"};
    const std::map<std::string_view, TableFiller> fillers = {
        {qinghe::kRedoviv,
         [&](BuildDb& db) {
             FillWordTable(db, names);
             FillCombinationTable(db);
         }},
        {qinghe::kTalFile, [&](BuildDb& db) { FillTalentTables(db, names); }},
    };
    try {
        std::filesystem::create_directories(folder);
        for (std::string_view file : qinghe::ReferenceFiles()) {
            const auto it = fillers.find(file);
            BuildReferenceFile(folder, file, it == fillers.end() ? TableFiller() : it->second);
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "qinghe-refdata: %s\n", e.what());
        return 1;
    }
    return 0;
}
