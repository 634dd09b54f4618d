// Game files the player cannot use never end it with a crash: a game.ini it
// cannot read gives the defaults without a word, and an event file larger
// than the memory there is fails with the event-file load error. Each case
// runs in a child process with its address space capped, so a reader that
// runs away fails the test instead of the machine.
#include "PlayerTestSupport.h"

#include "tests/scenario/ItemBytes.h"
#include "tests/support/AddressSpaceLimit.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

using namespace playertest;

namespace {

constexpr size_t kHeadroom = size_t{256} << 20;

// An event file of `count` waitclick events (a multiple of 100000).
void WriteWaitClicks(const std::filesystem::path& path, int32_t count) {
    std::ofstream out(path, std::ios::binary);
    out << item_bytes::Str("eventdata") << item_bytes::Int(count);
    std::string piece;
    for (int i = 0; i < 100'000; ++i)
        piece += item_bytes::Int(13);
    for (int32_t written = 0; written < count; written += 100'000)
        out << piece;
}

// What a run showed: its result, the reports, the configuration it read.
struct RunSeen {
    bool result = false;
    bool started = false; // the interpreter ran, so `config` is the one read
    const Session* session = nullptr;
    GameConfig config;
};

// In the child: caps memory, runs the game and exits with `check`'s verdict.
void RunUnderLimit(GameFolder& game, const std::function<bool(const RunSeen&)>& check,
                   size_t headroom) {
    Session session;
    session.ExpectReport();
    if (!test_support::LimitAddressSpace(headroom))
        _exit(2);
    RunSeen run;
    run.session = &session;
    run.result = session.Run(game, 1, [&run](int64_t, VNPlayer& player) {
        run.config = player.Context().Config();
        run.started = true;
    });
    _exit(check(run) ? 0 : 1);
}

} // namespace

TEST(PlayerBadFilesDeathTest, UnreadableGameIniGivesTheDefaults) {
    if (test_support::kSanitized)
        GTEST_SKIP() << "sanitizers cannot run under an address space limit";
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const std::string oversized =
        "[game]\r\nWindowWidth=800\r\nTitle=big\r\n;" + std::string(1 << 20, 'x') + "\r\n";
    const struct {
        const char* name;
        std::function<void(const std::filesystem::path&)> make;
    } cases[] = {
        {"a folder", [](const auto& path) { std::filesystem::create_directory(path); }},
        {"an endless device",
         [](const auto& path) { std::filesystem::create_symlink("/dev/zero", path); }},
        {"a file over 1 MB",
         [&](const auto& path) { std::ofstream(path, std::ios::binary) << oversized; }},
    };
    for (const auto& c : cases) {
        GameFolder game;
        WriteGame(game, {Wait(10)}, {});
        c.make(game.Root() / "game.ini");
        const auto defaults = [](const RunSeen& run) {
            // The session's script for a report stays unused: nothing is reported.
            return run.result && run.started && run.session->Seen().empty() &&
                   run.config.windowWidth == 640 && run.config.windowHeight == 480 &&
                   run.config.title == VNString("player");
        };
        EXPECT_EXIT(RunUnderLimit(game, defaults, kHeadroom), testing::ExitedWithCode(0), "")
            << c.name;
    }
}

TEST(PlayerBadFilesDeathTest, EventFileBeyondMemoryIsALoadError) {
    if (test_support::kSanitized)
        GTEST_SKIP() << "sanitizers cannot run under an address space limit";
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    GameFolder game;
    WriteGame(game, {}, {});
    // Four million events need several times the headroom once loaded.
    WriteWaitClicks(game.Root() / "event" / "start.evt", 4'000'000);
    const auto reported = [](const RunSeen& run) {
        const auto& seen = run.session->Seen();
        return !run.result && seen.size() == 1 && seen[0].templateName == "IDD_EVTLOADERROR" &&
               seen[0].fields.at(1014) == VNString("start.evt");
    };
    EXPECT_EXIT(RunUnderLimit(game, reported, size_t{96} << 20), testing::ExitedWithCode(0), "");
}
