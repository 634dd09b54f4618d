// The game check and the player agree: for every mistake the check calls an
// error, the player run on the same folder stops at that event with the
// matching report.
#include "PlayerTestSupport.h"

#include "player/VNPWindow.h"

#include "tests/support/CheckGames.h"
#include "tools/vnscript/check/GameCheck.h"

#include <gtest/gtest.h>

using namespace playertest;

namespace {

// The event file name and line a report names for a plant.
std::pair<std::string, std::string> StopPlace(const checkgames::Plant& plant) {
    if (plant.stopFile)
        return {plant.stopFile, plant.stopLine > 0 ? std::to_string(plant.stopLine) : ""};
    const std::string file = plant.findingFile;
    return {file.substr(file.rfind('/') + 1), std::to_string(plant.findingLine)};
}

} // namespace

TEST(CheckAgreement, ThePlayerStopsAtEachErrorOfTheCheckWithTheMatchingReport) {
    for (const checkgames::Plant& plant : checkgames::Plants()) {
        if (plant.severity != gamecheck::Severity::Error)
            continue;
        SCOPED_TRACE(plant.what);
        ASSERT_NE(plant.report, nullptr);
        GameFolder game;
        checkgames::WritePlanted(game.Root(), plant);
        const gamecheck::CheckResult checked = gamecheck::CheckGame(game.Root().string());
        ASSERT_EQ(checked.Errors(), 1);

        Session session;
        // The report, and before it the warning a character position
        // outside 0..2 raises while the report builds its summary line.
        session.ExpectReport();
        session.ExpectReport();
        session.Run(game, 1, [](int64_t now, VNPlayer& player) {
            // A game that waits for ever fails the test instead of hanging.
            if (now > 600000)
                player.Window()->Close();
        });
        std::vector<SeenModal> reports;
        for (const SeenModal& seen : session.Seen()) {
            if (!seen.templateName.empty())
                reports.push_back(seen);
            else
                EXPECT_EQ(seen.text, VNString(u8"不正なキャラポジション"));
        }
        if (reports.size() != 1) {
            ADD_FAILURE() << "the player made " << reports.size() << " reports";
            continue;
        }
        EXPECT_EQ(reports[0].templateName, plant.report);
        const auto [file, line] = StopPlace(plant);
        if (reports[0].fields.contains(1005)) {
            EXPECT_EQ(reports[0].fields.at(1005), VNString(file.c_str()));
            EXPECT_EQ(reports[0].fields.at(1006), VNString(line.c_str()));
        } else {
            EXPECT_EQ(file, ""); // reports without a place come before any event
        }
    }
}
