// qinghe-cli: the reports, look-ups and generators of the program from a terminal.
// UTF-8 with LF line ends on stdout; exit 0 on success, 1 with the message on stderr when
// an input is refused, 2 on usage errors.
#include <algorithm>
#include <atomic>
#include <charconv>
#include <cstdio>
#include <exception>
#include <fstream>
#include <functional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "base/Utf8.h"
#include "calendar/Almanac.h"
#include "calendar/DateCn.h"
#include "calendar/LunarCalendar.h"
#include "calendar/SolarAstronomy.h"
#include "calendar/SolarTerms.h"
#include "cli/ChartCommand.h"
#include "cli/NameCommand.h"
#include "generation/ClassicGeneration.h"
#include "generation/ListGeneration.h"
#include "generation/PoetryGeneration.h"
#include "numerology/CharacterLookup.h"
#include "refdata/Articles.h"
#include "refdata/ReferenceDb.h"

namespace {

using Args = std::vector<std::string>;

struct UsageError {
    std::string message;
};

struct Command {
    std::string_view name;
    std::string_view synopsis;
    std::string_view summary;
    std::function<int(const Args&)> run;
};

int Query(const Args& args) {
    if (args.size() != 2) throw UsageError{"query needs FILE and SQL"};
    qinghe::RefQuery q(args[0], args[1]);
    std::string line;
    for (int c = 0; c < q.FieldCount(); ++c) line += (c ? "\t" : "") + q.FieldName(c);
    std::printf("%s\n", line.c_str());
    for (q.First(); !q.Eof(); q.Next()) {
        line.clear();
        for (int c = 0; c < q.FieldCount(); ++c) line += (c ? "\t" : "") + q.AsText(c);
        std::printf("%s\n", line.c_str());
    }
    return 0;
}

int Strokes(const Args& args) {
    if (args.size() != 1) throw UsageError{"strokes needs one text of characters"};
    for (const std::string& c : qinghe::Utf8Chars(args[0])) {
        if (qinghe::Trim(c).empty()) continue;
        std::printf("%s\t%d\t%s\t%s\t%s\n", c.c_str(), qinghe::StrokeCount(c),
                    qinghe::PinyinOf(c).c_str(), qinghe::CharElement(c).c_str(),
                    qinghe::TraditionalOf(c).c_str());
    }
    return 0;
}

int IntegerArg(const std::string& text, const char* what) {
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size())
        throw UsageError{std::string(what) + " must be a whole number: '" + text + "'"};
    return value;
}

int Lunar(const Args& args) {
    if (args.empty() || args.size() > 2) throw UsageError{"lunar needs FROM and optionally TO"};
    const int from = qinghe::DaysFromCivil(qinghe::ParseDate(args[0]));
    const int to = args.size() == 2 ? qinghe::DaysFromCivil(qinghe::ParseDate(args[1])) : from;
    if (to < from) throw UsageError{"TO lies before FROM"};
    for (int day = from; day <= to; ++day) {
        const qinghe::LunarDate d = qinghe::SolarToLunarDays(day);
        std::printf("%s\t%d\t%d\t%d\t%d\n", qinghe::DateText(qinghe::CivilFromDays(day)).c_str(),
                    d.Year, d.Month, d.Day, d.IsLeap ? 1 : 0);
    }
    return 0;
}

int Solar(const Args& args) {
    if (args.size() < 3 || args.size() > 4 || (args.size() == 4 && args[3] != "--leap"))
        throw UsageError{"solar needs YEAR MONTH DAY and optionally --leap"};
    const qinghe::LunarDate d{IntegerArg(args[0], "YEAR"), IntegerArg(args[1], "MONTH"),
                              IntegerArg(args[2], "DAY"), args.size() == 4};
    if (!qinghe::IsValidLunarDate(d))
        throw std::invalid_argument("lunar date " + args[0] + "-" + args[1] + "-" + args[2] +
                                    (d.IsLeap ? " (leap month)" : "") +
                                    " does not exist (lunar years 1901-2099)");
    std::printf("%s\n", qinghe::DateText(qinghe::LunarToSolar(d)).c_str());
    return 0;
}

