// qinghe-refdata OUTPUT_FOLDER: builds the five reference files of the program's folder
// from the project's sources.
#include <cstdio>
#include <exception>
#include <filesystem>

#include "RefDataBuilder.h"
#include "refdata/Schema.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: qinghe-refdata OUTPUT_FOLDER\n");
        return 2;
    }
    const std::string folder = argv[1];
    try {
        std::filesystem::create_directories(folder);
        for (std::string_view file : qinghe::ReferenceFiles())
            qinghe::refdata::BuildReferenceFile(folder, file, nullptr);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "qinghe-refdata: %s\n", e.what());
        return 1;
    }
    return 0;
}
