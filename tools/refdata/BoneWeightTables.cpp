// The four weight tables are keyed as the readings look them up: the lunar year number, the
// month and day numbers and the hour 0..23, all as decimal texts. The year's weight is that of
// its sixty-cycle pair (1984 is 甲子); an hour carries the weight of its double hour.
#include "BoneWeightTables.h"

#include <sqlite3.h>

#include <fstream>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "calendar/Sexagenary.h"

#ifndef QINGHE_BONEWEIGHT_DIR
#error "QINGHE_BONEWEIGHT_DIR must name the folder of the bone-weight files"
#endif

namespace qinghe::refdata {
namespace {

using Row = std::vector<std::string>;

// Rows of a tab-separated file after its optional '#' line and its header line.
std::vector<Row> ReadRows(const std::string& name, std::size_t fields) {
    const std::string path = std::string(QINGHE_BONEWEIGHT_DIR) + "/" + name;
    std::ifstream in(path);
    if (!in) throw std::runtime_error("cannot read " + path);
    std::vector<Row> rows;
    std::string line;
    bool header = true;
    for (int number = 1; std::getline(in, line); ++number) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line[0] == '#') continue;
        if (header) {
            header = false;
            continue;
        }
        Row row;
        std::size_t start = 0;
        for (std::size_t tab; (tab = line.find('\t', start)) != std::string::npos; start = tab + 1)
            row.push_back(line.substr(start, tab - start));
        row.push_back(line.substr(start));
        if (row.size() != fields)
            throw std::runtime_error(path + ":" + std::to_string(number) + ": expected " +
                                     std::to_string(fields) + " fields");
        rows.push_back(std::move(row));
    }
    return rows;
}

double Weight(const Row& row) {
    std::size_t used = 0;
    const double w = std::stod(row[1], &used);
    if (used != row[1].size() || w <= 0 || w >= 10)
        throw std::runtime_error("bad bone weight '" + row[1] + "'");
    return w;
}

class Insert {
  public:
    Insert(BuildDb& db, const char* sql) : m_db(db.handle()) {
        if (sqlite3_prepare_v2(m_db, sql, -1, &m_stmt, nullptr) != SQLITE_OK)
            throw std::runtime_error(std::string("cannot prepare: ") + sqlite3_errmsg(m_db));
    }
    ~Insert() { sqlite3_finalize(m_stmt); }
    Insert(const Insert&) = delete;
    Insert& operator=(const Insert&) = delete;

    void Row(const std::string& key, double weight) {
        Bind(1, key);
        sqlite3_bind_double(m_stmt, 2, weight);
        Step();
    }
    void Row(const std::string& a, const std::string& b, const std::string& c) {
        Bind(1, a);
        Bind(2, b);
        Bind(3, c);
        Step();
    }

  private:
    void Bind(int column, const std::string& text) {
        sqlite3_bind_text(m_stmt, column, text.c_str(), static_cast<int>(text.size()),
                          SQLITE_TRANSIENT);
    }
    void Step() {
        if (sqlite3_step(m_stmt) != SQLITE_DONE)
            throw std::runtime_error(std::string("insert failed: ") + sqlite3_errmsg(m_db));
        sqlite3_reset(m_stmt);
    }
    sqlite3* m_db;
    sqlite3_stmt* m_stmt = nullptr;
};

// Weights keyed by the first column; every key of `expected` must be present.
std::map<std::string, double> Weights(const std::string& name,
                                      const std::vector<std::string>& keys) {
    std::map<std::string, double> weights;
    for (const Row& row : ReadRows(name, 2)) weights[row[0]] = Weight(row);
    for (const std::string& key : keys)
        if (!weights.contains(key)) throw std::runtime_error(name + " lacks '" + key + "'");
    return weights;
}

std::vector<std::string> Numbers(int from, int to) {
    std::vector<std::string> keys;
    for (int i = from; i <= to; ++i) keys.push_back(std::to_string(i));
    return keys;
}

}  // namespace

void FillBoneWeightTables(BuildDb& db) {
    std::vector<std::string> pairs, branches;
    for (int i = 0; i < 60; ++i) pairs.push_back(GanZhiOfCycleIndex(i).Text());
    for (int b = 1; b <= 12; ++b) branches.push_back(BranchText(b % 12));

    const auto years = Weights("year.tsv", pairs);
    Insert chenggu1(db, "INSERT INTO chenggu1 (year, weight) VALUES (?, ?)");
    // Lunar year Y is the pair at cycle position (Y - 4) mod 60: 1984 is 甲子.
    for (int year = 1900; year <= 2100; ++year)
        chenggu1.Row(std::to_string(year),
                     years.at(pairs[static_cast<std::size_t>((year - 4) % 60)]));

    Insert chenggu2(db, "INSERT INTO chenggu2 (month2, weight) VALUES (?, ?)");
    for (const auto& [month, w] : Weights("month.tsv", Numbers(1, 12))) chenggu2.Row(month, w);

    Insert chenggu3(db, "INSERT INTO chenggu3 (day2, weight) VALUES (?, ?)");
    for (const auto& [day, w] : Weights("day.tsv", Numbers(1, 30))) chenggu3.Row(day, w);

    const auto hours = Weights("hour.tsv", branches);
    Insert chenggu4(db, "INSERT INTO chenggu4 (time, weight) VALUES (?, ?)");
    // 子 spans 23:00 to 00:59, 丑 01:00 to 02:59, and so on.
    for (int hour = 0; hour <= 23; ++hour)
        chenggu4.Row(std::to_string(hour),
                     hours.at(branches[static_cast<std::size_t>(((hour + 1) / 2) % 12)]));

    Insert chenggu(db, "INSERT INTO chenggu (weight, content, content2) VALUES (?, ?, ?)");
    int verses = 0;
    for (const Row& row : ReadRows("verse.tsv", 3)) {
        chenggu.Row(row[0], row[1], row[2]);
        ++verses;
    }
    if (verses != 52) throw std::runtime_error("verse.tsv must hold the 52 totals 21..72");
}

}  // namespace qinghe::refdata