int Terms(const Args& args) {
    if (args.size() != 1) throw UsageError{"terms needs YEAR"};
    const int year = IntegerArg(args[0], "YEAR");
    if (year < 1000 || year > 3000)
        throw std::invalid_argument("solar terms are computed for the years 1000-3000");
    for (int n = 0; n < 24; ++n) {
        const qinghe::Moment m =
            qinghe::RoundedToSecond(qinghe::astro::ExactSolarTermMoment(year, n));
        std::printf("%d\t%s\t%s\n", n, std::string(qinghe::SolarTermName(n)).c_str(),
                    qinghe::MomentText(m).c_str());
    }
    return 0;
}

// --name value options and --flag switches after the positional arguments.
struct Options {
    std::vector<std::string> positional;
    std::vector<std::pair<std::string, std::string>> named;
    std::vector<std::string> flags;
    const std::string* Get(std::string_view name) const {
        for (const auto& [k, v] : named)
            if (k == name) return &v;
        return nullptr;
    }
    bool Has(std::string_view flag) const {
        return std::find(flags.begin(), flags.end(), flag) != flags.end();
    }
};

Options ParseOptions(const Args& args, std::initializer_list<std::string_view> known,
                     std::initializer_list<std::string_view> switches = {}) {
    Options o;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i].rfind("--", 0) != 0) {
            o.positional.push_back(args[i]);
            continue;
        }
        if (std::find(switches.begin(), switches.end(), args[i]) != switches.end()) {
            o.flags.push_back(args[i]);
            continue;
        }
        if (std::find(known.begin(), known.end(), args[i]) == known.end())
            throw UsageError{"unknown option " + args[i]};
        if (i + 1 >= args.size()) throw UsageError{args[i] + " needs a value"};
        o.named.emplace_back(args[i], args[i + 1]);
        ++i;
    }
    return o;
}

// The options every mode shares: sex, the given-name form and (but for poetry) a fixed
// character.
template <typename Settings>
void ReadNameForm(const Options& o, Settings& s) {
    const std::string* sex = o.Get("--sex");
    if (sex && *sex != "男" && *sex != "女") throw UsageError{"--sex is 男 or 女"};
    s.boy = !sex || *sex == "男";
    const std::string* form = o.Get("--form");
    if (form && *form != "双字名" && *form != "单字名")
        throw UsageError{"--form is 双字名 or 单字名"};
    s.twoCharGiven = !form || *form == "双字名";
    if constexpr (requires { s.fixedChar; }) {
        if (const std::string* fixed = o.Get("--fixed")) s.fixedChar = qinghe::Trim(*fixed);
        if (const std::string* position = o.Get("--position")) {
            if (*position != "第二字" && *position != "第三字")
                throw UsageError{"--position is 第二字 or 第三字"};
            s.fixedFirst = *position == "第二字";
        }
    }
}

// One page of a list or idiom run, as the grid shows it: the nine columns tab-separated.
// The page is drawn with the generator seeded by --seed (default 1), pages 1 to N in turn.
int GenerateList(const Options& o, bool idiom) {
    qinghe::ListSettings s;
    s.mode = idiom ? qinghe::ListMode::Idiom : qinghe::ListMode::List;
    s.surnameText = o.positional[0];
    ReadNameForm(o, s);
    // As the page: a fixed character unticks the minimum score, --min-score sets it.
    s.scoreFloorFromBox = s.fixedChar.empty() || o.Get("--min-score");
    if (const std::string* min = o.Get("--min-score")) s.minScoreText = *min;
    if (const std::string* chosen = o.Get("--combo");
        chosen && qinghe::Trim(*chosen) != qinghe::kAutomaticCombo)
        s.chosen = qinghe::ParseStrokeCombo(qinghe::Trim(*chosen), s.twoCharGiven);
    if (const std::string* elements = o.Get("--elements")) {
        std::string favoured = *elements;
        s.elements =
            qinghe::PrepareListElements(favoured, qinghe::Trim(s.surnameText), s.fixedChar);
    }
    s.filterNames = !o.Has("--no-filter");
    if (idiom) s.idioms = qinghe::LoadIdiomList();
    const int page = o.Get("--page") ? IntegerArg(*o.Get("--page"), "--page") : 1;
    const int seed = o.Get("--seed") ? IntegerArg(*o.Get("--seed"), "--seed") : 1;
    if (page < 1) throw UsageError{"--page counts from 1"};

    auto result = qinghe::RunListGeneration(s);
    if (!result) return 0;  // a surname of another length: nothing, as the window
    if (result->Run().ResultCount == 0) {
        std::fprintf(stderr,
                     "没有符合要求的名字，请放宽限制条件(如：最低分数、固定文字、更换模式等)。\n");
        return 1;
    }
    std::mt19937 random(static_cast<std::mt19937::result_type>(seed));
    std::vector<qinghe::GridRow> rows;
    for (int p = 1; p <= page; ++p) rows = result->NextPage(random);
    for (const qinghe::GridRow& row : rows) {
        std::string line;
        for (const std::string& cell : row.cells) line += (line.empty() ? "" : "\t") + cell;
        std::printf("%s\n", line.c_str());
    }
    return 0;
}

