// The game check on generated game folders: a clean game reports nothing,
// each planted mistake is reported once in its place and with its kind.
#include "gamecheck/GameCheck.h"
#include "tests/scenario/TempFolder.h"
#include "tests/support/CheckGames.h"

#include "scenario/ScriptText.h"
#include "scenario/VNEventFile.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace fs = std::filesystem;
using gamecheck::Finding;
using gamecheck::Kind;
using gamecheck::Severity;

namespace {

std::string Describe(const std::vector<Finding>& findings) {
    std::string text;
    for (const Finding& f : findings)
        text += "  " + gamecheck::FormatLine(f, "");
    return text.empty() ? "  (none)\n" : text;
}

void WriteScript(const fs::path& path, const char* script) {
    VNEventFile events;
    FromScriptText(script, events);
    fs::create_directories(path.parent_path());
    ASSERT_TRUE(events.Save(path.string()));
}

} // namespace

TEST(GameCheck, CleanGameReportsNothingAndEachPlantedMistakeOnceInItsPlace) {
    {
        TempFolder folder;
        checkgames::WriteGame(folder.Path());
        const auto result = gamecheck::CheckGame(folder.Path());
        ASSERT_TRUE(result.isGame);
        ASSERT_TRUE(result.findings.empty()) << Describe(result.findings);
    }
    for (const checkgames::Plant& plant : checkgames::Plants()) {
        SCOPED_TRACE(plant.what);
        TempFolder folder;
        checkgames::WritePlanted(folder.Path(), plant);
        const auto result = gamecheck::CheckGame(folder.Path());
        if (result.findings.size() != 1) {
            ADD_FAILURE() << "expected one finding, got\n" << Describe(result.findings);
            continue;
        }
        const Finding& found = result.findings[0];
        EXPECT_EQ(found.severity, plant.severity) << Describe(result.findings);
        EXPECT_EQ(found.kind, plant.kind) << Describe(result.findings);
        EXPECT_EQ(found.file, plant.findingFile);
        EXPECT_EQ(found.line, plant.findingLine);
        EXPECT_EQ(result.Errors(), plant.severity == Severity::Error ? 1 : 0);
        // A finding about a whole file has no event to summarise.
        if (plant.findingLine == 0) {
            EXPECT_TRUE(found.summary.empty());
        }
    }
}

TEST(GameCheck, FilesAreReachedThroughJumpsOnlyAndNamedAsOnDisk) {
    TempFolder folder;
    checkgames::WriteGame(folder.Path());
    const fs::path root = folder.Path();
    // start.evt reaches second.evt; second.evt is given a jump onwards into a
    // subfolder, from there to a file whose name differs in letter case.
    WriteScript(root / "event" / "second.evt",
                "@jump nil top 1 seen\n*top\n@jump sub\\a.evt nil 2 seen\n;end\n");
    WriteScript(root / "event" / "sub" / "a.evt", "@jump B.EVT nil 0 nil\n");
    WriteScript(root / "event" / "b.evt", "end\n");
    // Never reached, though one jumps to the other.
    WriteScript(root / "event" / "c.evt", "@jump d.evt nil 0 nil\n");
    WriteScript(root / "event" / "d.evt", "end\n");
    const auto result = gamecheck::CheckGame(root.string());
    ASSERT_EQ(result.findings.size(), 3u) << Describe(result.findings);
    EXPECT_EQ(result.findings[0].file, "event/c.evt");
    EXPECT_EQ(result.findings[0].kind, Kind::Unreached);
    EXPECT_EQ(result.findings[1].file, "event/d.evt");
    EXPECT_EQ(result.findings[1].kind, Kind::Unreached);
    EXPECT_EQ(result.findings[2].file, "event/sub/a.evt");
    EXPECT_EQ(result.findings[2].line, 1);
    EXPECT_EQ(result.findings[2].kind, Kind::LetterCase);
    EXPECT_NE(result.findings[2].message.find("\"event/b.evt\""), std::string::npos)
        << result.findings[2].message;
}

TEST(GameCheck, FolderWithoutEventAndSaveIsNoGame) {
    TempFolder folder;
    EXPECT_FALSE(gamecheck::CheckGame(folder / "missing").isGame);
    fs::create_directories(folder / "cg");
    EXPECT_FALSE(gamecheck::CheckGame(folder.Path()).isGame);
    // A save folder alone makes a game that lacks everything else.
    fs::create_directories(folder / "save");
    const auto result = gamecheck::CheckGame(folder.Path());
    ASSERT_TRUE(result.isGame);
    ASSERT_EQ(result.findings.size(), 3u) << Describe(result.findings);
    EXPECT_EQ(result.findings[0].file, "event/start.evt");
    EXPECT_EQ(result.findings[1].file, "save/global.flg");
    EXPECT_EQ(result.findings[2].file, "save/local.flg");
    EXPECT_EQ(result.Errors(), 3);
}

TEST(GameCheck, FindingsPrintAsCompilerLinesAndAsJson) {
    const Finding event{
        Severity::Error, Kind::Label, "event/start.evt", 12, "label \"ending\" is not defined",
        "← ジャンプ"};
    const Finding file{Severity::Warning, Kind::FileName, "cg/a\x01\xFF.bmp", 0, "odd\nname", ""};
    EXPECT_EQ(gamecheck::FormatLine(event, "game/"),
              "game/event/start.evt:12: error: label \"ending\" is not defined [← ジャンプ]\n");
    EXPECT_EQ(gamecheck::FormatLine(file, ""), "cg/a\x01\xFF.bmp: warning: odd name\n");
    EXPECT_EQ(gamecheck::FormatJson({}, ""), "[]\n");
    EXPECT_EQ(gamecheck::FormatJson({event, file}, "g"),
              "[\n"
              "  {\"file\": \"g/event/start.evt\", \"line\": 12, \"severity\": \"error\", "
              "\"kind\": \"label\", \"message\": \"label \\\"ending\\\" is not defined\", "
              "\"summary\": \"← ジャンプ\"},\n"
              "  {\"file\": \"g/cg/a\\u0001\xEF\xBF\xBD.bmp\", \"line\": null, "
              "\"severity\": \"warning\", \"kind\": \"file-name\", \"message\": "
              "\"odd\\u000aname\"}\n"
              "]\n");
}
