// What a screen reader is given for messages, and the key that shows the
// picture without the message.
#include "player/SpokenText.h"
#include "player/Clock.h"
#include "player/VNPWindow.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::string Sjis(const std::string& utf8) {
    VNString text;
    EXPECT_TRUE(VNString::FromUtf8(utf8, text)) << utf8;
    return text.Bytes();
}

} // namespace

TEST(SpokenText, PagesReadAsShownWithTheSpeakerOnEach) {
    // "/" breaks the line, "\" ends the page; a speech is shown as
    // "【name】/text" and each later page is read after the name again.
    const struct {
        std::string message;
        std::vector<std::string> pages;
    } cases[] = {
        {"一行/二行", {"一行\n二行"}},
        {"前\\後", {"前", "後"}},
        {"【案内】/こんにちは\\続き/です", {"【案内】\nこんにちは", "【案内】\n続き\nです"}},
        {"【括弧】だけ\\次", {"【括弧】だけ", "次"}},
        {"ソ\\タ", {"ソ", "タ"}}, // "ソ" ends in the byte of "\"
        {"改行\r\n後", {"改行\n後"}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SpokenPages(Sjis(c.message)), c.pages) << c.message;
    }
}

TEST(SpokenText, KeyHTogglesTheViewWithoutText) {
    ManualClock clock;
    VNPWindow window(PlayerEdition::Play, clock);
    const platform::LPARAM held = platform::LPARAM(1) << 30;
    const struct {
        bool down;
        platform::LPARAM flags;
        bool viewOn;
    } steps[] = {{true, 0, true}, {true, held, true}, {false, held, true}, {true, 0, false}};
    for (const auto& step : steps) {
        if (step.down) {
            window.OnKeyDown('H', step.flags);
        } else {
            window.OnKeyUp('H', step.flags);
        }
        EXPECT_EQ(window.RightButtonDown(), step.viewOn);
    }
}

TEST(SpokenText, ButtonsAreReadByNumber) {
    EXPECT_EQ(ButtonNames(3),
              (std::vector<std::string>{"ボタン 1 / 3", "ボタン 2 / 3", "ボタン 3 / 3"}));
}
