// Points the program's folder at the reference files the build wrote (build/bin, beside the
// tests' own folder) for the life of one test, so the chart reads the real JQ, jiazi,
// Shishen, hzwh and bone-weight tables.
#pragma once

#include <string>

#include "refdata/ReferenceDb.h"

namespace qinghe::test {

class BuiltReferenceFiles {
  public:
    BuiltReferenceFiles() : m_saved(ProgramFolder()) { SetProgramFolder(m_saved + "../bin/"); }
    ~BuiltReferenceFiles() {
        CloseReferenceConnections();
        SetProgramFolder(m_saved);
    }
    BuiltReferenceFiles(const BuiltReferenceFiles&) = delete;
    BuiltReferenceFiles& operator=(const BuiltReferenceFiles&) = delete;

  private:
    std::string m_saved;
};

}  // namespace qinghe::test
