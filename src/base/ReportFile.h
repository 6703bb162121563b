// Saving a report as a text file: the name the save dialog proposes, the ".txt" ending, and
// the file itself, GB18030 (GBK's superset, losing no character) with CR LF line ends,
// written to a temporary file of the same folder and renamed over the target.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace qinghe {

// A save that failed; the text says why (for the information box).
class ReportSaveError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// The name a save dialog proposes: the trimmed full name, or the last proposed name when the
// full name is empty; "*.txt" instead when that holds any of * / < > ? \ |.
std::string ProposedReportFileName(std::string_view fullName, std::string_view lastName);

// The chosen name with ".txt" appended unless it already ends so (in any letter case).
std::string ReportFilePath(std::string_view chosen);

// The lines in GB18030, each ended by CR LF.
std::string Gb18030Text(const std::vector<std::string>& lines);

// Writes the lines to `path`, replacing a file of that name only when the whole text has been
// written. Throws ReportSaveError; an existing file is then as it was.
void SaveReportLines(const std::string& path, const std::vector<std::string>& lines);

}  // namespace qinghe
