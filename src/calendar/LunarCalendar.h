// The Chinese lunar calendar for lunar years 1900..2100: conversion to and from Gregorian
// dates through the serial day number, and the Chinese texts of days, months and cycle years.
// Month lengths and leap months come from the packed almanac words of LunarYearTable.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "base/CivilDate.h"

namespace qinghe {

struct LunarDate {
    int Year = 0;   // the Gregorian year in which the lunar year's first month begins
    int Month = 0;  // 1..12; for a leap month, the number of the month it repeats
    int Day = 0;    // 1..30
    bool IsLeap = false;
    bool ok() const { return Year != 0; }  // all zero is the "no date" value
    friend bool operator==(const LunarDate&, const LunarDate&) = default;
};

// One word per lunar year 1900..2100: bits 15..4 month 1..12 has 30 days (else 29); bits 3..0
// the month followed by the leap month, 15 meaning none this year and a 30-day leap month in
// the previous year.
extern const std::array<std::uint16_t, 201> LunarYearTable;

inline constexpr int kFirstLunarYear = 1900;
inline constexpr int kLastLunarYear = 2100;

int LunarYearDays(int year);
int LunarLeapMonth(int year);  // 0 when the year has no leap month
int LunarLeapDays(int year);   // 0, 29 or 30
int LunarMonthDays(int year, int month);

// The "no date" value outside 1900-01-31 .. 2100-12-31 and for an impossible date.
LunarDate SolarToLunar(const CivilDate& date);
LunarDate SolarToLunarDays(int serialDay);
bool IsValidLunarDate(const LunarDate& d);
// 0001-01-01 for a lunar date that does not exist (or lies in lunar year 1900 or 2100).
CivilDate LunarToSolar(const LunarDate& d);

std::string LunarDayName(int day);                 // "初一" .. "三十", else empty
std::string LunarMonthName(int month, bool leap);  // "一月" .. "十二月", "闰" for a leap month
std::string CycleYearText(int n);                  // n = lunar year - 1864: "甲子(鼠年)"

// The lunar birth date line: CycleYearText + month name + day name ("甲子(鼠年)一月初一"),
// and the zodiac animal of the lunar year ("鼠"). Empty text for the "no date" value.
std::string LunarDateText(const LunarDate& d);
std::string LunarAnimal(const LunarDate& d);

}  // namespace qinghe
