// The game check and the player agree: for every mistake the check calls an
// error, the player run on the same folder stops at that event with the
// matching report; for the clean game and every mistake the check only
// warns about, the player makes no report.
#include "MessageTestSupport.h"
#include "PlayerTestSupport.h"

#include "player/VNPWindow.h"
#include "scenario/VNEventFile.h"

#include "gamecheck/GameCheck.h"
#include "tests/support/CheckGames.h"

#include <gtest/gtest.h>

#include <optional>

using namespace playertest;
using gamecheck::Severity;

namespace {

// The player's answer to the choices of second.evt: the text choice's line,
// or the button choice's button (counted from 1; -1 the right button).
int32_t ChoiceFor(const checkgames::Plant& plant, int32_t code) {
    if (code == EVENTCODE_BTNSELECT)
        return plant.choice;
    const bool plantedInSelect = std::string(plant.file) == "second.evt" && plant.line == 3;
    return plantedInSelect ? plant.choice : 1;
}

// Clicks the choice the plant asks for (or a message away), again every
// 5 ms while the event is still on, so a click that came before the
// choice loop looked at the input is not lost.
void Answer(VNPlayer& player, int32_t choice, int32_t code) {
    using namespace messagetest;
    if (code == EVENTCODE_NARRATION || code == EVENTCODE_SERIF) {
        Click(player);
        return;
    }
    if (code == EVENTCODE_BTNSELECT) {
        if (choice < 0) {
            // The loop looks at the button's state: it is held until the
            // next answer.
            RightButton(player, false);
            RightButton(player, true);
        } else {
            // The buttons of the test game are 8 x 6 pixels side by side.
            Click(player, 8 * (choice - 1) + 4, 3);
        }
        return;
    }
    // Line i of the text choice lies from 335 + 26 i to 361 + 26 i with
    // the test font (12 x 24 pixels, 2 between lines) in the default area.
    Click(player, 100, 335 + 26 * (choice - 1) + 13);
}

struct PlayerRun {
    std::vector<SeenModal> reports; // the report dialogs, in order
    std::vector<VNString> boxes;    // the texts of message boxes
    std::vector<std::string> problems;
    bool ended = false;  // the last event of second.evt was reached
    int32_t backTo = -2; // where a jump went back to in the same file, if one did
};

PlayerRun RunPlayer(GameFolder& game, const checkgames::Plant& plant) {
    game.WriteIni(messagetest::kIni);
    Session session;
    // The report, and before it the warning a character position outside
    // 0..2 raises while the report builds its summary line.
    session.ExpectReport();
    session.ExpectReport();
    PlayerRun result;
    int64_t nextAnswer = 0;
    VNString lastFile;
    int32_t lastPc = -1;
    session.Run(game, 1, [&](int64_t now, VNPlayer& player) {
        const Interpreter& program = player.GetInterpreter();
        const VNEventFile* events = program.EventFile();
        const int32_t pc = PcOf(player);
        if (events && pc >= 0 && pc < events->GetCount()) {
            const int32_t code = events->Get(pc)->GetCode();
            if (code == EVENTCODE_SELECT || code == EVENTCODE_BTNSELECT ||
                code == EVENTCODE_NARRATION || code == EVENTCODE_SERIF) {
                if (nextAnswer == 0) {
                    nextAnswer = now + 2;
                } else if (now >= nextAnswer) {
                    Answer(player, ChoiceFor(plant, code), code);
                    nextAnswer = now + 5;
                }
            } else {
                nextAnswer = 0;
            }
            if (program.EventFileName() == VNString("second.evt") && pc == events->GetCount() - 1)
                result.ended = true;
        }
        // The test game only jumps forward; a jump back would repeat the
        // game for ever, so the run ends there.
        if (events && program.EventFileName() == lastFile && pc < lastPc && result.backTo == -2) {
            result.backTo = pc;
            player.Window()->Close();
        }
        lastFile = program.EventFileName();
        lastPc = pc;
        // A game that waits for ever ends the run; the test then fails on
        // what it expected.
        if (now > 60000)
            player.Window()->Close();
    });
    for (const SeenModal& seen : session.Seen()) {
        if (seen.templateName.empty())
            result.boxes.push_back(seen.text);
        else
            result.reports.push_back(seen);
    }
    result.problems = session.Problems();
    return result;
}

// The one error the check finds, or none.
std::optional<gamecheck::Finding> TheError(const gamecheck::CheckResult& checked) {
    if (checked.Errors() != 1)
        return std::nullopt;
    for (const gamecheck::Finding& finding : checked.findings)
        if (finding.severity == Severity::Error)
            return finding;
    return std::nullopt;
}

// The names a report shows for what it is about, which the check's message
// (or the file it names) must hold too: the parameter, the label, the
// target event file.
std::vector<VNString> NamedItems(const SeenModal& report) {
    std::vector<int> ids;
    if (report.templateName == "IDD_PARAMUNDECLARED")
        ids = {1012};
    else if (report.templateName == "IDD_LABELUNDEFINED")
        ids = {1013, 1014};
    else if (report.templateName == "IDD_EVTLOADERROR")
        ids = {1014};
    std::vector<VNString> names;
    for (const int id : ids) {
        const auto field = report.fields.find(id);
        if (field != report.fields.end() && !field->second.IsEmpty() &&
            field->second != VNString(u8"ファイル内"))
            names.push_back(field->second);
    }
    return names;
}

} // namespace

