// Rollback: in a message's click wait the mouse wheel turned up (or Page Up)
// shows the earlier messages again, one a notch, with the picture, the
// parameters, the title, the fades and the music as they were; turned down
// (Page Down) it comes forward again, and past the newest message the wait
// goes on as before. A click on an earlier message plays on from there,
// which drops the messages after it, so a choice after it can be taken
// differently.
#pragma once

#include "player/RollbackHistory.h"
#include "scenario/VNString.h"

#include <cstdint>
#include <optional>

class GameSound;
class MessageWindow;
class PlayerContext;
class Stage;
class VNParamFile;

class Rollback {
public:
    // What of the game the interpreter holds.
    struct Game {
        VNParamFile* global;
        VNParamFile* local;
        VNString& title;
    };

    Rollback(PlayerContext& context, Stage& stage, MessageWindow& message, GameSound& sound)
        : context_(context), stage_(stage), message_(message), sound_(sound) {}

    // A load: nothing before it can be gone back to.
    void Clear() { history_.Clear(); }
    // The message at `place` is about to be shown with the game as it is.
    // Wheel turns made before its click wait do not count.
    void Record(const Game& game, RollbackPlace place);
    // One look during the message's click wait: serves the wheel and the
    // Page keys. True when play goes on from an earlier message, whose
    // place TakePlayOn then gives. vnprobe goes back only while playing.
    bool Serve(const Game& game);
    std::optional<RollbackPlace> TakePlayOn();

    const RollbackHistory& History() const { return history_; }

private:
    RollbackState Capture(const Game& game) const;
    // The game takes `state`: only what differs changes.
    void Apply(const Game& game, const RollbackState& state);
    // Shows earlier messages from `steps` back until the player clicks on
    // one (true) or comes forward to the present again (false).
    bool Browse(const Game& game, int32_t steps);

    PlayerContext& context_;
    Stage& stage_;
    MessageWindow& message_;
    GameSound& sound_;
    RollbackHistory history_;
    std::optional<RollbackPlace> playOn_;
};