// Names from the characters of a text, as the poetry page lists them: "李白云(82分)", lowest
// score first.
int GeneratePoetry(const Options& o) {
    const std::string* file = o.Get("--poem-file");
    if (!file) throw UsageError{"--mode poetry needs --poem-file F"};
    std::ifstream in(*file, std::ios::binary);
    if (!in) throw UsageError{"cannot read " + *file};
    std::ostringstream text;
    text << in.rdbuf();
    qinghe::PoetrySettings s;
    s.surname = qinghe::Trim(o.positional[0]);
    if (s.surname.empty()) {
        std::fprintf(stderr, "姓不能为空!\n");
        return 1;
    }
    s.text = text.str();
    if (qinghe::Trim(s.text).empty()) {
        std::fprintf(stderr, "没有选择诗词，请查看已选诗词!\n");
        return 1;
    }
    ReadNameForm(o, s);
    if (const std::string* elements = o.Get("--elements")) {
        std::string favoured = *elements;
        s.elements = qinghe::PrepareElements(favoured, s.surname);
    }
    s.filterNames = !o.Has("--no-filter");
    const int limit = o.Get("--limit") ? IntegerArg(*o.Get("--limit"), "--limit") : -1;
    std::atomic<bool> flag{limit != 0};
    int printed = 0;
    const int found = qinghe::RunPoetryGeneration(s, flag, [&](const qinghe::GeneratedName& n) {
        std::printf("%s\n", n.Text().c_str());
        if (++printed == limit) flag = false;
    });
    if (found == 0 && limit != 0) {
        std::fprintf(stderr,
                     "提示：起名要符合多个条件，请添加更多诗词或文字内容方可起出更多名字！\n");
        return 1;
    }
    return 0;
}

// The poem tree for a search text (all poems without one): dynasty, author and title per line.
int Poems(const Args& args) {
    if (args.size() > 1) throw UsageError{"poems takes at most one SEARCH text"};
    const std::string search = args.empty() ? std::string() : qinghe::Trim(args[0]);
    for (const qinghe::PoemDynasty& d : qinghe::LoadPoemTree(search))
        for (const qinghe::PoemAuthor& a : d.authors)
            for (const qinghe::PoemTitle& t : qinghe::PoemTitles(a.number, search))
                std::printf("%s\t%s\t%s\n", d.name.c_str(), a.name.c_str(), t.title.c_str());
    return 0;
}

