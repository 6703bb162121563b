// The idiom list of idiom mode: data/idioms/idioms.txt, one four-character idiom a line, in
// table chengyu in the file's order. data/idioms/check_idioms.py checks the file.
#include <fstream>
#include <stdexcept>

#include "NameTables.h"
#include "base/Utf8.h"

namespace qinghe::refdata {

void FillIdiomTable(BuildDb& db, const NameSources& src) {
    const std::string path = src.dataDir + "/idioms/idioms.txt";
    std::ifstream in(path);
    if (!in) throw std::runtime_error("cannot open " + path);
    Inserter insert(db, "chengyu", 2);
    std::string line;
    long long number = 0;
    while (std::getline(in, line)) {
        const std::string idiom = Trim(line);
        if (Utf8Length(idiom) != 4) throw std::runtime_error(path + ": not an idiom: " + line);
        insert.Row(++number, idiom);
    }
}

}  // namespace qinghe::refdata
