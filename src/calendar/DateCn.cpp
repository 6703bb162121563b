// The tables are made once from SolarToLunar and the exact solar-term moments, so the
// calendar window shows the lunar date every other window shows; the annotations read them
// by the window's own rules (festivals of ordinary months only, the term table's days).
#include "calendar/DateCn.h"

#include <algorithm>
#include <mutex>
#include <optional>

#include "calendar/LunarCalendar.h"
#include "calendar/SolarAstronomy.h"
#include "calendar/SolarTerms.h"

namespace qinghe {

namespace {

constexpr const char* kMonthNames[13] = {"",   "正", "二", "三", "四", "五", "六",
                                         "七", "八", "九", "十", "冬", "腊"};

std::array<std::uint8_t, 4> LunarEntry(int year) {
    const int jan1 = DaysFromCivil(year, 1, 1);
    const LunarDate first = SolarToLunarDays(jan1);
    std::array<std::uint8_t, 4> e{};
    e[0] = static_cast<std::uint8_t>((first.Month == 12 ? 0x80 : 0) | first.Day);
    int start = jan1 - (first.Day - 1);  // the first day of the month in progress
    unsigned bits = 0;
    for (int k = 0; k < 16; ++k) {
        const LunarDate month = SolarToLunarDays(start);
        const bool thirty = SolarToLunarDays(start + 29).Day == 30;
        if (thirty) bits |= 1u << (15 - k);
        if (k > 0 && month.IsLeap && e[3] == 0) e[3] = static_cast<std::uint8_t>(month.Month);
        start += thirty ? 30 : 29;
    }
    e[1] = static_cast<std::uint8_t>(bits >> 8);
    e[2] = static_cast<std::uint8_t>(bits & 0xFF);
    return e;
}

using TermYear = std::array<std::uint8_t, 12>;

TermYear TermEntries(int year) {
    TermYear entries{};
    for (int month = 1; month <= 12; ++month) {
        const int n = 2 * (month - 1);  // 0 = 小寒, the first term of January
        const int first = DateOf(astro::ExactSolarTermMoment(year, n)).day;
        const int second = DateOf(astro::ExactSolarTermMoment(year, n + 1)).day;
        entries[static_cast<std::size_t>(month - 1)] =
            static_cast<std::uint8_t>(((15 - first) << 4) | (second - 15));
    }
    return entries;
}

// A year's twelve entries, computed at its first use: the exact moments of one year's terms
// take about 1.5 ms, those of all 150 years 0.2 s, which the calendar window's first month
// should not wait for.
const TermYear& TermEntriesOf(int year) {
    static std::mutex mutex;
    static std::array<std::optional<TermYear>, 150> years;
    std::lock_guard lock(mutex);
    auto& entries = years[static_cast<std::size_t>(year - kCalendarFirstYear)];
    if (!entries) entries = TermEntries(year);
    return *entries;
}

bool InRange(const CivilDate& d) {
    return d.year >= kCalendarFirstYear && d.year <= kCalendarLastYear;
}

std::string MonthTextOfCode(int code) {
    if (code == 0) return {};
    const int month = code / 100;
    return month < 0 ? std::string("闰") + kMonthNames[-month]
                     : std::string(kMonthNames[month]) + "月";
}

}  // namespace

const std::array<std::array<std::uint8_t, 4>, 150>& CalendarLunarTable() {
    static const auto table = [] {
        std::array<std::array<std::uint8_t, 4>, 150> t{};
        for (int y = kCalendarFirstYear; y <= kCalendarLastYear; ++y)
            t[static_cast<std::size_t>(y - kCalendarFirstYear)] = LunarEntry(y);
        return t;
    }();
    return table;
}

const std::array<std::uint8_t, 1800>& CalendarTermTable() {
    static const auto table = [] {
        std::array<std::uint8_t, 1800> t{};
        for (int y = kCalendarFirstYear; y <= kCalendarLastYear; ++y) {
            const TermYear& entries = TermEntriesOf(y);
            std::copy(entries.begin(), entries.end(), t.begin() + (y - kCalendarFirstYear) * 12);
        }
        return t;
    }();
    return table;
}

int CalendarLunarCode(const CivilDate& date) {
    if (!InRange(date)) return 0;
    const auto& e = CalendarLunarTable()[static_cast<std::size_t>(date.year - kCalendarFirstYear)];
    const int firstMonth = (e[0] & 0x80) ? 12 : 11;
    const int d1 = e[0] & 0x7F;
    const unsigned bits = (static_cast<unsigned>(e[1]) << 8) | e[2];
    const int leapAfter = e[3];
    int numbers[16];
    int lengths[16];
    numbers[0] = firstMonth;
    for (int k = 0; k < 16; ++k) {
        lengths[k] = (bits >> (15 - k)) & 1u ? 30 : 29;
        if (k == 15) break;
        const int current = numbers[k];
        if (current == leapAfter)
            numbers[k + 1] = -leapAfter;
        else
            numbers[k + 1] = (current < 0 ? -current : current) % 12 + 1;
    }
    const int t = DaysFromCivil(date) - DaysFromCivil(date.year, 1, 1);
    int month = 0, day = 0;
    if (t <= lengths[0] - d1) {
        day = d1 + t;
        month = numbers[0];
        // The month in progress on 1 January was a leap month when 31 December was in one.
        if (date.year > kCalendarFirstYear && CalendarLunarCode({date.year - 1, 12, 31}) < 0)
            month = -month;
    } else {
        int before = lengths[0] - d1 + 1;  // days of the year in slot 0
        for (int k = 1; k < 16; ++k) {
            if (t < before + lengths[k]) {
                month = numbers[k];
                day = t - before + 1;
                break;
            }
            before += lengths[k];
        }
    }
    return month < 0 ? month * 100 - day : month * 100 + day;
}

std::string CalendarMonthText(const CivilDate& date) {
    return MonthTextOfCode(CalendarLunarCode(date));
}

std::string CalendarDayText(const CivilDate& date) {
    const int code = CalendarLunarCode(date);
    return code == 0 ? std::string() : LunarDayName((code < 0 ? -code : code) % 100);
}

std::string CalendarLunarFestival(const CivilDate& date) {
    const int code = CalendarLunarCode(date);
    if (code == 0) return {};
    const int day = (code < 0 ? -code : code) % 100;
    const std::string month = MonthTextOfCode(code);
    if (day == 1 && month == "正月") return "春节";
    if (day == 5 && month == "五月") return "端午节";
    if (day == 7 && month == "七月") return "七夕节";
    if (day == 8 && month == "腊月") return "腊八节";
    if (day == 9 && month == "九月") return "重阳节";
    if (day == 15 && month == "八月") return "中秋节";
    if (day == 15 && month == "正月") return "元宵节";
    const CivilDate next = CivilFromDays(DaysFromCivil(date) + 1);
    if (month != "正月" && CalendarMonthText(next) == "正月") return "除夕";
    return {};
}

std::string CalendarSolarTerm(const CivilDate& date) {
    if (!InRange(date)) return {};
    const std::uint8_t b = TermEntriesOf(date.year)[static_cast<std::size_t>(date.month - 1)];
    const int h = b >> 4, l = b & 0x0F;
    if (date.day <= 14 && date.day == 15 - h) return std::string(SolarTermName(2 * date.month - 2));
    if (date.day >= 15 && date.day == 15 + l) return std::string(SolarTermName(2 * date.month - 1));
    return {};
}

std::string CalendarSolarFestival(int n, const CivilDate& monthOf) {
    const bool sunday = Weekday({monthOf.year, monthOf.month, n}) == 0;
    const bool thursday = Weekday({monthOf.year, monthOf.month, n}) == 4;
    switch (monthOf.month) {
        case 1:
            return n == 1 ? "元旦节" : "";
        case 2:
            return n == 14 ? "情人节" : "";
        case 3:
            return n == 8 ? "妇女节" : "";
        case 4:
            return n == 1 ? "愚人节" : "";
        case 5:
            if (n == 1) return "劳动节";
            if (n == 4) return "青年节";
            return sunday && n >= 8 && n <= 14 ? "母亲节" : "";
        case 6:
            if (n == 1) return "儿童节";
            return sunday && n >= 15 && n <= 21 ? "父亲节" : "";
        case 7:
            return n == 1 ? "建党节" : "";
        case 8:
            return n == 1 ? "建军节" : "";
        case 9:
            return n == 10 ? "教师节" : "";
        case 10:
            if (n == 1) return "国庆节";
            if (n == 6) return "老人节";
            return n == 31 ? "万圣节" : "";
        case 11:
            if (n == 8) return "记者日";
            return thursday && n >= 22 && n <= 28 ? "感恩节" : "";
        case 12:
            return n == 25 ? "圣诞节" : "";
    }
    return {};
}

std::string CalendarAnimalText(const CivilDate& date) {
    static constexpr const char* kPairs[12] = {"子鼠", "丑牛", "寅虎", "卯兔", "辰龙", "巳蛇",
                                               "午马", "未羊", "申猴", "酉鸡", "戌狗", "亥猪"};
    int year = date.year;
    if (date.month <= 3) {
        const std::string month = CalendarMonthText(date);
        if (month.find("冬") != std::string::npos || month.find("腊") != std::string::npos) --year;
    }
    return kPairs[((year - 1972) % 12 + 12) % 12];
}

std::string CalendarZodiacSign(const CivilDate& date) {
    struct Border {
        int lastDay;
        const char* before;
        const char* from;
    };
    static constexpr Border kSigns[12] = {
        {19, "摩羯座", "水瓶座"}, {18, "水瓶座", "双鱼座"}, {20, "双鱼座", "白羊座"},
        {19, "白羊座", "金牛座"}, {20, "金牛座", "双子座"}, {21, "双子座", "巨蟹座"},
        {22, "巨蟹座", "狮子座"}, {22, "狮子座", "处女座"}, {22, "处女座", "天秤座"},
        {23, "天秤座", "天蝎座"}, {21, "天蝎座", "射手座"}, {21, "射手座", "摩羯座"}};
    if (date.month < 1 || date.month > 12) return {};
    const Border& b = kSigns[date.month - 1];
    return date.day <= b.lastDay ? b.before : b.from;
}

CalendarCell CalendarCellOf(const CivilDate& date) {
    CalendarCell cell{CalendarDayText(date), CalendarTextKind::LunarDay};
    if (cell.text == "初一") cell = {CalendarMonthText(date), CalendarTextKind::LunarMonth};
    // A Gregorian festival of at least two characters.
    if (std::string f = CalendarSolarFestival(date.day, date); f.size() >= 6)
        cell = {std::move(f), CalendarTextKind::SolarFestival};
    if (std::string t = CalendarSolarTerm(date); !t.empty())
        cell = {std::move(t), CalendarTextKind::SolarTerm};
    if (std::string f = CalendarLunarFestival(date); !f.empty())
        cell = {std::move(f), CalendarTextKind::LunarFestival};
    return cell;
}

}  // namespace qinghe
