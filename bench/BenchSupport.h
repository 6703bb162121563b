// What the benchmarks on the built reference files share: pointing the program's folder at
// build/bin (beside the benchmarks' own folder) and the sample birth of the reports.
#pragma once

#include <string>

#include "chart/BirthMoment.h"
#include "refdata/ReferenceDb.h"

namespace bench {

inline void UseBuiltReferenceFiles() {
    static const bool once = [] {
        qinghe::SetProgramFolder(qinghe::ProgramFolder() + "../bin/");
        return true;
    }();
    (void)once;
}

// A boy born 1984-06-01 at the given minute past 12:00, Gregorian.
inline qinghe::BirthMoment SampleBirth(const std::string& minute) {
    UseBuiltReferenceFiles();
    qinghe::BirthInput in;
    in.sex = "男";
    in.year = "1984";
    in.month = "6";
    in.day = "1";
    in.hourText = "午 12";
    in.minute = minute;
    return qinghe::ReadBirthMoment(in);
}

}  // namespace bench
