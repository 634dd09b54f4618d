// The options every program of the suite answers alike: --help (or -h)
// prints the program's usage and --version the suite's version, both on
// standard output, before the program opens a window or reads a file; then
// the program ends with status 0. A "--" argument ends the options, so a file
// whose name starts with "-" can still be given after it.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace vn {

// What --help and --version print for one program.
struct ProgramText {
    const char* name;  // the program's name, as in "vnplay"
    const char* usage; // the whole help text, ending with a newline
};

// The suite's version, set once by the build.
const char* SuiteVersion();

// Answers --help, -h or --version, whichever comes first among the arguments
// before any "--". Returns the exit status when one was answered (0, or 1
// when standard output could not be written), nothing when the program
// should go on.
std::optional<int> AnswerStandardOptions(int argc, const char* const* argv,
                                         const ProgramText& program);

// The arguments after the program name, without the first "--".
std::vector<std::string> ProgramArguments(int argc, const char* const* argv);

} // namespace vn
