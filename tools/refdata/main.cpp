// qinghe-refdata OUTPUT_FOLDER: builds the five reference files of the program's folder
// from the project's sources.
#include <cstdio>
#include <exception>
#include <filesystem>
#include <string_view>
#include <utility>
#include <vector>

#include "BoneWeightTables.h"
#include "CalendarTables.h"
#include "RefDataBuilder.h"
#include "refdata/ReferenceDb.h"
#include "refdata/Schema.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: qinghe-refdata OUTPUT_FOLDER\n");
        return 2;
    }
    const std::string folder = argv[1];
    try {
        std::filesystem::create_directories(folder);
        using qinghe::refdata::BuildDb;
        // The table fillers of each file, one line per subsystem.
        const std::vector<std::pair<std::string_view, qinghe::refdata::TableFiller>> fillers = {
            {qinghe::kTgcode, qinghe::refdata::FillCalendarTables},
            {qinghe::kDream, qinghe::refdata::FillBoneWeightTables},
        };
        for (std::string_view file : qinghe::ReferenceFiles())
            qinghe::refdata::BuildReferenceFile(folder, file, [&](BuildDb& db) {
                for (const auto& [target, fill] : fillers)
                    if (target == file) fill(db);
            });
    } catch (const std::exception& e) {
        std::fprintf(stderr, "qinghe-refdata: %s\n", e.what());
        return 1;
    }
    return 0;
}