int Generate(const Args& args) {
    const Options o =
        ParseOptions(args,
                     {"--sex", "--form", "--mode", "--combo", "--fixed", "--position",
                      "--min-score", "--elements", "--limit", "--page", "--seed", "--poem-file"},
                     {"--no-filter"});
    if (o.positional.size() != 1) throw UsageError{"generate needs SURNAME"};
    const std::string* mode = o.Get("--mode");
    if (mode && *mode != "classic" && *mode != "list" && *mode != "idiom" && *mode != "poetry")
        throw UsageError{"--mode is classic, list, idiom or poetry"};
    if (mode && *mode == "poetry") return GeneratePoetry(o);
    if (mode && *mode != "classic") return GenerateList(o, *mode == "idiom");
    qinghe::ClassicSettings s;
    s.surname = qinghe::Trim(o.positional[0]);
    if (s.surname.empty()) throw UsageError{"SURNAME is empty"};
    ReadNameForm(o, s);
    qinghe::ComboOptions combo{s.surname, s.twoCharGiven, s.fixedChar, s.fixedFirst, 70};
    if (const std::string* min = o.Get("--min-score"))
        combo.minScore = IntegerArg(*min, "--min-score");
    int nameKind = 0;
    s.combos =
        qinghe::LoadStrokeCombos(combo, nameKind).value_or(std::vector<qinghe::StrokeCombo>{});
    if (const std::string* chosen = o.Get("--combo");
        chosen && qinghe::Trim(*chosen) != qinghe::kAutomaticCombo) {
        s.automatic = false;
        s.chosen = qinghe::ParseStrokeCombo(qinghe::Trim(*chosen), s.twoCharGiven);
    }
    s.copyHighScores = false;
    s.filterNames = !o.Has("--no-filter");
    if (const std::string* elements = o.Get("--elements")) {
        std::string favoured = *elements;
        s.elements = qinghe::PrepareElements(favoured, s.surname);
    }
    const int limit = o.Get("--limit") ? IntegerArg(*o.Get("--limit"), "--limit") : -1;
    std::atomic<bool> flag{limit != 0};
    int printed = 0;
    qinghe::ClassicSink sink;
    sink.name = [&](const qinghe::GeneratedName& name) {
        if (!flag.load()) return;
        std::printf("%s\n", name.Text().c_str());
        if (++printed == limit) flag = false;
    };
    qinghe::RunClassicGeneration(s, flag, sink);
    return 0;
}

// The calendar window's annotations of each day of a month: date, lunar code, the text under
// the day number, the year's animal, the star sign and the solar term.
int Calendar(const Args& args) {
    if (args.size() != 1) throw UsageError{"calendar needs YYYY-MM"};
    const std::string& text = args[0];
    const std::size_t dash = text.find('-');
    if (dash == std::string::npos) throw UsageError{"calendar needs YYYY-MM"};
    const int year = IntegerArg(text.substr(0, dash), "YYYY");
    const int month = IntegerArg(text.substr(dash + 1), "MM");
    if (month < 1 || month > 12 || year < qinghe::kCalendarFirstYear ||
        year > qinghe::kCalendarLastYear)
        throw UsageError{"the calendar covers the months 1901-01 to 2050-12"};
    for (int day = 1; day <= qinghe::DaysInMonth(year, month); ++day) {
        const qinghe::CivilDate d{year, month, day};
        std::printf("%s\t%d\t%s\t%s\t%s\t%s\n", qinghe::DateText(d).c_str(),
                    qinghe::CalendarLunarCode(d), qinghe::CalendarCellOf(d).text.c_str(),
                    qinghe::CalendarAnimalText(d).c_str(), qinghe::CalendarZodiacSign(d).c_str(),
                    qinghe::CalendarSolarTerm(d).c_str());
    }
    return 0;
}

// The almanac window's entry of a day: the overview line, then the nine entry lines.
int Almanac(const Args& args) {
    if (args.size() != 1) throw UsageError{"almanac needs YYYY-MM-DD"};
    const std::string& date = args[0];
    const std::size_t a = date.find('-'), b = date.find('-', a == std::string::npos ? 0 : a + 1);
    if (a == std::string::npos || b == std::string::npos)
        throw UsageError{"almanac needs YYYY-MM-DD"};
    const auto entry =
        qinghe::AlmanacOf(date.substr(0, a), date.substr(a + 1, b - a - 1), date.substr(b + 1));
    if (!entry) {
        std::fprintf(stderr, "没有该日的黄历数据!\n");
        return 1;
    }
    std::printf("%s\n", entry->overview.c_str());
    for (const std::string& line : entry->lines) std::printf("%s\n", line.c_str());
    return 0;
}

