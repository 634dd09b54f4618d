// A text choice made with the d-pad and A of SDL's virtual game controller.
#include "MessageTestSupport.h"
#include "PlayerTestSupport.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

using namespace playertest;
using namespace messagetest;

namespace {

TEST(GamepadPlayTest, TheDpadPointsAndAChooses) {
    const auto down = SDL_CONTROLLER_BUTTON_DPAD_DOWN, up = SDL_CONTROLLER_BUTTON_DPAD_UP;
    const struct {
        std::vector<SDL_GameControllerButton> presses;
        int32_t chosen; // the label reached: 1 the first line, 2 the second
    } rows[] = {
        // From no line pointed, down points the first and up the last.
        {{down, SDL_CONTROLLER_BUTTON_A}, 1},
        {{down, down, SDL_CONTROLLER_BUTTON_A}, 2},
        {{up, SDL_CONTROLLER_BUTTON_A}, 2},
    };
    for (const auto& row : rows) {
        GameFolder game;
        WriteGame(game,
                  {Wait(10), Select(u8"右", "one", u8"左", "two"), playertest::Label("one"),
                   SetParam("r", "1", 0, "0"), Jump("", "end"), playertest::Label("two"),
                   SetParam("r", "2", 0, "0"), playertest::Label("end")},
                  {{"r", 0}});
        game.WriteIni(kIni);
        Session session;
        std::chrono::steady_clock::time_point start{};
        // Closed with the rest when the player's window lets the controllers go.
        SDL_Joystick* pad = nullptr;
        size_t next = 0; // half presses done: even down, odd up
        ASSERT_TRUE(session.Run(game, 1, [&](int64_t now, VNPlayer& player) {
            std::this_thread::sleep_for(std::chrono::microseconds(100));
            if (!pad && PcOf(player) == 1) {
                const int device = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER,
                                                             SDL_CONTROLLER_AXIS_MAX,
                                                             SDL_CONTROLLER_BUTTON_MAX, 0);
                pad = SDL_JoystickOpen(device);
                start = std::chrono::steady_clock::now();
            }
            // The player looks for a new pad twice a second, then reads it
            // every frame: each half press lasts 100 ms after the first second.
            const auto due = std::chrono::milliseconds(1000 + 100 * static_cast<int64_t>(next));
            if (pad && next < 2 * row.presses.size() &&
                std::chrono::steady_clock::now() - start >= due) {
                SDL_JoystickSetVirtualButton(pad, row.presses[next / 2], next % 2 == 0);
                ++next;
            }
            if (now > 200000) {
                player.Window()->Close();
            }
        }));
        EXPECT_EQ(game.ReadParams("global.flg").at("r"), row.chosen);
    }
}

} // namespace
