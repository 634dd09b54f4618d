// Small game folders for player tests, and a session that runs the real
// player on the offscreen platform with a hand-driven clock.
#pragma once

#include "platform/ModalHook.h"
#include "player/Clock.h"
#include "player/ReportTexts.h"
#include "player/VNPlayer.h"
#include "scenario/VNEvent.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace playertest {

// The index of the event the interpreter stands at, and the message on screen.
inline int32_t PcOf(const VNPlayer& p) {
    return p.GetInterpreter().ProgramCounter();
}
inline const MessageText& MessageOf(const VNPlayer& p) {
    return p.GetMessageWindow().Message();
}

// Events by the arguments of their type.
VNEvent Narration(const char* text);
VNEvent Label(const char* name);
VNEvent Jump(const char* file, const char* label, int32_t condition = 0, const char* param = "");
VNEvent SetFlag(const char* name, int32_t operation);
VNEvent SetParam(const char* target, const char* left, int32_t op, const char* right);
VNEvent Title(const char* text);
VNEvent WaitClick();
VNEvent Wait(int32_t ms);
VNEvent SetFade(int32_t a, int32_t b, int32_t c, int32_t d);
VNEvent Pcm(const char* file, int32_t loop);
VNEvent Cdda(int32_t track);
VNEvent Midi(const char* file, int32_t loop);
VNEvent Mp3(const char* file);
VNEvent Vorbis(const char* file, int32_t channel, int32_t loop);

using Params = std::vector<std::pair<std::string, int32_t>>;

// A game folder in the temporary directory, removed again at the end.
class GameFolder {
public:
    GameFolder();
    ~GameFolder();
    GameFolder(const GameFolder&) = delete;
    GameFolder& operator=(const GameFolder&) = delete;

    const std::filesystem::path& Root() const { return root_; }
    void WriteEvents(const std::string& name, const std::vector<VNEvent>& events);
    void WriteParams(const std::string& name, const Params& params);
    void WriteIni(const std::string& text);
    // The parameters stored in save/<name>, by name; empty when unreadable.
    std::map<std::string, int32_t> ReadParams(const std::string& name) const;
    bool Exists(const std::string& relative) const;

private:
    std::filesystem::path root_;
};

// A game with start.evt holding `events`, save/global.flg and save/local.flg.
void WriteGame(GameFolder& game, const std::vector<VNEvent>& events, const Params& global,
               const Params& local = {});

// One modal window the player opened.
struct SeenModal {
    std::string templateName; // dialogs
    VNString caption;
    VNString text;                  // message boxes
    std::map<int, VNString> fields; // dialogs: the report fields by control id
    bool verifyEnabled = true;      // the image-load report's verify button
};

// Runs the player; the clock advances `step` ms per reading and calls
// `observer` (time, player) each time, so a test acts from inside the waits.
class Session {
public:
    explicit Session(PlayerEdition edition = PlayerEdition::Play);
    ~Session();

    bool Run(GameFolder& game, int64_t step = 1,
             std::function<void(int64_t, VNPlayer&)> observer = nullptr);
    // Runs the player on another clock (the system's, for timing tests).
    bool RunOn(GameFolder& game, Clock& other);

    // Called after every transition frame is drawn, with its progress.
    std::function<void(float, const Surface&, VNPlayer&)> onFrame;

    // Scripts for the modal windows, in the order they will open. Report
    // scripts record the report and press its button.
    void ExpectReport();
    void Push(platform::ModalHook::Script script) { hook_.Push(std::move(script)); }

    const std::vector<SeenModal>& Seen() const { return seen_; }
    const std::vector<std::string>& Problems() const { return hook_.Problems(); }
    std::vector<SeenModal>& SeenMutable() { return seen_; }

    ManualClock clock;

private:
    void WatchFrames(VNPlayer& player);

    PlayerEdition edition_;
    // The application must exist before the hook, which installs itself in it.
    bool applicationReady_;
    platform::ModalHook hook_;
    std::vector<SeenModal> seen_;
};

// Records what a modal window shows into `seen`.
SeenModal Record(platform::ModalView& view);

} // namespace playertest
