// The toolkit-free pieces of the player: configuration reading, the RAND
// generator, parameter arithmetic and the clocks.
#include "player/Clock.h"
#include "player/GameRandom.h"
#include "player/ParamArithmetic.h"
#include "player/config/GameConfig.h"
#include "player/config/IniFile.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

TEST(IniFile, NamesIgnoreCaseAndBlanksAndFirstOccurrenceWins) {
    IniFile ini;
    ini.Parse("; comment\r\n[Other]\r\nWidth=1\r\n[ GAME ]\r\n  windowwidth = 800 \r\n"
              "WINDOWWIDTH=900\r\nTitle = \"Quoted title\" \r\n[game]\r\nWindowHeight=600\r\n");
    EXPECT_EQ(ini.ReadInt("game", "WindowWidth", 640), 800);
    EXPECT_EQ(ini.ReadInt("Game", "windowheight", 480), 600);
    EXPECT_EQ(ini.ReadString("game", "title", "player"), "Quoted title");
    EXPECT_EQ(ini.ReadInt("other", "width", 7), 1);
    EXPECT_EQ(ini.ReadInt("game", "Width", 7), 7); // key of another section
    EXPECT_EQ(ini.ReadString("game", "Missing", "dflt"), "dflt");
}

TEST(IniFile, IntegerReadingTakesSignAndLeadingDigitsOnly) {
    EXPECT_EQ(IniFile::ParseInt("123"), 123);
    EXPECT_EQ(IniFile::ParseInt("-45"), -45);
    EXPECT_EQ(IniFile::ParseInt("+7"), 7);
    EXPECT_EQ(IniFile::ParseInt("12px"), 12);
    EXPECT_EQ(IniFile::ParseInt("abc"), 0); // present but not a number
    EXPECT_EQ(IniFile::ParseInt(""), 0);
    EXPECT_EQ(IniFile::ParseInt("-"), 0);
    EXPECT_EQ(IniFile::ParseInt("2147483647"), INT32_MAX);
    EXPECT_EQ(IniFile::ParseInt("-2147483648"), INT32_MIN);
    EXPECT_EQ(IniFile::ParseInt("99999999999999999999"), INT32_MAX);
    EXPECT_EQ(IniFile::ParseInt("-99999999999999999999"), INT32_MIN);

    IniFile ini;
    ini.Parse("[game]\nWindowWidth=wide\n");
    EXPECT_EQ(ini.ReadInt("game", "WindowWidth", 640), 0);
}

TEST(IniFile, LongStringsAreCutWithoutSplittingACharacter) {
    // 1022 ASCII bytes and then a double-byte character: the character would
    // end at byte 1024, beyond the 1023-byte limit, so it is left out whole.
    std::string value(1022, 'a');
    value += "\x82\xa0";
    value += "tail";
    IniFile ini;
    ini.Parse("[game]\nTitle=" + value + "\n");
    EXPECT_EQ(ini.ReadString("game", "Title", ""), std::string(1022, 'a'));

    ini.Parse("[game]\nTitle=" + std::string(2000, 'b') + "\n");
    EXPECT_EQ(ini.ReadString("game", "Title", "").size(), 1023u);
}

