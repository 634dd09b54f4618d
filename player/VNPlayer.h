// The player: reads the game's configuration, opens the main window, loads
// the first event file and the two parameter tables, runs the interpreter
// and, when the game ends, writes the global parameters back and tears
// everything down. vnplay and vnprobe differ only in the edition given here
// (vnprobe also links the checked libraries and gets a debug window).
//
// The interpreter's operations live in VNPControl.cpp, the error reports in
// VNPReports.cpp, the screen and the picture events in VNPVisual.cpp, the
// timed changes of the screen in VNPTransition.cpp, the message text in
// VNPText.cpp, the choices in VNPChoice.cpp, the sound events in VNPSound.cpp
// and saving and loading in VNPSaveLoad.cpp.
#pragma once

#include "graphics/LayerComposition.h"
#include "graphics/MessageStyle.h"
#include "graphics/MessageText.h"
#include "graphics/Surface.h"
#include "platform/Handle.h"
#include "player/ChoiceButtons.h"
#include "player/Clock.h"
#include "player/GameRandom.h"
#include "player/ReportTexts.h"
#include "player/VNBackLog.h"
#include "player/config/GameConfig.h"
#include "scenario/VNAssert.h"
#include "scenario/VNSaveRecord.h"
#include "scenario/VNString.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class ClickMarker;
class GlyphSource;
class TextRenderer;
class VNEvent;
class VNEventFile;
class VNParamFile;
class VNPWindow;
class VNPDebugLink;
class VNCDPlayer;
class VNMidiPlayer;
class VNMP3Player;
struct ReportPosition;
namespace platform {
class SoundOutput;
}

class VNPlayer {
public:
    // `gameFolder` holds event/, save/, cg/ ... and game.ini; `clock` drives
    // every wait; `seed` starts the RAND generator.
    VNPlayer(PlayerEdition edition, std::string gameFolder, Clock& clock, uint32_t seed);
    ~VNPlayer();
    VNPlayer(const VNPlayer&) = delete;
    VNPlayer& operator=(const VNPlayer&) = delete;

    // The whole game; false when start-up failed or save/global.flg could
    // not be written at the end (the game ends either way).
    bool Run();

    // vnprobe's debug window; must be set before Run (not owned).
    void SetDebugLink(VNPDebugLink* debug) { debug_ = debug; }

    // Says why a layer picture and its mask (names as an event gives them)
    // cannot be loaded; vnprobe's image report shows it on request. vnplay
    // has none, and its report offers no such request.
    using ImageExplainer = std::function<std::string(const VNString& image, const VNString& mask)>;
    void SetImageExplainer(ImageExplainer explainer) { imageExplainer_ = std::move(explainer); }

    // Called after every frame of a transition is drawn, before it is shown,
    // with the frame's progress (0 to 1) and the back buffer.
    using FrameObserver = std::function<void(float progress, const Surface& screen)>;
    void SetFrameObserver(FrameObserver observer) { frameObserver_ = std::move(observer); }

    // --- Interpreter (VNPControl.cpp) ---
    // Performs events until the end of the current file (true), until an
    // event fails in vnplay (true), or until a load is pending (false). May
    // let VNWindowClosedException through.
    bool Interpret();
    // Serves the save, load and backlog requests of the menu, then pumps.
    // False when the player confirmed a slot to load.
    bool ServiceRequests();
    // Local table first, then global. False when neither declares `name`.
    bool FindParameter(const VNString& name, VNParamFile*& table, int32_t& index) const;
    // Waits after a message for a click, skip, the auto delay or (vnprobe) a
    // pause; serves the menu requests meanwhile. False when a slot to load
    // was chosen during the wait.
    bool MessageClickWait();

