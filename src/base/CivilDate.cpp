// Gregorian calendar arithmetic on serial day numbers; the day-number conversions are
// Howard Hinnant's days_from_civil / civil_from_days (public domain algorithms).
#include "base/CivilDate.h"

#include <charconv>
#include <cstdio>

#include "base/Errors.h"

namespace qinghe {

bool IsLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) return 0;
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

bool IsValidCivil(int year, int month, int day) {
    return day >= 1 && day <= DaysInMonth(year, month);
}

int DaysFromCivil(int year, int month, int day) {
    const int y = year - (month <= 2 ? 1 : 0);
    const int era = (y >= 0 ? y : y - 399) / 400;
    const int yoe = y - era * 400;                                             // [0, 399]
    const int doy = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;  // [0, 365]
    const int doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;                     // [0, 146096]
    return era * 146097 + doe - 719468;
}

CivilDate CivilFromDays(int days) {
    const int z = days + 719468;
    const int era = (z >= 0 ? z : z - 146096) / 146097;
    const int doe = z - era * 146097;                                       // [0, 146096]
    const int yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;  // [0, 399]
    const int doy = doe - (365 * yoe + yoe / 4 - yoe / 100);                // [0, 365]
    const int mp = (5 * doy + 2) / 153;                                     // [0, 11]
    const int day = doy - (153 * mp + 2) / 5 + 1;
    const int month = mp < 10 ? mp + 3 : mp - 9;
    return {yoe + era * 400 + (month <= 2 ? 1 : 0), month, day};
}

int DayOfYear(const CivilDate& d) {
    return DaysFromCivil(d) - DaysFromCivil(d.year, 1, 1) + 1;
}

int Weekday(const CivilDate& d) {
    // Serial day 0, 1970-01-01, was a Thursday.
    return ((DaysFromCivil(d) % 7) + 11) % 7;
}

std::string DateText(const CivilDate& d) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", d.year, d.month, d.day);
    return buf;
}

namespace {

// Reads an unsigned decimal field of up to `maxDigits` digits at `pos`.
bool ReadField(std::string_view text, std::size_t& pos, int maxDigits, int& out) {
    const std::size_t start = pos;
    while (pos < text.size() && pos - start < static_cast<std::size_t>(maxDigits) &&
           text[pos] >= '0' && text[pos] <= '9')
        ++pos;
    if (pos == start) return false;
    std::from_chars(text.data() + start, text.data() + pos, out);
    return true;
}

bool Expect(std::string_view text, std::size_t& pos, char c) {
    if (pos >= text.size() || text[pos] != c) return false;
    ++pos;
    return true;
}

}  // namespace

CivilDate ParseDate(std::string_view text) {
    // Blanks around the whole text are ignored, as the date boxes may pad it.
    std::string_view t = text;
    while (!t.empty() && t.front() == ' ') t.remove_prefix(1);
    while (!t.empty() && t.back() == ' ') t.remove_suffix(1);
    std::size_t pos = 0;
    int y = 0, m = 0, d = 0;
    const bool ok = ReadField(t, pos, 4, y) && Expect(t, pos, '-') && ReadField(t, pos, 2, m) &&
                    Expect(t, pos, '-') && ReadField(t, pos, 2, d) && pos == t.size() && y >= 1 &&
                    IsValidCivil(y, m, d);
    if (!ok) throw ConversionError("'" + std::string(text) + "' is not a valid date");
    return {y, m, d};
}

Moment MomentOf(const CivilDate& d, int hour, int minute, int second) {
    return {static_cast<std::int64_t>(DaysFromCivil(d)) * kMsPerDay +
            ((hour * 60LL + minute) * 60LL + second) * 1000LL};
}

int DayOf(Moment m) {
    std::int64_t day = m.ms / kMsPerDay;
    if (m.ms % kMsPerDay < 0) --day;
    return static_cast<int>(day);
}

Moment RoundedToSecond(Moment m) {
    std::int64_t s = (m.ms + 500) / 1000;
    if ((m.ms + 500) % 1000 < 0) --s;  // floor, also before 1970
    return {s * 1000};
}

int SecondOfDay(Moment m) {
    return static_cast<int>((m.ms - static_cast<std::int64_t>(DayOf(m)) * kMsPerDay) / 1000);
}

std::string MomentText(Moment m) {
    const int s = SecondOfDay(m);
    char buf[48];
    std::snprintf(buf, sizeof buf, "%s %02d:%02d:%02d", DateText(DateOf(m)).c_str(), s / 3600,
                  s / 60 % 60, s % 60);
    return buf;
}

bool ParseMoment(std::string_view text, Moment& out) {
    std::size_t pos = 0;
    int y = 0, mo = 0, d = 0, h = 0, mi = 0, s = 0;
    const bool ok =
        ReadField(text, pos, 4, y) && Expect(text, pos, '-') && ReadField(text, pos, 2, mo) &&
        Expect(text, pos, '-') && ReadField(text, pos, 2, d) && Expect(text, pos, ' ') &&
        ReadField(text, pos, 2, h) && Expect(text, pos, ':') && ReadField(text, pos, 2, mi) &&
        Expect(text, pos, ':') && ReadField(text, pos, 2, s) && pos == text.size();
    if (!ok || !IsValidCivil(y, mo, d) || h > 23 || mi > 59 || s > 59) return false;
    out = MomentOf({y, mo, d}, h, mi, s);
    return true;
}

}  // namespace qinghe
