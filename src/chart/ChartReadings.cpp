// Readings by the chart look-up tables; the SQL texts are the program's fixed queries, with
// every key quoted. Ten god, 纳音 and element look-ups answer empty text on any failure so a
// report still prints its line; the bone weight lets an engine error end the report.
#include "chart/ChartReadings.h"

#include <cmath>
#include <exception>

#include "base/Utf8.h"
#include "refdata/ReferenceDb.h"
#include "refdata/SqlText.h"

namespace qinghe {
namespace {

// The first column of the first row, trimmed; empty text on no row or any error.
std::string FirstText(std::string_view file, const std::string& sql) {
    try {
        RefQuery q(ReferenceDb(file).ConnectionString(), sql);
        if (q.Eof()) return {};
        return Trim(q.AsText(0));
    } catch (const ReferenceDbError&) {
        return {};
    } catch (const ConversionError&) {
        return {};
    }
}

// One weight in tenths of a 两; 0 when the key has no row. Engine errors pass through.
int WeightTenths(const std::string& sql) {
    RefQuery q(ReferenceDb(kDream).ConnectionString(), sql);
    if (q.Eof()) return 0;
    return static_cast<int>(std::lround(q.AsReal(0) * 10));
}

}  // namespace

std::string TenGodOf(std::string_view dayStemAndStem) {
    return FirstText(kTgcode, "select top 1 ShiShen from Shishen where jiazi = " +
                                  SqlQuote(dayStemAndStem) + " ");
}

std::string NayinOf(std::string_view pair) {
    return FirstText(kTgcode,
                     "select top 1 layin from jiazi where jiazi = " + SqlQuote(pair) + " ");
}

std::string ElementOfCharacter(std::string_view character) {
    return FirstText(kTgcode, "select top 1 wh from hzwh where hz like " +
                                  SqlQuote("%" + Trim(character) + "%"));
}

std::string PillarElementText(std::string_view ys, std::string_view yb, std::string_view ms,
                              std::string_view mb, std::string_view ds, std::string_view db,
                              std::string_view hs, std::string_view hb) {
    return ElementOfCharacter(ys) + ElementOfCharacter(yb) + "   " + ElementOfCharacter(ms) +
           ElementOfCharacter(mb) + "   " + ElementOfCharacter(ds) + ElementOfCharacter(db) +
           "   " + ElementOfCharacter(hs) + ElementOfCharacter(hb);
}

std::string CountElements(std::string_view elementText) {
    static const char* const kElements[5] = {"金", "木", "水", "火", "土"};
    int counts[5] = {};
    // The four pillars are the runs between three-blank gaps, two elements each at most.
    std::size_t start = 0;
    for (int pillar = 0; pillar < 4 && start <= elementText.size(); ++pillar) {
        std::size_t gap = elementText.find("   ", start);
        if (pillar == 3 || gap == std::string_view::npos) gap = elementText.size();
        const std::vector<std::string> chars = Utf8Chars(elementText.substr(start, gap - start));
        for (std::size_t i = 0; i < chars.size() && i < 2; ++i)
            for (int e = 0; e < 5; ++e)
                if (chars[i] == kElements[e]) ++counts[e];
        start = gap + 3;
    }
    std::string text;
    for (int e = 0; e < 5; ++e)
        text +=
            std::string(e ? ", " : "") + kElements[e] + ":占" + std::to_string(counts[e]) + "个";
    return text;
}

std::string BoneWeightKey(int tenths) {
    // The shortest decimal form of the total, then its first digit and the digit after the point.
    const std::string t = tenths % 10 == 0
                              ? std::to_string(tenths / 10)
                              : std::to_string(tenths / 10) + "." + std::to_string(tenths % 10);
    if (t.size() == 1) return t + "0";
    return t.substr(0, 1) + (t.size() > 2 ? t.substr(2, 1) : "");
}

std::string BoneWeight(std::string_view yearKey, std::string_view monthKey, std::string_view dayKey,
                       std::string_view hourKey, BoneWeightPart part) {
    // Tenths as whole numbers: sums of one-decimal weights stay exact.
    const int tenths =
        WeightTenths("Select weight from chenggu1 where year =" + SqlQuote(yearKey)) +
        WeightTenths("Select weight from chenggu2 where month2 =" + SqlQuote(monthKey)) +
        WeightTenths("Select weight from chenggu3 where day2 =" + SqlQuote(dayKey)) +
        WeightTenths("Select weight from chenggu4 where time =" + SqlQuote(hourKey));
    const std::string key = BoneWeightKey(tenths);
    RefQuery q(ReferenceDb(kDream).ConnectionString(),
               "Select content,content2 from chenggu where weight =" + SqlQuote(key));
    if (q.Eof()) return {};
    switch (part) {
        case BoneWeightPart::Weight: {
            const std::string liang = key.substr(0, 1), qian = key.substr(1, 1);
            return "你的骨重为：" + liang + "两" + (qian == "0" ? "" : qian + "钱");
        }
        case BoneWeightPart::Poem:
            return "骨重诗评：" + Trim(q.AsText(0));
        case BoneWeightPart::Comment:
            return "骨重解评：" + Trim(q.AsText(1));
    }
    return {};
}

std::string WesternSign(const CivilDate& date) {
    struct Range {
        int from, to;  // month * 100 + day, both ends inclusive
        const char* sign;
    };
    static constexpr Range kSigns[] = {
        {1222, 1231, "摩羯座"}, {101, 119, "摩羯座"},  {120, 218, "水瓶座"},
        {219, 320, "双鱼座"},   {321, 420, "白羊座"},  {421, 520, "金牛座 "},
        {521, 621, "双子座"},   {622, 722, "巨蟹座"},  {723, 822, "狮子座"},
        {823, 922, "处女座"},   {923, 1022, "天秤座"}, {1023, 1121, "天蝎座"},
        {1122, 1221, "射手座"}};
    if (!IsValidCivil(date.year, date.month, date.day)) return {};
    const int code = date.month * 100 + date.day;
    for (const Range& r : kSigns)
        if (code >= r.from && code <= r.to) return r.sign;
    return {};
}

}  // namespace qinghe