    // --- Screen (VNPVisual.cpp) ---
    // Clears the back buffer and draws the committed layers, back to front.
    void FullRedraw();
    // The chara event: the character at `position` (0 centre, 1 left, 2
    // right) changes to `image` with `mask` through the character fade.
    bool CharacterChange(const VNString& image, const VNString& mask, int32_t position,
                         int32_t alignment);
    // The background event: every character leaves and the background
    // changes to `image` through the background fade.
    bool BackgroundChange(const VNString& image);
    // The button choice display: the screen is emptied, `baseImage` becomes
    // the background (layer 0) and `pointedImage` is held invisible in layer
    // 10; the back buffer shows the base image.
    void ShowButtonChoice(const VNString& baseImage, const VNString& pointedImage);
    // Shows `next` (-1 none) as pointed and `previous` (-1 none) as not.
    void PointButton(const std::vector<ChoiceButton>& buttons, int32_t previous, int32_t next);
    // Empties layer 10 again once the choice is over.
    void EndButtonChoice();

    // --- Transitions (VNPTransition.cpp) ---
    // The anime event: `count` entries of `list` change their layers together
    // over `duration` ms counted from `start`. Without a redraw at the end
    // when `moreVisualEventsFollow` (and vnprobe is neither paused nor
    // stepping).
    bool Animation(int64_t start, int32_t duration, int32_t count, const VNString& list,
                   bool moreVisualEventsFollow);
    // After a load: every layer changes to its saved setting over one second.
    void RestoreAfterLoad(const std::array<VNString, kLayerCount>& settings);

    // --- Message text (VNPText.cpp) ---
    // Shows `text` in the message box over the picture, typed at the message
    // speed, waiting for a click after each page. False when the player
    // chose a slot to load during a wait.
    bool ShowMessage(const VNString& text);
    const VNBackLog& BackLog() const { return backlog_; }
    // The message on screen: its kept text, lines and marker position.
    const MessageText& Message() const { return message_; }

    // --- Save and load (VNPSaveLoad.cpp) ---
    // Writes slot `slot`: save<n>.flg, save<n>.sav and global.flg, in this
    // order, each replacing its old version only when written whole. A load
    // of it resumes at event `resumeAt`. False after the report of the first
    // file that could not be written.
    bool Save(int32_t slot, int32_t resumeAt);
    // Loads the slot chosen in the load dialog: the event file and position,
    // the local parameters, title and fade settings, the music and the
    // screen. False after its report when the slot cannot be loaded.
    bool PerformLoad();
    int32_t SlotToLoad() const { return slotToLoad_; }

    // --- Error reports (VNPReports.cpp) ---
    void ReportCriticalError(const VNString& message);
    void ReportEvtLoadError(const VNString& targetFile, const VNString& targetLabel);
    void ReportLabelUndefined(const VNString& targetFile, const VNString& label);
    void ReportMissingEntry(const VNString& item);
    void ReportParamUndeclared(const VNString& name);
    void ReportInvalidOption(const VNString& itemAndContent);
    void ReportImageLoadError(const VNString& colourImage, const VNString& maskImage);
    void ReportImageAlreadyLoaded(int32_t layer, const VNString& colourImage,
                                  const VNString& maskImage);
    void ReportLoadError(const VNString& message);
    void ReportSaveError(const VNString& message);

    // --- State, for the other units and for tests ---
    PlayerEdition Edition() const { return edition_; }
    const GameConfig& Config() const { return config_; }
    VNPWindow* Window() const { return window_.get(); }
    VNEventFile* EventFile() const { return eventFile_.get(); }
    VNParamFile* GlobalParams() const { return global_.get(); }
    VNParamFile* LocalParams() const { return local_.get(); }
    int32_t ProgramCounter() const { return programCounter_; }
    const VNString& EventFileName() const { return eventFileName_; }
    const VNString& SaveTitle() const { return saveTitle_; }
    const VNString& LastStatus() const { return lastStatus_; }
    int32_t CharaFadeType() const { return charaFadeType_; }
    int32_t CharaFadeTime() const { return charaFadeTime_; }
    int32_t BgFadeType() const { return bgFadeType_; }
    int32_t BgFadeTime() const { return bgFadeTime_; }
    const Layer& GetLayer(int32_t index) const {
        VN_ASSERT(index >= 0 && index < kLayerCount);
        return *layers_[static_cast<size_t>(index)];
    }
    // A native path for a Windows-style name inside the game folder.
    std::string GamePathOf(const VNString& name) const;
    // The sound output (after start-up) and the music a save records: the
    // CD track (0 none) and the MIDI and MP3 files as the events name them.
    platform::SoundOutput* Sound() const { return sound_.get(); }
    int32_t CdTrack() const { return cdTrack_; }
    const VNString& MidiFile() const { return midiFile_; }
    const VNString& Mp3File() const { return mp3File_; }

private:
    bool StartUp();
    void RunInterpreterLoop();
    // False (after the save error report) when the file could not be written.
    bool WriteGlobalParams();
    void TearDown();

