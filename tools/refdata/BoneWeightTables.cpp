// The four weight tables are keyed as the readings look them up: the lunar year number, the
// month and day numbers and the hour 0..23, all as decimal texts. The year's weight is that of
// its sixty-cycle pair (1984 is 甲子); an hour carries the weight of its double hour.
#include "BoneWeightTables.h"

#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "SourceFiles.h"
#include "calendar/Sexagenary.h"

namespace qinghe::refdata {
namespace {

double Weight(const std::string& text) {
    std::size_t used = 0;
    const double w = std::stod(text, &used);
    if (used != text.size() || w <= 0 || w >= 10)
        throw std::runtime_error("bad bone weight '" + text + "'");
    return w;
}

// Weights keyed by the first column of a two-column file; every one of `keys` must be there.
std::map<std::string, double> Weights(const std::string& path,
                                      const std::vector<std::string>& keys) {
    const Tsv t = ReadTsv(path);
    std::map<std::string, double> weights;
    for (const auto& row : t.rows) weights[row[0]] = Weight(row[t.Column("weight")]);
    for (const std::string& key : keys)
        if (!weights.contains(key)) throw std::runtime_error(path + " lacks '" + key + "'");
    return weights;
}

std::vector<std::string> Numbers(int from, int to) {
    std::vector<std::string> keys;
    for (int i = from; i <= to; ++i) keys.push_back(std::to_string(i));
    return keys;
}

}  // namespace

void FillBoneWeightTables(BuildDb& db, const std::string& dataDir) {
    const std::string dir = dataDir + "/boneweight/";
    std::vector<std::string> pairs, branches;
    for (int i = 0; i < 60; ++i) pairs.push_back(GanZhiOfCycleIndex(i).Text());
    for (int b = 1; b <= 12; ++b) branches.push_back(BranchText(b % 12));

    const auto years = Weights(dir + "year.tsv", pairs);
    Inserter chenggu1(db, "chenggu1", 2);
    // Lunar year Y is the pair at cycle position (Y - 4) mod 60: 1984 is 甲子.
    for (int year = 1900; year <= 2100; ++year)
        chenggu1.Row(std::to_string(year),
                     years.at(pairs[static_cast<std::size_t>((year - 4) % 60)]));

    Inserter chenggu2(db, "chenggu2", 2);
    for (const auto& [month, w] : Weights(dir + "month.tsv", Numbers(1, 12)))
        chenggu2.Row(month, w);

    Inserter chenggu3(db, "chenggu3", 2);
    for (const auto& [day, w] : Weights(dir + "day.tsv", Numbers(1, 30))) chenggu3.Row(day, w);

    const auto hours = Weights(dir + "hour.tsv", branches);
    Inserter chenggu4(db, "chenggu4", 2);
    // 子 spans 23:00 to 00:59, 丑 01:00 to 02:59, and so on.
    for (int hour = 0; hour <= 23; ++hour)
        chenggu4.Row(std::to_string(hour),
                     hours.at(branches[static_cast<std::size_t>(((hour + 1) / 2) % 12)]));

    const Tsv verses = ReadTsv(dir + "verse.tsv");
    if (verses.rows.size() != 52)
        throw std::runtime_error("verse.tsv must hold the 52 totals 21..72");
    Inserter chenggu(db, "chenggu", 3);
    for (const auto& row : verses.rows)
        chenggu.Row(row[verses.Column("weight")], row[verses.Column("verse")],
                    row[verses.Column("comment")]);
}

}  // namespace qinghe::refdata
