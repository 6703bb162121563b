// Filler of the bone-weight tables of dream.dll: chenggu1 (lunar years 1900..2100), chenggu2
// (lunar months 1..12), chenggu3 (lunar days 1..30), chenggu4 (hours 0..23) and chenggu (the
// verse of each total "21".."72"), read from the curated files of data/boneweight.
#pragma once

#include <string>

#include "RefDataBuilder.h"

namespace qinghe::refdata {

void FillBoneWeightTables(BuildDb& db, const std::string& dataDir);

}  // namespace qinghe::refdata