// A knowledge article by its code, or the built-in introduction without one.
int Article(const Args& args) {
    if (args.size() > 1) throw UsageError{"article takes at most one CODE"};
    if (args.empty()) {
        std::printf("%s\n", qinghe::IntroductionArticle().c_str());
        return 0;
    }
    const auto article = qinghe::ArticleContent(qinghe::Trim(args[0]));
    if (!article) {
        std::fprintf(stderr, "no article '%s'\n", args[0].c_str());
        return 1;
    }
    std::printf("%s\n", article->c_str());
    return 0;
}

const std::vector<Command>& Commands() {
    static const std::vector<Command> commands = {
        {"query", "query FILE \"SQL\"",
         "rows of a Jet-dialect SQL text on one reference file (tab-separated, header first)",
         Query},
        {"strokes", "strokes CHARS",
         "per character: Kangxi strokes, pinyin, five element, traditional form", Strokes},
        {"lunar", "lunar FROM [TO]",
         "lunar date of each day: YYYY-MM-DD, lunar year, month, day, leap (0/1)", Lunar},
        {"solar", "solar YEAR MONTH DAY [--leap]", "Gregorian date of a lunar date", Solar},
        {"generate",
         "generate SURNAME [--sex 男/女] [--form 双字名/单字名] [--mode classic/list/idiom] "
         "[--combo TEXT] [--fixed CHAR --position 第二字/第三字] [--min-score N] "
         "[--elements TEXT] [--limit N] [--page N --seed N] [--poem-file F] [--no-filter]",
         "generated names, one per line, in the order the window shows them; list and idiom "
         "modes: the rows of one page of the grid, tab-separated",
         Generate},
        {"almanac", "almanac YYYY-MM-DD",
         "the almanac window's overview line and entry lines of a day", Almanac},
        {"calendar", "calendar YYYY-MM",
         "per day of a month: date, lunar code, the text the calendar window shows, animal, star "
         "sign, solar term",
         Calendar},
        {"poems", "poems [SEARCH]",
         "the poem tree for a search text (all poems without one): dynasty, author, title", Poems},
        {"article", "article [CODE]",
         "the knowledge article of a code (a1, XM001 …), or the introduction without one", Article},
        {"terms", "terms YEAR", "the 24 solar-term moments of a year (China Standard Time)", Terms},
        {"chart", qinghe::cli::kChartSynopsis, "the chart report of a birth, or the chart as JSON",
         qinghe::cli::ChartCommand},
        {"name", qinghe::cli::kNameSynopsis, "the name report of the name page or window, or JSON",
         qinghe::cli::NameCommand},
    };
    return commands;
}

void PrintHelp(std::FILE* out) {
    std::fprintf(out, "usage: qinghe-cli COMMAND [ARGS]\n\ncommands:\n");
    for (const Command& c : Commands())
        std::fprintf(out, "  %-44s %s\n", std::string(c.synopsis).c_str(),
                     std::string(c.summary).c_str());
    std::fprintf(out,
                 "\nFILE is a reference file of the program's folder (such as Tgcode.dll) or a "
                 "path.\n");
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        PrintHelp(stderr);
        return 2;
    }
    const std::string_view name = argv[1];
    if (name == "--help" || name == "-h" || name == "help") {
        PrintHelp(stdout);
        return 0;
    }
    for (const Command& c : Commands()) {
        if (c.name != name) continue;
        try {
            return c.run(Args(argv + 2, argv + argc));
        } catch (const UsageError& e) {
            std::fprintf(stderr, "qinghe-cli %s: %s\nusage: qinghe-cli %s\n",
                         std::string(name).c_str(), e.message.c_str(),
                         std::string(c.synopsis).c_str());
            return 2;
        } catch (const std::runtime_error& e) {
            // Refused input, unreadable data and engine errors; a logic error is a fault of
            // the program and is not turned into a message.
            std::fprintf(stderr, "%s\n", e.what());
            return 1;
        }
    }
    std::fprintf(stderr, "qinghe-cli: unknown command '%s'\n\n", argv[1]);
    PrintHelp(stderr);
    return 2;
}
