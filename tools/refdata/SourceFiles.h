// Reading the builder's sources: tab-separated curated files under data/ and the Unihan
// database as Debian's unicode-data package installs it (bzip2-compressed text).
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace qinghe::refdata {

// A tab-separated file with a header line; lines starting with '#' and blank lines are skipped.
struct Tsv {
    std::vector<std::string> header;
    std::vector<std::vector<std::string>> rows;
    // Column index by header name; throws when the file lacks it.
    std::size_t Column(std::string_view name) const;
};

// Throws std::runtime_error naming the file and line when a row has the wrong field count.
Tsv ReadTsv(const std::string& path);

// One Unihan field for every code point that has it: code point -> value.
using UnihanField = std::unordered_map<char32_t, std::string>;

// Reads the listed fields from one Unihan_*.txt.bz2 file.
std::map<std::string, UnihanField> ReadUnihan(const std::string& path,
                                              const std::vector<std::string>& fields);

}  // namespace qinghe::refdata