TEST(GameConfig, DefaultsWithoutAFileAndValuesFromOne) {
    GameConfig defaults;
    defaults.Read(IniFile());
    EXPECT_EQ(defaults.title, VNString(u8"player"));
    EXPECT_EQ(defaults.windowWidth, 640);
    EXPECT_EQ(defaults.windowHeight, 480);
    EXPECT_EQ(defaults.msgFontName, VNString(u8"ＭＳ Ｐゴシック"));
    EXPECT_EQ(defaults.msgFontWidth, 12);
    EXPECT_EQ(defaults.msgFontHeight, 24);
    EXPECT_EQ(defaults.msgLineMargin, 2);
    EXPECT_EQ(defaults.msgSelectedG, 32);
    EXPECT_EQ(defaults.msgUnselectedR, 128);
    EXPECT_EQ(defaults.msgAreaLeft, 19);
    EXPECT_EQ(defaults.msgAreaTop, 335);
    EXPECT_EQ(defaults.msgAreaWidth, 601);
    EXPECT_EQ(defaults.msgAreaHeight, 131);
    EXPECT_EQ(defaults.msgBoxImage, VNString(u8"none"));
    EXPECT_TRUE(defaults.msgBoxImageMask.IsEmpty());
    EXPECT_EQ(defaults.msgBoxImageLeft, 14);
    EXPECT_EQ(defaults.msgBoxImageTop, 330);
    EXPECT_EQ(defaults.msgBoxGradStartR, 95);
    EXPECT_EQ(defaults.msgBoxGradStartG, 88);
    EXPECT_EQ(defaults.msgBoxGradStartB, 191);
    EXPECT_EQ(defaults.msgBoxGradStartA, 220);
    EXPECT_EQ(defaults.msgBoxGradEndB, 255);

    IniFile ini;
    // Title in Shift-JIS: "テスト" is 83 65 83 58 83 67.
    ini.Parse("[game]\r\nTitle=\x83\x65\x83\x58\x83\x67\r\nWindowWidth=800\r\n"
              "WindowHeight=600\r\nMsgBoxImage=cg\\box.bmp\r\nMsgColorG=bad\r\n");
    GameConfig config;
    config.Read(ini);
    EXPECT_EQ(config.title, VNString(u8"テスト"));
    EXPECT_EQ(config.windowWidth, 800);
    EXPECT_EQ(config.windowHeight, 600);
    EXPECT_EQ(config.msgBoxImage, VNString("cg\\box.bmp"));
    EXPECT_EQ(config.msgColorG, 0);
    EXPECT_EQ(config.msgColorR, 255);
}

TEST(IniFile, UTF8FilesAreReadAsUTF8AndHandOutShiftJis) {
    struct Case {
        const char* what;
        std::string text;
        const char* title; // Shift-JIS
        IniEncoding encoding;
    };
    // "テスト" is 83 65 83 58 83 67 in Shift-JIS, "タイトル" 83 5E 83 43 83 67 83 8B.
    const Case cases[] = {
        {"Shift-JIS", "[game]\r\nTitle=\x83\x65\x83\x58\x83\x67\r\n", "\x83\x65\x83\x58\x83\x67",
         IniEncoding::ShiftJis},
        {"UTF-8 behind a byte-order mark", "\xEF\xBB\xBF[game]\r\nTitle=テスト\r\n",
         "\x83\x65\x83\x58\x83\x67", IniEncoding::Utf8WithBom},
        {"UTF-8", "[game]\nTitle=テスト\n", "\x83\x65\x83\x58\x83\x67", IniEncoding::Utf8},
        {"UTF-8 whose bytes also spell Shift-JIS", "[game]\nTitle=タイトル\n",
         "\x83\x5E\x83\x43\x83\x67\x83\x8B", IniEncoding::Utf8},
        // "é" has no Shift-JIS form.
        {"UTF-8 beyond Shift-JIS", "[game]\nTitle=Caféテスト\n", "Caf?\x83\x65\x83\x58\x83\x67",
         IniEncoding::Utf8},
        {"neither", "[game]\nTitle=\xFF\xFE\n", "\xFF\xFE", IniEncoding::Unknown},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        IniFile ini;
        ini.Parse(c.text);
        EXPECT_EQ(ini.Encoding(), c.encoding);
        EXPECT_EQ(ini.ReadString("game", "Title", "player"), c.title);
    }
}

TEST(GameRandom, FollowsTheLinearCongruentialRule) {
    // state * 214013 + 2531011, bits 16..30 of the new state.
    GameRandom one(1);
    EXPECT_EQ(one.Next(), 41);
    EXPECT_EQ(one.Next(), 18467);
    EXPECT_EQ(one.Next(), 6334);
    GameRandom other(12345);
    EXPECT_EQ(other.Next(), 7584);
    EXPECT_EQ(other.Next(), 19164);
    for (int i = 0; i < 1000; ++i) {
        const int32_t v = other.Next();
        ASSERT_GE(v, 0);
        ASSERT_LE(v, GameRandom::kMax);
    }
}