    // Event actions (VNPControl.cpp).
    bool Perform(const VNEvent& event);
    bool ActionJump(const VNEvent& event);
    bool ActionSetFlag(const VNEvent& event);
    bool ActionSetParam(const VNEvent& event);
    bool ActionTitle(const VNEvent& event);
    bool ActionWaitClick();
    // Runs `pass` until a full click (see VNPControl.cpp); true when `pass`
    // ended the wait first.
    bool WaitForClick(const std::function<bool()>& pass);
    bool ActionWait(const VNEvent& event);
    bool ActionSetFade(const VNEvent& event);
    bool ActionCharacter(const VNEvent& event);
    bool ActionBackground(const VNEvent& event);
    bool ActionAnime(const VNEvent& event);
    // Whether the events after the current one begin with another visual
    // change, so that an animation can leave the final redraw to it.
    bool VisualEventFollows() const;
    // Reports a failed layer setting or an unchanged layer and drops every
    // pending image; false.
    bool FailLayerLoad(const Layer& layer);
    bool FailLayerUnchanged(const Layer& layer);
    void DiscardAllPending();
    void ResetVisualState();
    void ShowScreen();

    // The timed loop of every transition: frames of `drawFrame` (which says
    // whether it drew) from `start` over `duration` ms, at most one per
    // display refresh, until the time is up, a click, or a pause.
    void RunTimedLoop(int64_t start, int64_t duration, const std::function<bool(float)>& drawFrame);
    void LayerTransition(int64_t start, int64_t duration, const LayerMarks& marks);
    void BackgroundTransition(int64_t start, int64_t duration, bool somethingWasVisible);
    bool ActionText(const VNEvent& event);
    bool ActionSelect(const VNEvent& event);
    bool ActionBtnSelect(const VNEvent& event);
    // What the choice loop needs of a choice: the item at a point of the
    // screen (-1 none), the drawing of the pointed item (-1 none), the order
    // the arrow keys go through the items, and whether they are buttons.
    struct ChoiceItems {
        std::function<int32_t(int32_t x, int32_t y)> at;
        std::function<void(int32_t)> point;
        std::vector<int32_t> keyOrder;
        bool buttons = false;
    };
    // The loop of both choices: until the button is pressed and released
    // over an item, or Enter or Space is pressed with an item pointed (its
    // index), a slot to load is chosen (-2), the right button cancels when
    // `rightCancel` (-1) or the debugger pauses (-3).
    int32_t ChoiceLoop(bool rightCancel, const ChoiceItems& items);
    // What a choice event returns when its loop ended for a load (-2) or a
    // pause (-3, the event runs again); nothing when an item was chosen.
    std::optional<bool> EndInterruptedChoice(int32_t chosen, const VNString& pausedStatus);
    // Sends the game to `label` of the current file: its index, or -1 once
    // the label is reported as undefined.
    int32_t JumpToChosenLabel(const VNString& label);

