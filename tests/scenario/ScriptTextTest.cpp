#include "scenario/ScriptText.h"

#include <gtest/gtest.h>

#include <random>

namespace {

VNEvent Make(int32_t code, std::vector<std::string> strings = {}, std::vector<int32_t> ints = {}) {
    VNEvent event(code);
    size_t s = 0, i = 0;
    for (int32_t n = 0; n < event.GetParamCount(); ++n) {
        if (event.IsIntArg(n))
            event.SetInt(n, i < ints.size() ? ints[i++] : 0);
        else
            event.SetString(n, VNString::FromBytes(s < strings.size() ? strings[s++] : ""));
    }
    return event;
}

VNEvent Read(const std::string& line) {
    VNEvent event(EVENTCODE_WAITCLICK);
    FromScriptLine(event, VNString::FromBytes(line));
    return event;
}

bool Same(const VNEvent& a, const VNEvent& b) {
    if (a.GetCode() != b.GetCode())
        return false;
    for (int32_t n = 0; n < a.GetParamCount(); ++n) {
        if (a.IsIntArg(n) ? a.GetInt(n) != b.GetInt(n) : a.GetString(n) != b.GetString(n))
            return false;
    }
    return true;
}

void ExpectEvent(const VNEvent& event, int32_t code, std::vector<std::string> strings,
                 std::vector<int32_t> ints = {}) {
    EXPECT_TRUE(Same(event, Make(code, strings, ints)))
        << "got code " << event.GetCode() << " line " << ToScriptLine(event).Bytes();
}

std::string Line(const VNEvent& event) {
    return ToScriptLine(event).Bytes();
}

TEST(ScriptLine, WritesEachKindOfLine) {
    EXPECT_EQ(Line(Make(EVENTCODE_NARRATION, {"hello world"})), "hello world");
    EXPECT_EQ(Line(Make(EVENTCODE_NARRATION, {""})), "");
    for (const char* marked : {"@a", "\\a", "*a", ";a"})
        EXPECT_EQ(Line(Make(EVENTCODE_NARRATION, {marked})), std::string("@narration ") + marked);
    // Only the first byte is tested.
    EXPECT_EQ(Line(Make(EVENTCODE_NARRATION, {" ;a"})), " ;a");
    EXPECT_EQ(Line(Make(EVENTCODE_SERIF, {"name", "text"})), "\\name\\text");
    EXPECT_EQ(Line(Make(EVENTCODE_LABEL, {"top"})), "*top");
    EXPECT_EQ(Line(Make(EVENTCODE_COMMENT, {"note"})), ";note");
    EXPECT_EQ(Line(Make(EVENTCODE_WAITCLICK)), "@waitclick");
    EXPECT_EQ(Line(Make(EVENTCODE_CHARACTER, {"a.bmp", ""}, {2, -1})), "@chara a.bmp nil 2 -1");
    EXPECT_EQ(Line(Make(EVENTCODE_JUMP, {"", "lbl", "flag"}, {1})), "@jump nil lbl 1 flag");
    EXPECT_EQ(Line(Make(EVENTCODE_CDDA, {}, {INT32_MIN, INT32_MAX})),
              "@cdda -2147483648 2147483647");
    EXPECT_EQ(Line(Make(EVENTCODE_TITLE, {"t"})), "@settitle t");
    EXPECT_EQ(Line(Make(EVENTCODE_MSGBOX, {}, {3})), "@setmsgbox 3");
}

TEST(ScriptLine, DebugVariantUsesPlayerKeywordsAndBareNarration) {
    EXPECT_EQ(ToDebugScriptLine(Make(EVENTCODE_TITLE, {"t"})).Bytes(), "@title t");
    EXPECT_EQ(ToDebugScriptLine(Make(EVENTCODE_MSGBOX, {}, {3})).Bytes(), "@msgbox 3");
    EXPECT_EQ(ToDebugScriptLine(Make(EVENTCODE_NARRATION, {"@a"})).Bytes(), "@a");
    EXPECT_EQ(ToDebugScriptLine(Make(EVENTCODE_WAIT, {}, {5})).Bytes(), "@wait 5");
}

TEST(ScriptLine, ReadsMarksAfterLeadingBlanks) {
    ExpectEvent(Read(" \t;a\tb"), EVENTCODE_COMMENT, {"a\tb"});
    ExpectEvent(Read("\t*lab el"), EVENTCODE_LABEL, {"lab el"});
    ExpectEvent(Read("  \\who\\said\tit"), EVENTCODE_SERIF, {"who", "saidit"});
    ExpectEvent(Read("\\only"), EVENTCODE_SERIF, {"only", ""});
    ExpectEvent(Read("\t@wait 7"), EVENTCODE_WAIT, {}, {7});
    ExpectEvent(Read("  some\ttext "), EVENTCODE_NARRATION, {"  sometext "});
    ExpectEvent(Read("   "), EVENTCODE_COMMENT, {"   "});
    ExpectEvent(Read(""), EVENTCODE_COMMENT, {""});
    ExpectEvent(Read("a\r\nb\r"), EVENTCODE_NARRATION, {"ab"});
}

TEST(ScriptLine, DoubleByteCharacterWithBackslashTrailStaysInTheName) {
    // "ソ" is 0x83 0x5C and "表" is 0x95 0x5C.
    ExpectEvent(Read("\\\x83\x5c\x95\x5c\\\x83\x5c"), EVENTCODE_SERIF,
                {"\x83\x5c\x95\x5c", "\x83\x5c"});
    ExpectEvent(Read("\x83\x5c@"), EVENTCODE_NARRATION, {"\x83\x5c@"});
}

TEST(ScriptLine, CommandKeywordsAndArguments) {
    ExpectEvent(Read("@wait"), EVENTCODE_WAIT, {}, {0});
    ExpectEvent(Read("@wait 12 34"), EVENTCODE_WAIT, {}, {12});
    ExpectEvent(Read("@midi a.mid 5 1"), EVENTCODE_MIDI, {"a.mid"}, {5, 1});
    ExpectEvent(Read("@midiold a.mid 5"), EVENTCODE_MIDIOLD, {"a.mid"}, {5});
    ExpectEvent(Read("@waitclick 9"), EVENTCODE_WAITCLICK, {});
    ExpectEvent(Read("@setparamXYZ p q 3 r"), EVENTCODE_SETPARAM, {"p", "q", "r"}, {3});
    ExpectEvent(Read("@settitle x"), EVENTCODE_TITLE, {"x"});
    ExpectEvent(Read("@setmsgbox 4"), EVENTCODE_MSGBOX, {}, {4});
    // Two spaces make an empty token: an empty string, or 0 for an integer.
    ExpectEvent(Read("@jump  lbl  f"), EVENTCODE_JUMP, {"", "lbl", "f"}, {0});
    ExpectEvent(Read("@chara nil AUTO 1\t2"), EVENTCODE_CHARACTER, {"", "AUTO"}, {1, 2});
    ExpectEvent(Read("@select a b"), EVENTCODE_SELECT, {"a", "b", "", "", "", ""});
    // No matching keyword, an empty keyword, and the player-only names.
    ExpectEvent(Read("@bogus 1 2"), EVENTCODE_COMMENT, {"@bogus 1 2"});
    ExpectEvent(Read("  @ wait 1"), EVENTCODE_COMMENT, {"  @ wait 1"});
    ExpectEvent(Read("@title x"), EVENTCODE_COMMENT, {"@title x"});
    ExpectEvent(Read("@"), EVENTCODE_COMMENT, {"@"});
}

TEST(ScriptLine, NarrationCommandTakesTheWholeRestUnchanged) {
    ExpectEvent(Read("@narration @go to\tthe nil"), EVENTCODE_NARRATION, {"@go to\tthe nil"});
    ExpectEvent(Read("@narration\t;x"), EVENTCODE_NARRATION, {";x"});
    ExpectEvent(Read("@narration nil"), EVENTCODE_NARRATION, {"nil"});
    ExpectEvent(Read("@narration  two"), EVENTCODE_NARRATION, {" two"});
    ExpectEvent(Read("@narration"), EVENTCODE_NARRATION, {""});
    for (const char* text : {"@a b", "\\x\\y z", "*l m", ";c\td"}) {
        const VNEvent event = Make(EVENTCODE_NARRATION, {text});
        EXPECT_TRUE(Same(Read(Line(event)), event)) << text;
    }
}

TEST(ScriptLine, DroppedWordsAreWordsLeftAfterTheLastArgument) {
    const auto drops = [](const char* line) { return ScriptLineDropsWords(VNString(line)); };
    EXPECT_TRUE(drops("@background my file.bmp"));
    EXPECT_TRUE(drops("@wait  5"));
    EXPECT_TRUE(drops("\t@waitclick now"));
    EXPECT_FALSE(drops("@wait 5"));
    EXPECT_FALSE(drops("@wait 5 \t "));
    EXPECT_FALSE(drops("@pcm nil 1"));
    EXPECT_FALSE(drops("@narration a b c"));
    EXPECT_FALSE(drops("@bogus a b c"));
    EXPECT_FALSE(drops("plain words here"));
    EXPECT_FALSE(drops("\\a b\\c d"));
    EXPECT_FALSE(drops("*a b"));
}

TEST(ScriptLine, IssuesNameWhatReadingQuietlyMakesOfACommand) {
    using K = ScriptLineIssue::Kind;
    struct Issue {
        K kind;
        int32_t argument;
        const char* word;
    };
    struct Row {
        const char* line;
        std::vector<Issue> issues;
    };
    const std::vector<Row> rows = {
        {"@wait 500", {}},
        {"@wait 2147483647", {}},
        {"@wait -2147483648", {}},
        {"@wait +7", {}},
        {"@wait 5 \t ", {}},
        {"@narration", {}},
        {"@narration a b c", {}},
        {"@jump a.evt nil 0 nil", {}},
        {"words @wiat 5", {}},
        {"*@wiat", {}},
        {"\t@wiat 500", {{K::UnknownKeyword, -1, "wiat"}}},
        {"@ wait 5", {{K::UnknownKeyword, -1, ""}}},
        {"@title x", {{K::UnknownKeyword, -1, "title"}}},
        {"@waitx 5", {{K::LongKeyword, -1, "waitx"}}},
        {"@wait five", {{K::NotANumber, 0, "five"}}},
        {"@wait 5ms", {{K::NotANumber, 0, "5ms"}}},
        {"@wait -", {{K::NotANumber, 0, "-"}}},
        {"@wait 99999999999", {{K::NumberTooLarge, 0, "99999999999"}}},
        {"@wait 2147483648", {{K::NumberTooLarge, 0, "2147483648"}}},
        {"@wait -2147483649", {{K::NumberTooLarge, 0, "-2147483649"}}},
        {"@jump", {{K::MissingArguments, 0, ""}}},
        {"@jump a.evt nil 0", {{K::MissingArguments, 3, ""}}},
        {"@wait 1 2", {{K::ExtraArguments, 1, "2"}}},
        {"@waitclick now", {{K::ExtraArguments, 0, "now"}}},
        {"@background my file.bmp", {{K::ExtraArguments, 1, "file.bmp"}}},
        {"@wait  5", {{K::NotANumber, 0, ""}, {K::ExtraArguments, 1, "5"}}},
        {"@setfade 1 x 2", {{K::NotANumber, 1, "x"}, {K::MissingArguments, 3, ""}}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.line);
        const std::vector<ScriptLineIssue> issues = FindScriptLineIssues(VNString(row.line));
        ASSERT_EQ(issues.size(), row.issues.size());
        for (size_t i = 0; i < issues.size(); ++i) {
            EXPECT_EQ(issues[i].kind, row.issues[i].kind);
            EXPECT_EQ(issues[i].argument, row.issues[i].argument);
            EXPECT_EQ(issues[i].word, VNString(row.issues[i].word));
        }
    }
    // The type a longer keyword is read as.
    EXPECT_EQ(FindScriptLineIssues(VNString("@waitclickk"))[0].code, EVENTCODE_WAITCLICK);
}

TEST(ScriptText, WholeTextSplitsLinesAndDropsCarriageReturns) {
    const std::vector<VNEvent> events = {Make(EVENTCODE_LABEL, {"a"}),
                                         Make(EVENTCODE_WAIT, {}, {3})};
    EXPECT_EQ(ToScriptText(events), "*a\r\n@wait 3\r\n");
    EXPECT_EQ(ToScriptText(std::vector<VNEvent>{}), "");

    EXPECT_TRUE(FromScriptText("").empty());
    EXPECT_TRUE(FromScriptText("\r").empty());
    std::vector<VNEvent> read = FromScriptText("*a\r\n\n@wa\rit 3");
    ASSERT_EQ(read.size(), 3u);
    ExpectEvent(read[0], EVENTCODE_LABEL, {"a"});
    ExpectEvent(read[1], EVENTCODE_COMMENT, {""});
    ExpectEvent(read[2], EVENTCODE_WAIT, {}, {3});
    EXPECT_EQ(FromScriptText("x\n\n").size(), 2u);

    VNEventFile list;
    FromScriptText("*a\r\n@wait 3\r\n", list);
    ASSERT_EQ(list.GetCount(), 2);
    ExpectEvent(*list.Get(1), EVENTCODE_WAIT, {}, {3});
    EXPECT_EQ(ToScriptText(list), "*a\r\n@wait 3\r\n");
}

TEST(ScriptTextLoss, NamesTheReasonAnEventChanges) {
    const auto loss = [](const VNEvent& event) {
        const auto report = FindScriptTextLoss(event);
        return report ? std::optional<ScriptTextLoss>(report->loss) : std::nullopt;
    };
    using L = ScriptTextLoss;
    EXPECT_EQ(loss(Make(EVENTCODE_SETFLAG, {"a b"})), L::BlankInArgument);
    EXPECT_EQ(loss(Make(EVENTCODE_JUMP, {"f", "l\tm"})), L::BlankInArgument);
    EXPECT_EQ(loss(Make(EVENTCODE_PCM, {"nil"})), L::NilArgument);
    EXPECT_EQ(loss(Make(EVENTCODE_NARRATION, {""})), L::EmptyNarration);
    EXPECT_EQ(loss(Make(EVENTCODE_NARRATION, {" \t "})), L::BlankNarration);
    EXPECT_EQ(loss(Make(EVENTCODE_NARRATION, {"  *x"})), L::HiddenMark);
    EXPECT_EQ(loss(Make(EVENTCODE_NARRATION, {"a\tb"})), L::TabInText);
    EXPECT_EQ(loss(Make(EVENTCODE_SERIF, {"a\\b", "c"})), L::BackslashInSpeaker);
    EXPECT_EQ(loss(Make(EVENTCODE_SERIF, {"a", "c\td"})), L::TabInText);
    // 0x81 0x5C is a character of its own: a speaker ending in a lone 0x81 takes the "\".
    EXPECT_EQ(loss(Make(EVENTCODE_SERIF, {"a\x81", "c"})), L::SpeakerEndsInLead);
    EXPECT_EQ(loss(Make(EVENTCODE_LABEL, {"a\nb"})), L::LineBreak);
    EXPECT_EQ(loss(Make(EVENTCODE_COMMENT, {"a\rb"})), L::LineBreak);
    // 0x87 0x90 (NEC row 13) reads back as its twin 0x81 0xE0.
    EXPECT_EQ(loss(Make(EVENTCODE_LABEL, {"\x87\x90"})), L::UnstableCharacter);

    EXPECT_EQ(loss(Make(EVENTCODE_NARRATION, {"@a b\tc nil"})), std::nullopt);
    EXPECT_EQ(loss(Make(EVENTCODE_NARRATION, {"  plain"})), std::nullopt);
    EXPECT_EQ(loss(Make(EVENTCODE_SERIF, {"\x83\x5c", "a\\b c"})), std::nullopt);
    EXPECT_EQ(loss(Make(EVENTCODE_COMMENT, {" a\tb nil"})), std::nullopt);
    EXPECT_EQ(loss(Make(EVENTCODE_SETPARAM, {"p", "", "nilx"}, {INT32_MIN})), std::nullopt);
}

// Random events built from pieces that trouble the text form: the loss
// report must be empty exactly when the event comes back unchanged.
TEST(ScriptTextLoss, AgreesWithTheRoundTripOnRandomEvents) {
    const std::vector<std::string> pieces = {
        "a",  " ",  "\t",       "nil",      "@",        "\\",   "*",    ";",
        "\r", "\n", "\x83\x5c", "\x82\xa0", "\x87\x90", "\xff", "\x81", "xy"};
    std::mt19937 rng(12345);
    int lossy = 0;
    for (int round = 0; round < 20000; ++round) {
        VNEvent event(static_cast<int32_t>(1 + rng() % EVENTCODE_MAX));
        for (int32_t n = 0; n < event.GetParamCount(); ++n) {
            if (event.IsIntArg(n)) {
                event.SetInt(n, static_cast<int32_t>(rng()));
                continue;
            }
            std::string text;
            for (unsigned k = rng() % 4; k > 0; --k)
                text += pieces[rng() % pieces.size()];
            event.SetString(n, VNString::FromBytes(text));
        }
        const std::vector<VNEvent> back = FromScriptText(ToScriptText(std::vector<VNEvent>{event}));
        const bool same = back.size() == 1 && Same(back[0], event);
        EXPECT_EQ(FindScriptTextLoss(event).has_value(), !same)
            << "line: " << Line(event) << " code " << event.GetCode();
        lossy += same ? 0 : 1;
    }
    EXPECT_GT(lossy, 1000);
    EXPECT_LT(lossy, 19000);
}

} // namespace