namespace {

int32_t Apply(int32_t op, int32_t a, int32_t b) {
    int32_t r = 0x5A5A5A5A;
    EXPECT_EQ(ApplyParamOperator(op, a, b, r), ParamOpResult::Ok) << op << " " << a << " " << b;
    return r;
}

} // namespace

TEST(ParamArithmetic, EveryOperator) {
    EXPECT_EQ(Apply(0, 5, 3), 8);
    EXPECT_EQ(Apply(1, 5, 3), 2);
    EXPECT_EQ(Apply(2, -5, 3), -15);
    EXPECT_EQ(Apply(3, 7, 2), 3);
    EXPECT_EQ(Apply(3, -7, 2), -3); // truncates toward zero
    EXPECT_EQ(Apply(4, -7, 2), -1); // sign of the left operand
    EXPECT_EQ(Apply(4, 7, -2), 1);
    EXPECT_EQ(Apply(5, 12, 10), 8);
    EXPECT_EQ(Apply(6, 12, 10), 14);
    EXPECT_EQ(Apply(7, 12, 10), 6);
    EXPECT_EQ(Apply(8, 2, 1), 1);
    EXPECT_EQ(Apply(8, 1, 1), 0);
    EXPECT_EQ(Apply(9, 1, 2), 1);
    EXPECT_EQ(Apply(9, 2, 2), 0);
    EXPECT_EQ(Apply(10, 2, 2), 1);
    EXPECT_EQ(Apply(10, 1, 2), 0);
    EXPECT_EQ(Apply(11, 2, 2), 1);
    EXPECT_EQ(Apply(11, 3, 2), 0);
    EXPECT_EQ(Apply(12, -4, -4), 1);
    EXPECT_EQ(Apply(12, -4, 4), 0);
}

TEST(ParamArithmetic, WrapsInThirtyTwoBitsAndNeverTraps) {
    EXPECT_EQ(Apply(0, INT32_MAX, 1), INT32_MIN);
    EXPECT_EQ(Apply(1, INT32_MIN, 1), INT32_MAX);
    EXPECT_EQ(Apply(2, 65536, 65536), 0);
    EXPECT_EQ(Apply(2, INT32_MAX, 2), -2);
    EXPECT_EQ(Apply(3, INT32_MIN, -1), INT32_MIN);
    EXPECT_EQ(Apply(4, INT32_MIN, -1), 0);

    int32_t untouched = 77;
    EXPECT_EQ(ApplyParamOperator(3, 1, 0, untouched), ParamOpResult::DivisionByZero);
    EXPECT_EQ(ApplyParamOperator(4, 1, 0, untouched), ParamOpResult::DivisionByZero);
    EXPECT_EQ(ApplyParamOperator(13, 1, 1, untouched), ParamOpResult::UnknownOperator);
    EXPECT_EQ(ApplyParamOperator(-1, 1, 1, untouched), ParamOpResult::UnknownOperator);
    EXPECT_EQ(untouched, 77);
}

TEST(Clock, ManualClockStepsAndCallsItsObserver) {
    ManualClock clock(100);
    EXPECT_EQ(clock.NowMs(), 100);
    clock.Advance(50);
    EXPECT_EQ(clock.NowMs(), 150);
    clock.SetStepPerRead(10);
    int64_t seen = 0;
    clock.SetObserver([&](int64_t now) {
        seen = now;
        if (now == 170) {
            clock.Set(1000); // an observer may move time itself
        }
    });
    EXPECT_EQ(clock.NowMs(), 160);
    EXPECT_EQ(seen, 160);
    EXPECT_EQ(clock.NowMs(), 1000);

    SteadyClock steady;
    const int64_t a = steady.NowMs();
    EXPECT_GE(steady.NowMs(), a);
}
