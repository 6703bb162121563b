// The knowledge articles of table Noter (TalBirth.dll): one file data/articles/<code>.txt a
// code, the title on its first line, an empty line, then the article; intro.txt is the
// built-in introduction and is not stored. Files are read in name order.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <vector>

#include "NameTables.h"
#include "base/Utf8.h"

namespace qinghe::refdata {

void FillArticleTable(BuildDb& db, const std::string& dataDir) {
    namespace fs = std::filesystem;
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(dataDir + "/articles"))
        if (entry.path().extension() == ".txt" && entry.path().stem() != "intro")
            files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    Inserter insert(db, "Noter", 3);
    for (const fs::path& path : files) {
        std::ifstream in(path);
        std::string title;
        if (!std::getline(in, title) || Trim(title).empty())
            throw std::runtime_error(path.string() + ": no title on the first line");
        std::ostringstream content;
        content << in.rdbuf();
        insert.Row(path.stem().string(), Trim(title), content.str());
    }
}

}  // namespace qinghe::refdata
