// The commands of vnscript. Each returns the process exit status: 0 done,
// 1 failed (after one line on standard error), 2 for `text --check` when
// some events do not survive the script text unchanged. `check` returns 1
// when it found errors and 2 when the folder is no game folder.
#pragma once

#include "tools/vnscript/TextEncoding.h"

#include <string>
#include <vector>

namespace vnscript {

struct Options {
    Encoding encoding = Encoding::Utf8;
    bool check = false;             // text: list the events the text would change
    bool strict = false;            // compile: warnings are errors
    bool json = false;              // check: the findings as JSON
    std::string title;              // new: the game's title (UTF-8), empty for the default
    std::string size;               // new: the window size as WxH, empty for 640x480
    std::string name;               // export: the package name, empty to derive it
    std::string version;            // export: the package version, empty for 1.0
    std::vector<std::string> files; // the command's file operands
};

int RunText(const Options& options);
int RunCompile(const Options& options);
int RunList(const Options& options);
int RunFlg(const Options& options);
int RunMkflg(const Options& options);
int RunCheck(const Options& options);
int RunNew(const Options& options);
int RunSyntax(const Options& options);
int RunExport(const Options& options);

// compile's work on a text already in Shift-JIS: the issues of its lines on
// standard error (as errors when `strict`, and then nothing is written), and
// the event file `out`. `source` names the text in messages ("-" for
// standard input).
int CompileScript(const std::string& sjis, const std::string& source, const std::string& out,
                  bool strict);
// mkflg's work on "name<TAB>value" lines already in Shift-JIS.
int WriteFlagFile(const std::string& sjis, const std::string& source, const std::string& out);

// Prints "vnscript: " and the message on standard error; returns 1.
int Fail(const std::string& message);
// The same for steps that answer whether they succeeded; returns false.
bool Refuse(const std::string& message);

} // namespace vnscript
