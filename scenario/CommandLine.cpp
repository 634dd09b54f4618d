#include "scenario/CommandLine.h"

#include <cstdio>
#include <string_view>

// The build passes the project's name and version (CMakeLists.txt at the top).
#ifndef VN_SUITE_NAME
#error "VN_SUITE_NAME must be defined by the build"
#endif
#ifndef VN_SUITE_VERSION
#error "VN_SUITE_VERSION must be defined by the build"
#endif

namespace vn {

const char* SuiteVersion() {
    return VN_SUITE_VERSION;
}

std::optional<int> AnswerStandardOptions(int argc, const char* const* argv,
                                         const ProgramText& program) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--")
            break;
        int written = 0;
        if (arg == "--help" || arg == "-h")
            written = std::fputs(program.usage, stdout);
        else if (arg == "--version")
            written = std::printf("%s (%s) %s\n", program.name, VN_SUITE_NAME, SuiteVersion());
        else
            continue;
        return written >= 0 && std::fflush(stdout) == 0 ? 0 : 1;
    }
    return std::nullopt;
}

std::vector<std::string> ProgramArguments(int argc, const char* const* argv) {
    std::vector<std::string> args;
    bool endSeen = false;
    for (int i = 1; i < argc; ++i) {
        if (!endSeen && std::string_view(argv[i]) == "--") {
            endSeen = true;
            continue;
        }
        args.emplace_back(argv[i]);
    }
    return args;
}

} // namespace vn
