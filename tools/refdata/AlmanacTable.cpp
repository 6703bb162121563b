// The almanac days of table huangdao (TalBirth.dll): the entries of lunar-javascript's rows
// (the build's almanac.tsv), with the lunar date and the day's year, month and day pillars
// from the program's own calendar. The pillars are those of the day's end, so a day on
// which a 节 falls belongs to the new month, as almanacs print it.
#include "NameTables.h"
#include "SourceFiles.h"
#include "base/CivilDate.h"
#include "calendar/LunarCalendar.h"
#include "calendar/Sexagenary.h"

namespace qinghe::refdata {

void FillAlmanacTable(BuildDb& db, const std::string& almanacTsv) {
    if (almanacTsv.empty()) return;
    const Tsv t = ReadTsv(almanacTsv);
    Inserter insert(db, "huangdao", 11);
    const std::size_t gn = t.Column("gn");
    for (const auto& r : t.rows) {
        const CivilDate date = ParseDate(r[gn]);
        const std::string lunar = "农历" + LunarDateText(SolarToLunar(date));
        const FourPillars p = ComputePillars(date, 23, 59);
        const std::string pillars =
            p.Year.Text() + "年 " + p.Month.Text() + "月 " + p.Day.Text() + "日";
        insert.Row(DateText(date), lunar, pillars, r[t.Column("tszf")], r[t.Column("wuhang")],
                   r[t.Column("cong")], r[t.Column("pzbj")], r[t.Column("jsyq")], r[t.Column("yi")],
                   r[t.Column("xsyq")], r[t.Column("ji")]);
    }
}

}  // namespace qinghe::refdata
