// The day annotations of the perpetual-calendar window for 1901-2050: a four-byte lunar
// entry per Gregorian year and a one-byte solar-term entry per month, both made from the
// program's own lunar calendar and exact solar terms (China Standard Time), and the lunar
// code, month and day texts, festivals, solar terms, year animal and star sign of a date.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "base/CivilDate.h"

namespace qinghe {

inline constexpr int kCalendarFirstYear = 1901;
inline constexpr int kCalendarLastYear = 2050;

// Per year: byte 0 bit 7 the month in progress on 1 January (1 = 腊月, 0 = 冬月) and bits 6-0
// its day; bytes 1-2 the lengths of sixteen months from that one (bit set = 30 days, byte 1
// high first); byte 3 the month a leap month follows along them, 0 for none.
const std::array<std::array<std::uint8_t, 4>, 150>& CalendarLunarTable();
// Per month from January 1901: high four bits 15 - the day of the first solar term, low four
// bits the day of the second - 15.
const std::array<std::uint8_t, 1800>& CalendarTermTable();

// Lunar month × 100 + day, negative in a leap month (−402: day 2 of leap month 4); 0 outside
// 1901-2050. The same lunar date the rest of the program gives.
int CalendarLunarCode(const CivilDate& date);
// 正月 … 腊月, or 闰 + month name (闰四); empty outside the range.
std::string CalendarMonthText(const CivilDate& date);
// 初一 … 三十; empty outside the range.
std::string CalendarDayText(const CivilDate& date);
// 春节 元宵节 端午节 七夕节 中秋节 重阳节 腊八节 除夕, or empty.
std::string CalendarLunarFestival(const CivilDate& date);
// One of the 24 term names when a term falls on the date, or empty.
std::string CalendarSolarTerm(const CivilDate& date);
// The Gregorian festival of day `day` of the month of `monthOf`, or empty.
std::string CalendarSolarFestival(int day, const CivilDate& monthOf);
// 子鼠 … 亥猪 of the lunar year in progress (the previous year's before the new year).
std::string CalendarAnimalText(const CivilDate& date);
// The western star sign of the date.
std::string CalendarZodiacSign(const CivilDate& date);

// What the calendar window writes under a day number, and why: a lunar festival wins over a
// solar term, which wins over a Gregorian festival, which wins over the lunar month (on the
// first day of a lunar month) or the lunar day.
enum class CalendarTextKind { LunarDay, LunarMonth, SolarFestival, SolarTerm, LunarFestival };
struct CalendarCell {
    std::string text;
    CalendarTextKind kind = CalendarTextKind::LunarDay;
};
CalendarCell CalendarCellOf(const CivilDate& date);

}  // namespace qinghe
