// Writes data/poetry/poems.tsv, the poem collection of the poetry page, from the pinned npm
// package `chinese-poetry` (MIT; the poems themselves are in the public domain): 诗经, 楚辞,
// 唐诗三百首, 宋词三百首, 千家诗, 花间集, 南唐二主词, 曹操's and 纳兰性德's poems. Texts are converted to simplified characters with
// OpenCC's traditional-to-simplified table (Debian's `opencc`), notes in brackets such as
// "(明年 一作：年年)" are removed, and a poem already taken from an earlier book is not taken
// again. Run through `make poetry-data`; the output is committed so a build needs no Node.js.
//
// Columns: cd_num d_dynasty au_num d_author d_num d_title d_nr, with a poem's lines joined
// by the two characters "\n". Dynasties are numbered in historical order, authors in order
// of their first poem within their dynasty, poems in that order too; numbers are unique over
// the whole collection.
import { execFileSync } from "node:child_process";
import { readFileSync, writeFileSync } from "node:fs";

const pkg = new URL("../node_modules/chinese-poetry/", import.meta.url);
const version = JSON.parse(readFileSync(new URL("package.json", pkg))).version;
const read = (path) => JSON.parse(readFileSync(new URL(`dist/${path}`, pkg)));

// One OpenCC call for all texts: they are joined by a line of their own and split again.
function toSimplified(texts) {
  const separator = "\u0001";
  const out = execFileSync("opencc", ["-c", "t2s.json"], {
    input: texts.join(`\n${separator}\n`),
    encoding: "utf8",
    maxBuffer: 1 << 28,
  });
  const parts = out.split(`\n${separator}\n`);
  if (parts.length !== texts.length) throw new Error("opencc changed the number of texts");
  return parts;
}

// A note may span lines and mix full-width and ASCII brackets: (回乐\n一作：回乐\n）.
const withoutNotes = (text) => text.replace(/[（(][^（）()]*[）)]/g, "").trim();

// Every poem as { dynasty, author, title, lines } in book order.
const poems = [];

for (const p of read("shijing/shijing.json"))
  poems.push({ dynasty: "先秦", author: "佚名", title: p.title, lines: p.content });

// 楚辞: the poems of 屈原, 宋玉 and 景差 are of the Warring States; the rest are Han imitations.
const warringStates = new Set(["屈原", "宋玉", "景差"]);
for (const p of read("chuci/chuci.json")) {
  const title = p.section && p.section !== p.title ? `${p.section}·${p.title}` : p.title;
  poems.push({
    dynasty: warringStates.has(p.author) ? "战国" : "汉",
    author: p.author,
    title,
    lines: p.content,
  });
}

for (const kind of read("mengxue/tangshisanbaishou.json").content)
  for (const p of kind.content) {
    const title = p.subchapter ? `${p.chapter}·${p.subchapter}` : p.chapter;
    poems.push({ dynasty: "唐", author: p.author, title, lines: p.paragraphs });
  }

// A ci is known by its tune and its opening words: 念奴娇·大江东去.
for (const p of read("songci/宋词三百首.json")) {
  const opening = (p.paragraphs[0] || "").split(/[，。、？！；：]/)[0];
  poems.push({ dynasty: "宋", author: p.author, title: `${p.rhythmic}·${opening}`, lines: p.paragraphs });
}

// 千家诗 names the dynasty before the author: （唐）孟浩然.
for (const kind of read("mengxue/qianjiashi.json").content)
  for (const p of kind.content) {
    const m = /^（(.)）(.*)$/.exec(p.author);
    poems.push({
      dynasty: m ? m[1] : "未详",
      author: m ? m[2] : p.author,
      title: p.chapter,
      lines: p.paragraphs,
    });
  }

// 花间集 and 南唐二主词 of the Five Dynasties; 温庭筠 and 皇甫松 of 花间集 wrote under the Tang.
const tangPoetsOfHuajian = new Set(["温庭筠", "皇甫松"]);
for (const juan of ["1", "2", "3", "4", "5", "6", "7", "8", "9", "x"])
  for (const p of read(`wudaishici/huajianji/huajianji-${juan}-juan.json`))
    poems.push({
      dynasty: tangPoetsOfHuajian.has(p.author) ? "唐" : "五代",
      author: p.author,
      title: p.title || p.rhythmic,
      lines: p.paragraphs,
    });
for (const p of read("wudaishici/nantang/poetrys.json"))
  poems.push({ dynasty: "五代", author: p.author, title: p.title || p.rhythmic, lines: p.paragraphs });

// 曹操's poems (Eastern Han) and 纳兰性德's (Qing).
for (const p of read("caocaoshiji/caocao.json"))
  poems.push({ dynasty: "汉", author: "曹操", title: p.title, lines: p.paragraphs });
for (const p of read("nalanxingde/纳兰性德诗集.json"))
  poems.push({ dynasty: "清", author: p.author, title: p.title, lines: p.para });

// Simplified characters, without notes.
const texts = [];
for (const p of poems) texts.push(p.dynasty, p.author, p.title, p.lines.join("\n"));
const simple = toSimplified(texts);
poems.forEach((p, i) => {
  p.dynasty = simple[4 * i].trim();
  p.author = simple[4 * i + 1].trim() || "佚名";
  if (p.author === "无名氏") p.author = "佚名";
  p.title = withoutNotes(simple[4 * i + 2]);
  p.text = withoutNotes(simple[4 * i + 3]).split("\n").map((l) => l.trim()).filter((l) => l).join("\n");
});

const order = ["先秦", "战国", "汉", "魏", "晋", "南北朝", "隋", "唐", "五代", "宋", "元", "明", "清", "未详"];
const seen = new Set();
const kept = [];
for (const p of poems) {
  if (!order.includes(p.dynasty)) throw new Error(`dynasty ${p.dynasty} has no place`);
  const key = p.text.replace(/[^\u4e00-\u9fff]/g, "");
  if (!key || seen.has(key)) continue;
  seen.add(key);
  kept.push(p);
}

// Numbers: dynasties in historical order (those present), authors and poems in book order
// within their dynasty.
const dynasties = order.filter((d) => kept.some((p) => p.dynasty === d));
const rows = [];
let authorNumber = 0;
let poemNumber = 0;
for (const [i, dynasty] of dynasties.entries()) {
  const authors = new Map();
  for (const p of kept.filter((q) => q.dynasty === dynasty))
    if (!authors.has(p.author)) authors.set(p.author, ++authorNumber);
  for (const [author, au] of authors)
    for (const p of kept.filter((q) => q.dynasty === dynasty && q.author === author))
      rows.push([i + 1, dynasty, au, author, ++poemNumber, p.title, p.text.replaceAll("\n", "\\n")]);
}

const header = ["cd_num", "d_dynasty", "au_num", "d_author", "d_num", "d_title", "d_nr"];
const tsv = [header, ...rows].map((r) => r.join("\t")).join("\n") + "\n";
writeFileSync(new URL("../data/poetry/poems.tsv", import.meta.url), tsv);
console.log(`chinese-poetry ${version}: ${rows.length} poems, ${authorNumber} authors, ` +
  `${dynasties.length} dynasties (${dynasties.join(" ")})`);
