// Source readers of the reference-file builder.
#include "SourceFiles.h"

#include <bzlib.h>

#include <cstdio>
#include <fstream>
#include <memory>
#include <sstream>
#include <stdexcept>

namespace qinghe::refdata {

namespace {

std::vector<std::string> SplitTabs(const std::string& line) {
    std::vector<std::string> out;
    std::size_t start = 0;
    for (;;) {
        const std::size_t tab = line.find('\t', start);
        out.push_back(
            line.substr(start, tab == std::string::npos ? std::string::npos : tab - start));
        if (tab == std::string::npos) break;
        start = tab + 1;
    }
    return out;
}

std::string ReadBzip2(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) throw std::runtime_error("cannot open " + path);
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> closer(file, std::fclose);
    int error = BZ_OK;
    BZFILE* bz = BZ2_bzReadOpen(&error, file, 0, 0, nullptr, 0);
    if (error != BZ_OK) throw std::runtime_error("cannot read " + path);
    std::string out;
    char buf[1 << 16];
    while (error == BZ_OK) {
        const int n = BZ2_bzRead(&error, bz, buf, sizeof buf);
        if (error == BZ_OK || error == BZ_STREAM_END) out.append(buf, static_cast<std::size_t>(n));
    }
    BZ2_bzReadClose(nullptr, bz);
    if (error != BZ_STREAM_END) throw std::runtime_error("corrupt bzip2 data in " + path);
    return out;
}

}  // namespace

std::size_t Tsv::Column(std::string_view name) const {
    for (std::size_t i = 0; i < header.size(); ++i)
        if (header[i] == name) return i;
    throw std::runtime_error("missing column " + std::string(name));
}

Tsv ReadTsv(const std::string& path) {
    std::ifstream in(path);
    if (!in) throw std::runtime_error("cannot open " + path);
    Tsv tsv;
    std::string line;
    int number = 0;
    while (std::getline(in, line)) {
        ++number;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line[0] == '#') continue;
        std::vector<std::string> fields = SplitTabs(line);
        if (tsv.header.empty()) {
            tsv.header = std::move(fields);
            continue;
        }
        if (fields.size() != tsv.header.size())
            throw std::runtime_error(path + ":" + std::to_string(number) + ": expected " +
                                     std::to_string(tsv.header.size()) + " fields, found " +
                                     std::to_string(fields.size()));
        tsv.rows.push_back(std::move(fields));
    }
    return tsv;
}

std::map<std::string, UnihanField> ReadUnihan(const std::string& path,
                                              const std::vector<std::string>& fields) {
    std::map<std::string, UnihanField> out;
    for (const std::string& f : fields) out[f];
    std::istringstream in(ReadBzip2(path));
    std::string line;
    while (std::getline(in, line)) {
        // U+5F35<TAB>kRSKangXi<TAB>57.8
        if (line.size() < 3 || line[0] != 'U' || line[1] != '+') continue;
        const std::size_t tab1 = line.find('\t');
        const std::size_t tab2 = line.find('\t', tab1 + 1);
        if (tab1 == std::string::npos || tab2 == std::string::npos) continue;
        const auto it = out.find(line.substr(tab1 + 1, tab2 - tab1 - 1));
        if (it == out.end()) continue;
        const char32_t cp =
            static_cast<char32_t>(std::stoul(line.substr(2, tab1 - 2), nullptr, 16));
        it->second[cp] = line.substr(tab2 + 1);
    }
    return out;
}

}  // namespace qinghe::refdata
