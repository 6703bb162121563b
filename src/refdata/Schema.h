// The tables and columns of the five reference files, defined once: the builder creates
// the files from it and the tests check queries against it. Text columns compare without
// regard to ASCII case, as the original engine did.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace qinghe {

struct ColumnDef {
    std::string_view name;
    std::string_view type;  // INTEGER, REAL or TEXT
};

struct TableDef {
    std::string_view file;  // one of kRedoviv ... kTalBirth
    std::string_view name;
    std::vector<ColumnDef> columns;
    std::vector<std::vector<std::string_view>> indexes;  // column lists
};

const std::vector<TableDef>& ReferenceSchema();

// The reference file names, in a fixed order.
const std::vector<std::string_view>& ReferenceFiles();

// The reference files of the program's folder that cannot be opened or lack one of their
// tables, in ReferenceFiles() order; empty when every file is whole. A table without rows
// counts as present.
std::vector<std::string> UnreadableReferenceFiles();

// CREATE TABLE and CREATE INDEX statements for the tables of one file.
std::string SchemaSql(std::string_view file);

}  // namespace qinghe