    // Message text (VNPText.cpp).
    void CreateMessageFont();
    void LoadMessageBoxImage();
    // Draws the message box over the redrawn picture; with `present` its
    // rectangle is shown, and so is the rectangle of the text drawn before
    // (which may reach beyond the box).
    void ShowMessageBox(bool present);
    // The click-wait marker after the message's last line.
    std::unique_ptr<ClickMarker> StartMarker();
    // One round of the click wait's drawing: the right-button view, then
    // the marker's turn.
    void AnimateClickWait(ClickMarker& marker, int64_t now);
    void EndMarker(ClickMarker& marker);
    // While the right button is held: the picture without box and text.
    void RightButtonView(ClickMarker& marker);
    bool EvaluateOperand(const VNString& text, int32_t& value);
    bool DebugPaused() const;
    // The file and position the author chose while the debugger paused.
    void TakeDebugPosition();
    void SetStatus(const VNString& text);
    // One pass of a wait: pending messages delivered (throws when the window
    // went away).
    void Pump();
    // Between two passes of a wait: blocks until a message arrives or at
    // most `maxMs` milliseconds have passed, delivering what came, so that
    // waiting costs no processor time. On a clock that moves only when read
    // it returns at once (the passes poll). Throws when the window went away.
    void IdleBetweenPasses(int64_t maxMs);
    // Delivers the pending messages when the interpreter has run for a while
    // without any wait doing so, so a game that loops without waiting still
    // answers its window.
    void DeliverWhenOverdue();
    // The load dialog; true when a slot to load was chosen.
    bool OpenLoadDialog();
    // The save dialog, and the save to the chosen slot; a load of it resumes
    // at the current event (menu) or at `resumeAt` (the save point).
    void OpenSaveDialog();
    void OpenSaveDialog(int32_t resumeAt);
    void OpenBacklog();

    class WindowTyping;
    friend class WindowTyping;

    // Sound (VNPSound.cpp).
    void StartSound();
    void StopWaveSound();
    void EndSound();
    bool ActionPcm(const VNEvent& event);
    bool ActionVorbis(const VNEvent& event);
    bool PlayCdTrack(int32_t track);
    bool PlayMidi(const VNString& file, bool loop);
    bool PlayMp3(const VNString& file);
    void RestartMusic(const VNSaveRecord& record);
    // The absolute native path of a game file; false when the current folder
    // cannot be read.
    bool FullGamePath(const VNString& name, std::string& path) const;

    // Save and load (VNPSaveLoad.cpp).
    std::string SlotPath(int32_t slot, const char* extension) const;
    // The committed setting of every layer, for a save record.
    std::array<VNString, kLayerCount> DescribeLayers() const;
    // The event-file load error of a load: the place shows "ロード中".
    void ReportEvtLoadErrorWhileLoading(const VNString& targetFile);

    // The place reports name: file, line and summary of the current event.
    ReportPosition CurrentPosition() const;
    // The main window while it is open, else none.
    platform::WindowHandle ReportOwner() const;

    PlayerEdition edition_;
    std::string gameFolder_;
    Clock& clock_;
    GameRandom random_;
    GameConfig config_;

    bool loadRequested_ = false;
    std::unique_ptr<VNPWindow> window_;
    std::unique_ptr<VNEventFile> eventFile_;
    int32_t programCounter_ = 0;
    VNString eventFileName_{u8"未ロード"};
    int32_t slotToLoad_ = -1; // the slot chosen in the load dialog (save and load unit)
    std::unique_ptr<VNParamFile> global_;
    std::unique_ptr<VNParamFile> local_;
    int32_t charaFadeType_ = 0;
    int32_t charaFadeTime_ = 500;
    int32_t bgFadeType_ = 0;
    int32_t bgFadeTime_ = 1000;
    // Sound: the output, the three music players and what they play.
    std::unique_ptr<platform::SoundOutput> sound_;
    std::unique_ptr<VNCDPlayer> cdPlayer_;
    std::unique_ptr<VNMidiPlayer> midiPlayer_;
    std::unique_ptr<VNMP3Player> mp3Player_;
    int32_t cdTrack_ = 0;
    VNString midiFile_;
    VNString mp3File_;
    VNString saveTitle_;
    VNPDebugLink* debug_ = nullptr;
    bool repeatCurrentEvent_ = false;
    VNString lastStatus_;
    bool delivered_ = false;     // Pump ran since DeliverWhenOverdue last looked
    int64_t lastDeliveryMs_ = 0; // when DeliverWhenOverdue last saw messages delivered

    LayerSet layers_;
    Surface composition_;
    double frameIntervalMs_ = 1000.0 / 60.0;
    FrameObserver frameObserver_;
    ImageExplainer imageExplainer_;
    std::unique_ptr<GlyphSource> font_;  // the message font
    std::unique_ptr<TextRenderer> text_; // draws with it onto the back buffer
    Surface msgBoxImage_;                // empty: the gradient box
    MessageText message_;                // the message on screen
    VNBackLog backlog_;
};
