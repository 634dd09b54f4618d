// What message text and text choices ask of the player (internal to the
// player's text and choice units): its window, clock, click wait and backlog.
#pragma once

#include "graphics/TextHost.h"
#include "player/VNPlayer.h"

class VNPlayer::TextHostAdapter final : public TextHost {
public:
    explicit TextHostAdapter(VNPlayer& player);

    void Pump() override;
    uint32_t PressCount() override;
    bool SkipActive() override;
    bool Paused() override;
    int64_t NowMs() override;
    // Blocks between passes like every wait of the player.
    void IdleUntil(int64_t deadlineMs) override;
    void Present(int32_t x, int32_t y, int32_t width, int32_t height) override;
    bool ClickWait() override;
    // Every page goes to the backlog.
    void PageShown(std::string_view page) override;

private:
    VNPlayer& p_;
};
