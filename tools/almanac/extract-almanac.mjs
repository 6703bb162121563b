// Writes the almanac entries of table huangdao for every day of 1901-2100 from the pinned
// npm package `lunar-javascript` (MIT), which follows the traditional almanac rules: the
// foetus god's place (胎神占方), the day's 纳音, its clash and sha (冲, 煞), the Pengzu
// taboos, the lucky and unlucky spirits and what the day suits and avoids (宜, 忌). The
// lunar date and the pillars of each row come from the program's own calendar, not from here.
// Usage: node extract-almanac.mjs OUT.tsv (the build runs it once, after npm ci).
import { writeFileSync } from "node:fs";
import lunar from "lunar-javascript";

const { Solar } = lunar;
const out = process.argv[2];
if (!out) throw new Error("usage: node extract-almanac.mjs OUT.tsv");

const pad = (n) => String(n).padStart(2, "0");
const rows = ["gn\ttszf\twuhang\tcong\tpzbj\tjsyq\tyi\txsyq\tji"];
const day = new Date(Date.UTC(1901, 0, 1));
const end = Date.UTC(2100, 11, 31);
for (; day.getTime() <= end; day.setUTCDate(day.getUTCDate() + 1)) {
  const y = day.getUTCFullYear(), m = day.getUTCMonth() + 1, d = day.getUTCDate();
  const l = Solar.fromYmd(y, m, d).getLunar();
  rows.push([
    `${y}-${pad(m)}-${pad(d)}`,
    l.getDayPositionTai(),
    l.getDayNaYin(),
    // The clash as the window shows it after "冲:": 狗(戊戌) 煞南.
    `${l.getDayChongShengXiao()}(${l.getDayChongGan()}${l.getDayChong()}) 煞${l.getDaySha()}`,
    `${l.getPengZuGan()} ${l.getPengZuZhi()}`,
    l.getDayJiShen().join(" "),
    l.getDayYi().join(" "),
    l.getDayXiongSha().join(" "),
    l.getDayJi().join(" "),
  ].join("\t"));
}
writeFileSync(out, rows.join("\n") + "\n");
console.log(`lunar-javascript: ${rows.length - 1} days written to ${out}`);
