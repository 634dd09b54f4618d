#include "PlayerTestSupport.h"

#include "platform/Application.h"
#include "platform/DialogHost.h"
#include "resources/PlayerResources.h"
#include "scenario/VNEventFile.h"
#include "scenario/VNParamFile.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <random>

namespace fs = std::filesystem;

namespace playertest {

namespace {

// Player tests never reach a real sound device: SDL's dummy driver takes the
// mixed sound in real time and drops it.
const bool silentAudio = [] { return setenv("SDL_AUDIODRIVER", "dummy", 1) == 0; }();

VNEvent Make(int32_t code, std::vector<const char*> strings, std::vector<int32_t> ints) {
    VNEvent event(code);
    size_t s = 0;
    size_t i = 0;
    for (int32_t n = 0; n < event.GetParamCount(); ++n) {
        if (event.IsIntArg(n)) {
            event.SetInt(n, i < ints.size() ? ints[i++] : 0);
        } else {
            event.SetString(n, VNString(s < strings.size() ? strings[s++] : ""));
        }
    }
    return event;
}

const resources::ResourceSet& ResourcesFor(PlayerEdition edition) {
    static const resources::ResourceSet play = resources::MakePlayerResources(false);
    static const resources::ResourceSet probe = resources::MakePlayerResources(true);
    return edition == PlayerEdition::Probe ? probe : play;
}

} // namespace

VNEvent Narration(const char* text) {
    return Make(EVENTCODE_NARRATION, {text}, {});
}
VNEvent Label(const char* name) {
    return Make(EVENTCODE_LABEL, {name}, {});
}
VNEvent Jump(const char* file, const char* label, int32_t condition, const char* param) {
    VNEvent event(EVENTCODE_JUMP);
    event.SetString(0, VNString(file));
    event.SetString(1, VNString(label));
    event.SetInt(2, condition);
    event.SetString(3, VNString(param));
    return event;
}
VNEvent SetFlag(const char* name, int32_t operation) {
    VNEvent event(EVENTCODE_SETFLAG);
    event.SetString(0, VNString(name));
    event.SetInt(1, operation);
    return event;
}
VNEvent SetParam(const char* target, const char* left, int32_t op, const char* right) {
    VNEvent event(EVENTCODE_SETPARAM);
    event.SetString(0, VNString(target));
    event.SetString(1, VNString(left));
    event.SetInt(2, op);
    event.SetString(3, VNString(right));
    return event;
}
VNEvent Title(const char* text) {
    return Make(EVENTCODE_TITLE, {text}, {});
}
VNEvent WaitClick() {
    return VNEvent(EVENTCODE_WAITCLICK);
}
VNEvent Wait(int32_t ms) {
    return Make(EVENTCODE_WAIT, {}, {ms});
}
VNEvent SetFade(int32_t a, int32_t b, int32_t c, int32_t d) {
    return Make(EVENTCODE_SETFADE, {}, {a, b, c, d});
}
// The fade arguments are given as 1000 ms: accepted and ignored.
VNEvent Pcm(const char* file, int32_t loop) {
    return Make(EVENTCODE_PCM, {file}, {loop});
}
VNEvent Cdda(int32_t track) {
    return Make(EVENTCODE_CDDA, {}, {track, 1000});
}
VNEvent Midi(const char* file, int32_t loop) {
    return Make(EVENTCODE_MIDI, {file}, {1000, loop});
}
VNEvent Mp3(const char* file) {
    return Make(EVENTCODE_MP3, {file}, {1000});
}
VNEvent Vorbis(const char* file, int32_t channel, int32_t loop) {
    return Make(EVENTCODE_VORBIS, {file}, {channel, 1000, loop});
}

GameFolder::GameFolder() {
    std::random_device device;
    root_ = fs::temp_directory_path() / ("vnplayer-test-" + std::to_string(device()));
    fs::create_directories(root_ / "event");
    fs::create_directories(root_ / "save");
}

GameFolder::~GameFolder() {
    std::error_code ignored;
    fs::remove_all(root_, ignored);
}

void GameFolder::WriteEvents(const std::string& name, const std::vector<VNEvent>& events) {
    VNEventFile file;
    for (const VNEvent& event : events) {
        file.Push(&event);
    }
    ASSERT_TRUE(file.Save((root_ / "event" / name).string()));
}

void GameFolder::WriteParams(const std::string& name, const Params& params) {
    VNParamFile file;
    for (const auto& [key, value] : params) {
        file.Add(VNString(key.c_str()), value);
    }
    ASSERT_TRUE(file.Save((root_ / "save" / name).string()));
}

void GameFolder::WriteIni(const std::string& text) {
    std::ofstream(root_ / "game.ini", std::ios::binary) << text;
}

std::map<std::string, int32_t> GameFolder::ReadParams(const std::string& name) const {
    std::map<std::string, int32_t> result;
    VNParamFile file;
    if (!file.Load((root_ / "save" / name).string())) {
        return result;
    }
    for (int32_t n = 0; n < file.GetCount(); ++n) {
        result[file.GetName(n).Bytes()] = file.GetValue(n);
    }
    return result;
}

bool GameFolder::Exists(const std::string& relative) const {
    return fs::exists(root_ / relative);
}

void WriteGame(GameFolder& game, const std::vector<VNEvent>& events, const Params& global,
               const Params& local) {
    game.WriteEvents("start.evt", events);
    game.WriteParams("global.flg", global);
    game.WriteParams("local.flg", local);
}

SeenModal Record(platform::ModalView& view) {
    SeenModal seen;
    seen.templateName = view.TemplateName();
    seen.caption = view.Caption();
    seen.text = view.Text();
    if (view.Kind() == platform::ModalKind::Dialog) {
        for (int id : {1004, 1005, 1006, 1007, 1008, 1010, 1012, 1013, 1014, 1015, 1016, 1017}) {
            if (view.Dialog().HasControl(id)) {
                seen.fields[id] = view.Dialog().GetText(id);
            }
        }
        if (seen.templateName == "IDD_IMAGELOADERROR") {
            seen.verifyEnabled = view.Dialog().IsControlEnabled(1012);
        }
    }
    return seen;
}

namespace {

bool PrepareApplication(PlayerEdition edition) {
    platform::Application& app = platform::EnsureTestApplication(ResourcesFor(edition));
    app.SetResources(ResourcesFor(edition));
    return true;
}

} // namespace

Session::Session(PlayerEdition edition)
    : edition_(edition), applicationReady_(PrepareApplication(edition)) {}

Session::~Session() = default;

void Session::ExpectReport() {
    hook_.Push([this](platform::ModalView& view) {
        seen_.push_back(Record(view));
        view.Press(1);
    });
}

bool Session::Run(GameFolder& game, int64_t step,
                  std::function<void(int64_t, VNPlayer&)> observer) {
    VNPlayer player(edition_, game.Root().string(), clock, 12345);
    WatchFrames(player);
    clock.SetStepPerRead(step);
    if (observer) {
        clock.SetObserver([&player, observer](int64_t now) { observer(now, player); });
    }
    const bool result = player.Run();
    clock.SetObserver(nullptr);
    return result;
}

bool Session::RunOn(GameFolder& game, Clock& other) {
    VNPlayer player(edition_, game.Root().string(), other, 12345);
    WatchFrames(player);
    return player.Run();
}

void Session::WatchFrames(VNPlayer& player) {
    if (onFrame) {
        player.SetFrameObserver(
            [this, &player](float p, const Surface& screen) { onFrame(p, screen, player); });
    }
}

} // namespace playertest
