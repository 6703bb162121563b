// The poem collection of the poetry page (table sg of TalBirth.dll) from
// data/poetry/poems.tsv, whose texts join their lines with the two characters "\n".
#include <stdexcept>

#include "NameTables.h"
#include "SourceFiles.h"

namespace qinghe::refdata {

void FillPoemTable(BuildDb& db, const std::string& dataDir) {
    const Tsv t = ReadTsv(dataDir + "/poetry/poems.tsv");
    Inserter insert(db, "sg", 7);
    for (const auto& r : t.rows) {
        const std::string& escaped = r[t.Column("d_nr")];
        std::string text;
        for (std::size_t i = 0; i < escaped.size(); ++i) {
            const bool lineBreak =
                escaped[i] == '\\' && i + 1 < escaped.size() && escaped[i + 1] == 'n';
            text += lineBreak ? '\n' : escaped[i];
            i += lineBreak;
        }
        insert.Row(std::stoll(r[t.Column("cd_num")]), r[t.Column("d_dynasty")],
                   std::stoll(r[t.Column("au_num")]), r[t.Column("d_author")],
                   std::stoll(r[t.Column("d_num")]), r[t.Column("d_title")], text);
    }
}

}  // namespace qinghe::refdata
