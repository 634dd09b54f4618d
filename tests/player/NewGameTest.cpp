// vnscript new: the game it makes passes vnscript check and plays to its end
// in the real player; a folder that holds something is left alone.
#include "MessageTestSupport.h"
#include "PlayerTestSupport.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <sys/wait.h>

using namespace playertest;

namespace {

// The exit status of a vnscript command line, and what it printed.
int Vnscript(const std::string& arguments, std::string& output) {
    output.clear();
    std::FILE* pipe = popen((std::string(VN_VNSCRIPT) + " " + arguments + " 2>&1").c_str(), "r");
    if (!pipe)
        return -1;
    char buffer[256];
    while (const size_t got = std::fread(buffer, 1, sizeof buffer, pipe))
        output.append(buffer, got);
    const int status = pclose(pipe);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

} // namespace

TEST(NewGame, MakesACheckedGameThatPlaysToItsEndOnlyInAFreeFolder) {
    namespace fs = std::filesystem;
    enum class Folder { Missing, Empty, Holding };
    const struct {
        const char* name;
        Folder folder;
        int status;
    } cases[] = {
        {"a folder that does not exist", Folder::Missing, 0},
        {"an empty folder", Folder::Empty, 0},
        {"a folder with folders in it is refused", Folder::Holding, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        GameFolder game; // made with event/ and save/ in it
        const std::string root = "'" + game.Root().string() + "'";
        if (c.folder == Folder::Missing)
            fs::remove_all(game.Root());
        if (c.folder == Folder::Empty)
            for (const char* sub : {"event", "save"})
                fs::remove(game.Root() / sub);
        std::string output;
        ASSERT_EQ(Vnscript("new --title Test " + root, output), c.status) << output;
        if (c.status != 0) {
            EXPECT_NE(output.find("not empty"), std::string::npos) << output;
            EXPECT_FALSE(game.Exists("game.ini"));
            continue;
        }
        EXPECT_EQ(output, "");
        EXPECT_EQ(Vnscript("check " + root, output), 0);
        EXPECT_EQ(output, "") << "the check finds nothing";

        // Clicks on the first line of the message area go through every
        // message and take the first choice, "Walk": steps = 3, the jump on
        // steps goes to *far, route = steps * 10, and second.evt adds 1.
        Session session;
        int64_t next = 0;
        ASSERT_TRUE(session.Run(game, 1, [&](int64_t now, VNPlayer& player) {
            if (now >= next) {
                next = now + 100;
                messagetest::Click(player, 100, 335 + 13);
            }
            if (now > 600000)
                player.Window()->Close(); // a game that never ends fails
        }));
        EXPECT_EQ(game.ReadParams("global.flg"), (std::map<std::string, int32_t>{{"route", 31}}));
    }
}
