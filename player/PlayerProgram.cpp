#include "player/PlayerProgram.h"

#include "platform/Application.h"
#include "resources/PlayerResources.h"

#include <cstdio>
#include <ctime>
#include <filesystem>
#include <vector>

namespace {

// Milliseconds of processor time since the process started.
uint32_t ProcessClockMs() {
    return static_cast<uint32_t>(static_cast<double>(std::clock()) * 1000.0 / CLOCKS_PER_SEC);
}

} // namespace

int RunPlayerProgram(int argc, char** argv, PlayerEdition edition, const vn::ProgramText& text,
                     const std::function<bool(const std::string& folder, uint32_t seed)>& play) {
    if (const auto status = vn::AnswerStandardOptions(argc, argv, text))
        return *status;
    const uint32_t seed = ProcessClockMs();
    const resources::ResourceSet resourceSet =
        resources::MakePlayerResources(edition == PlayerEdition::Probe);
    platform::Application application(argc, argv, resourceSet);

    // The toolkit has taken its own options out of argv; what is left is the
    // optional game folder.
    const std::vector<std::string> args = vn::ProgramArguments(argc, argv);
    if (args.size() > 1) {
        std::fputs(text.usage, stderr);
        return 1;
    }
    const std::string folder = args.empty() ? "." : args.front();
    std::error_code error;
    if (!std::filesystem::is_directory(folder, error)) {
        std::fprintf(stderr, "%s: %s is not a folder\n", text.name, folder.c_str());
        return 1;
    }
    return play(folder, seed) ? 0 : 1;
}
