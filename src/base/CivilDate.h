// Gregorian dates and local moments over one serial day number: days since 1970-01-01
// (proleptic Gregorian, any year an int holds), moments as milliseconds since 1970-01-01
// 00:00 local China Standard Time. Day arithmetic after Howard Hinnant's civil algorithms.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace qinghe {

struct CivilDate {
    int year = 0;
    int month = 0;  // 1..12
    int day = 0;    // 1..31
    friend bool operator==(const CivilDate&, const CivilDate&) = default;
};

bool IsLeapYear(int year);
int DaysInMonth(int year, int month);  // 0 for a month outside 1..12
bool IsValidCivil(int year, int month, int day);

// The serial day number of a Gregorian date (1970-01-01 = 0) and back.
int DaysFromCivil(int year, int month, int day);
inline int DaysFromCivil(const CivilDate& d) {
    return DaysFromCivil(d.year, d.month, d.day);
}
CivilDate CivilFromDays(int days);

// Ordinal of a date in its year, 1 January = 1.
int DayOfYear(const CivilDate& d);

// Day of the week, 0 Sunday … 6 Saturday.
int Weekday(const CivilDate& d);

// "YYYY-MM-DD".
std::string DateText(const CivilDate& d);

// The program's one date form: year, month and day joined by "-" ("2020-1-5",
// "2020-01-05"; years 1-9999, blanks around the text ignored). Any other text or an
// impossible date throws ConversionError "'<text>' is not a valid date".
CivilDate ParseDate(std::string_view text);

// A local moment, milliseconds from 1970-01-01 00:00 China Standard Time.
struct Moment {
    std::int64_t ms = 0;
    friend auto operator<=>(const Moment&, const Moment&) = default;
};

inline constexpr std::int64_t kMsPerDay = 86'400'000;

Moment MomentOf(const CivilDate& d, int hour = 0, int minute = 0, int second = 0);
int DayOf(Moment m);               // serial day number, time of day dropped
Moment RoundedToSecond(Moment m);  // to the nearest whole second, halves up
inline CivilDate DateOf(Moment m) {
    return CivilFromDays(DayOf(m));
}
int SecondOfDay(Moment m);  // [0, 86399]

// "YYYY-MM-DD HH:MM:SS" (milliseconds dropped) and back; ParseMoment gives false on a text
// of another shape or an impossible date or time.
std::string MomentText(Moment m);
bool ParseMoment(std::string_view text, Moment& out);

}  // namespace qinghe
