// vnscript check: the findings of the game check on standard output.
#include "gamecheck/GameCheck.h"
#include "tools/vnscript/Commands.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace vnscript {

int RunCheck(const Options& options) {
    const std::string folder = options.files.empty() ? std::string() : options.files[0];
    const gamecheck::CheckResult result = gamecheck::CheckGame(folder);
    if (!result.isGame) {
        std::fprintf(stderr, "vnscript: \"%s\" is not a game folder: %s\n",
                     folder.empty() ? "." : folder.c_str(), result.notGameReason.c_str());
        return 2;
    }
    std::string out;
    if (options.json) {
        out = gamecheck::FormatJson(result.findings, folder);
    } else {
        for (const gamecheck::Finding& finding : result.findings)
            out += gamecheck::FormatLine(finding, folder);
    }
    if (std::fwrite(out.data(), 1, out.size(), stdout) != out.size() || std::fflush(stdout) != 0)
        return Fail(std::string("cannot write to standard output: ") + std::strerror(errno));
    return result.Errors() > 0 ? 1 : 0;
}

} // namespace vnscript
