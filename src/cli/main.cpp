// qinghe-cli: the reports, look-ups and generators of the program from a terminal.
// UTF-8 with LF line ends on stdout; exit 0 on success, 1 with the message on stderr when
// an input is refused, 2 on usage errors.
#include <cstdio>
#include <exception>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "numerology/CharacterLookup.h"
#include "refdata/ReferenceDb.h"
#include "refdata/Utf8.h"

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

const std::vector<Command>& Commands() {
    static const std::vector<Command> commands = {
        {"query", "query FILE \"SQL\"",
         "rows of a Jet-dialect SQL text on one reference file (tab-separated, header first)",
         Query},
        {"strokes", "strokes CHARS",
         "per character: Kangxi strokes, pinyin, five element, traditional form", Strokes},
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
        } catch (const std::exception& e) {
            std::fprintf(stderr, "%s\n", e.what());
            return 1;
        }
    }
    std::fprintf(stderr, "qinghe-cli: unknown command '%s'\n\n", argv[1]);
    PrintHelp(stderr);
    return 2;
}
