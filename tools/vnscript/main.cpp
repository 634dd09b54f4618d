// vnscript: event files to script text and back, the event editor's list
// lines, flag-data files to text and back, the check of a game folder, a new
// game to start from, and the script syntax of every event type.
#include "scenario/CommandLine.h"
#include "tools/vnscript/Commands.h"

#include <cstdio>
#include <cstring>
#include <exception>
#include <new>
#include <string_view>

namespace {

constexpr const char* kHelp =
    "usage: vnscript COMMAND [OPTIONS] FILES...\n"
    "       vnscript --help | --version\n"
    "\n"
    "  text [--sjis] [--check] FILE.evt  print the script text of an event file,\n"
    "                                    one line per event, each ended by CR LF;\n"
    "                                    --check also lists on standard error the\n"
    "                                    events the text would not give back\n"
    "                                    unchanged, and exits with 2 if there are any\n"
    "  compile [--sjis] [--strict] IN.txt OUT.evt\n"
    "                                    read a script text (- for standard input)\n"
    "                                    and write the event file; warns on standard\n"
    "                                    error (IN.txt:LINE: warning: ...) about\n"
    "                                    command lines that name no event type, numbers\n"
    "                                    that are none or do not fit 32 bits, and\n"
    "                                    missing or extra arguments; --strict makes\n"
    "                                    them errors and writes nothing\n"
    "  list [--sjis] FILE.evt            print the event editor's list: \"%-4d \" with\n"
    "                                    the event number and its summary, then the\n"
    "                                    end line\n"
    "  flg [--sjis] FILE.flg             print each parameter: name, TAB, value\n"
    "  mkflg [--sjis] IN.txt OUT.flg     read \"name<TAB>value\" lines (- for standard\n"
    "                                    input) and write the flag-data file\n"
    "  check [--json] [GAME_FOLDER]      check a whole game (the current folder when\n"
    "                                    none is given) as the player would play it;\n"
    "                                    prints one line per finding, FILE:LINE:\n"
    "                                    error|warning: MESSAGE, or with --json a\n"
    "                                    JSON array of the same findings\n"
    "  new [--title TEXT] [--size WxH] GAME_FOLDER\n"
    "                                    make a small playable game in a new or empty\n"
    "                                    folder: game.ini, the script texts and event\n"
    "                                    files event/start and event/second, the two\n"
    "                                    flag-data files and the pictures in cg/; the\n"
    "                                    window is 640x480 unless --size says otherwise,\n"
    "                                    the title \"New game\" unless --title does\n"
    "  export [--name ID] [--title TEXT] [--package-version V] GAME_FOLDER OUT_DIR\n"
    "                                    check the game (findings as check prints\n"
    "                                    them; errors stop the export) and write\n"
    "                                    OUT_DIR/ID_V_all.deb, a Debian package\n"
    "                                    that installs it in /usr/share/games/ID\n"
    "                                    with the launcher /usr/games/ID, a desktop\n"
    "                                    entry and an icon, and depends on\n"
    "                                    vnsuite-player; ID comes from the folder's\n"
    "                                    name, the title from game.ini, V is 1.0;\n"
    "                                    needs dpkg-deb\n"
    "  syntax [EVENT]                    print the script line of every event type (or\n"
    "                                    of the one named by its keyword): its form,\n"
    "                                    its arguments and an example line\n"
    "\n"
    "Text on standard input and output and in IN.txt is UTF-8 (a leading byte\n"
    "order mark is skipped), or the raw Shift-JIS bytes with --sjis. Files are\n"
    "replaced only when written completely. Exit status: 0 done, 1 failed (the\n"
    "reason is printed on standard error), 2 text --check found lossy events.\n"
    "check exits with 0 when it found no errors (warnings allowed), 1 when it\n"
    "found errors, 2 when the folder is not a game folder. export exits with 1\n"
    "when the game has errors or the package could not be made.\n";

int PrintHelp() {
    std::fputs(kHelp, stdout);
    return std::fflush(stdout) == 0 ? 0 : 1;
}

// The options a command takes beside --sjis.
enum OptionFlags : unsigned {
    kNoOptions = 0,
    kCheckOption = 1,            // text --check
    kStrictOption = 2,           // compile --strict
    kJsonOption = 4,             // check --json
    kNoSjis = 8,                 // the command has no --sjis
    kTitleOption = 16,           // new --title TEXT
    kSizeOption = 32,            // new --size WxH
    kNameOption = 64,            // export --name ID
    kPackageVersionOption = 128, // export --package-version V
};

struct Command {
    const char* name;
    int (*run)(const vnscript::Options&);
    size_t minFiles;
    size_t maxFiles;
    unsigned options;
    const char* operand; // what an optional operand names
};

constexpr Command kCommands[] = {
    {"text", vnscript::RunText, 1, 1, kCheckOption, "file"},
    {"compile", vnscript::RunCompile, 2, 2, kStrictOption, "file"},
    {"list", vnscript::RunList, 1, 1, kNoOptions, "file"},
    {"flg", vnscript::RunFlg, 1, 1, kNoOptions, "file"},
    {"mkflg", vnscript::RunMkflg, 2, 2, kNoOptions, "file"},
    {"check", vnscript::RunCheck, 0, 1, kJsonOption | kNoSjis, "folder"},
    {"new", vnscript::RunNew, 1, 1, kTitleOption | kSizeOption | kNoSjis, "folder"},
    {"syntax", vnscript::RunSyntax, 0, 1, kNoSjis, "event type"},
    {"export", vnscript::RunExport, 2, 2,
     kTitleOption | kNameOption | kPackageVersionOption | kNoSjis, "folder"},
};

std::string Operands(const Command& command) {
    if (command.minFiles != command.maxFiles)
        return std::string("at most one ") + command.operand;
    return (command.minFiles == 1 ? "one " : "two ") + std::string(command.operand) +
           (command.minFiles == 1 ? "" : "s");
}

int Run(int argc, char** argv) {
    if (const auto status = vn::AnswerStandardOptions(argc, argv, {"vnscript", kHelp}))
        return *status;
    if (argc >= 2 && std::strcmp(argv[1], "help") == 0)
        return PrintHelp();
    if (argc < 2)
        return vnscript::Fail("no command given (try vnscript --help)");
    const Command* command = nullptr;
    for (const Command& c : kCommands)
        if (std::strcmp(argv[1], c.name) == 0)
            command = &c;
    if (!command)
        return vnscript::Fail(std::string("unknown command \"") + argv[1] +
                              "\" (try vnscript --help)");

    vnscript::Options options;
    bool operandsOnly = false;
    for (int i = 2; i < argc; ++i) {
        const std::string_view arg = argv[i];
        const auto takes = [&](unsigned flag) { return (command->options & flag) != 0; };
        if (!operandsOnly && arg == "--") {
            operandsOnly = true;
        } else if (!operandsOnly && arg == "--sjis" && !takes(kNoSjis)) {
            options.encoding = vnscript::Encoding::ShiftJis;
        } else if (!operandsOnly && arg == "--check" && takes(kCheckOption)) {
            options.check = true;
        } else if (!operandsOnly && arg == "--strict" && takes(kStrictOption)) {
            options.strict = true;
        } else if (!operandsOnly && arg == "--json" && takes(kJsonOption)) {
            options.json = true;
        } else if (!operandsOnly && (arg == "--title" || arg == "--size") &&
                   takes(arg == "--title" ? kTitleOption : kSizeOption)) {
            if (i + 1 == argc)
                return vnscript::Fail(std::string(argv[i]) + " needs a value");
            (arg == "--title" ? options.title : options.size) = argv[++i];
        } else if (!operandsOnly && (arg == "--name" || arg == "--package-version") &&
                   takes(arg == "--name" ? kNameOption : kPackageVersionOption)) {
            if (i + 1 == argc)
                return vnscript::Fail(std::string(argv[i]) + " needs a value");
            (arg == "--name" ? options.name : options.version) = argv[++i];
        } else if (!operandsOnly && arg.size() > 1 && arg[0] == '-') {
            return vnscript::Fail(std::string("unknown option ") + argv[i] + " for " +
                                  command->name + " (try vnscript --help)");
        } else {
            options.files.emplace_back(arg);
        }
    }
    if (options.files.size() < command->minFiles || options.files.size() > command->maxFiles)
        return vnscript::Fail(std::string(command->name) + " takes " + Operands(*command) +
                              " (try vnscript --help)");
    return command->run(options);
}

} // namespace

int main(int argc, char** argv) {
    try {
        return Run(argc, argv);
    } catch (const std::bad_alloc&) {
        return vnscript::Fail("out of memory");
    } catch (const std::exception& e) {
        return vnscript::Fail(e.what());
    }
}