TEST(CheckAgreement, ThePlayerStopsAtEachErrorOfTheCheckWithTheMatchingReport) {
    int32_t errors = 0;
    for (const checkgames::Plant& plant : checkgames::Plants()) {
        if (plant.severity != Severity::Error)
            continue;
        ++errors;
        SCOPED_TRACE(plant.what);
        ASSERT_NE(plant.report, nullptr);
        GameFolder game;
        checkgames::WritePlanted(game.Root(), plant);
        const auto error = TheError(gamecheck::CheckGame(game.Root().string()));
        ASSERT_TRUE(error.has_value());

        const PlayerRun run = RunPlayer(game, plant);
        EXPECT_TRUE(run.problems.empty());
        EXPECT_FALSE(run.ended);
        for (const VNString& box : run.boxes)
            EXPECT_EQ(box, VNString(u8"不正なキャラポジション"));
        if (run.reports.size() != 1) {
            ADD_FAILURE() << "the player made " << run.reports.size() << " reports";
            continue;
        }
        const SeenModal& report = run.reports[0];
        EXPECT_EQ(report.templateName, plant.report);

        // The place: the finding's event, unless the mistake lies where the
        // player does not stand (a damaged file it jumps to, a file it
        // needs before any event).
        std::string file = error->file.substr(error->file.rfind('/') + 1);
        std::string line = error->line > 0 ? std::to_string(error->line) : "";
        if (plant.stopFile) {
            file = plant.stopFile;
            line = plant.stopLine > 0 ? std::to_string(plant.stopLine) : "";
        }
        if (report.fields.contains(1005)) {
            EXPECT_EQ(report.fields.at(1005), VNString(file.c_str()));
            EXPECT_EQ(report.fields.at(1006), VNString(line.c_str()));
        } else {
            // Reports without a place come before any event.
            EXPECT_EQ(file, "");
        }
        for (const VNString& name : NamedItems(report)) {
            const std::string quoted = "\"" + name.ToUtf8Lossy() + "\"";
            const std::string where = error->message + " " + error->file;
            EXPECT_TRUE(where.find(quoted) != std::string::npos ||
                        error->file.ends_with("/" + name.ToUtf8Lossy()))
                << quoted << " not in: " << where;
        }
    }
    // Every kind of error has a plant: missing files, labels, parameters,
    // entries, pictures and options.
    EXPECT_GE(errors, 30);
}

TEST(CheckAgreement, ThePlayerPlaysTheCleanGameAndEachWarnedGameWithoutAReport) {
    checkgames::Plant clean;
    clean.what = "the clean game";
    clean.severity = Severity::Warning;
    std::vector<const checkgames::Plant*> plants = {&clean};
    for (const checkgames::Plant& plant : checkgames::Plants())
        if (plant.severity == Severity::Warning)
            plants.push_back(&plant);
    for (const checkgames::Plant* plant : plants) {
        SCOPED_TRACE(plant->what);
        GameFolder game;
        checkgames::WritePlanted(game.Root(), *plant);
        EXPECT_EQ(gamecheck::CheckGame(game.Root().string()).Errors(), 0);
        const PlayerRun run = RunPlayer(game, *plant);
        EXPECT_TRUE(run.problems.empty());
        EXPECT_TRUE(run.reports.empty())
            << run.reports.size() << " reports, the first " << run.reports[0].templateName;
        EXPECT_TRUE(run.boxes.empty());
        // A label defined twice: the jump goes to the first one, event 0
        // (the player is seen there or at the event after it), not to the
        // second at event 12.
        if (std::string(plant->what) == "a label defined twice") {
            EXPECT_GE(run.backTo, 0);
            EXPECT_LE(run.backTo, 1);
        } else {
            EXPECT_TRUE(run.ended);
            EXPECT_EQ(run.backTo, -2);
        }
    }
}
