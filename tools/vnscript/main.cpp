// vnscript: event files to script text and back, the event editor's list
// lines, and flag-data files to text and back.
#include "scenario/CommandLine.h"
#include "tools/vnscript/Commands.h"

#include <cstdio>
#include <cstring>
#include <exception>
#include <new>
#include <string_view>

namespace {

constexpr const char* kHelp =
    "usage: vnscript COMMAND [--sjis] FILES...\n"
    "       vnscript --help | --version\n"
    "\n"
    "  text [--sjis] [--check] FILE.evt  print the script text of an event file,\n"
    "                                    one line per event, each ended by CR LF;\n"
    "                                    --check also lists on standard error the\n"
    "                                    events the text would not give back\n"
    "                                    unchanged, and exits with 2 if there are any\n"
    "  compile [--sjis] IN.txt OUT.evt   read a script text (- for standard input)\n"
    "                                    and write the event file\n"
    "  list [--sjis] FILE.evt            print the event editor's list: \"%-4d \" with\n"
    "                                    the event number and its summary, then the\n"
    "                                    end line\n"
    "  flg [--sjis] FILE.flg             print each parameter: name, TAB, value\n"
    "  mkflg [--sjis] IN.txt OUT.flg     read \"name<TAB>value\" lines (- for standard\n"
    "                                    input) and write the flag-data file\n"
    "\n"
    "Text on standard input and output and in IN.txt is UTF-8 (a leading byte\n"
    "order mark is skipped), or the raw Shift-JIS bytes with --sjis. Files are\n"
    "replaced only when written completely. Exit status: 0 done, 1 failed (the\n"
    "reason is printed on standard error), 2 text --check found lossy events.\n";

int PrintHelp() {
    std::fputs(kHelp, stdout);
    return std::fflush(stdout) == 0 ? 0 : 1;
}

struct Command {
    const char* name;
    int (*run)(const vnscript::Options&);
    size_t files;
    bool check;
};

constexpr Command kCommands[] = {
    {"text", vnscript::RunText, 1, true},    {"compile", vnscript::RunCompile, 2, false},
    {"list", vnscript::RunList, 1, false},   {"flg", vnscript::RunFlg, 1, false},
    {"mkflg", vnscript::RunMkflg, 2, false},
};

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
        if (!operandsOnly && arg == "--") {
            operandsOnly = true;
        } else if (!operandsOnly && arg == "--sjis") {
            options.encoding = vnscript::Encoding::ShiftJis;
        } else if (!operandsOnly && arg == "--check" && command->check) {
            options.check = true;
        } else if (!operandsOnly && arg.size() > 1 && arg[0] == '-') {
            return vnscript::Fail(std::string("unknown option ") + argv[i] + " for " +
                                  command->name + " (try vnscript --help)");
        } else {
            options.files.emplace_back(arg);
        }
    }
    if (options.files.size() != command->files)
        return vnscript::Fail(std::string(command->name) + " takes " +
                              (command->files == 1 ? "one file" : "two files") +
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
