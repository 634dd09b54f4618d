// The state of one check: the game's files, the event files read so far, the
// declared parameters, the findings, and the event being judged. The run is
// in GameCheck.cpp, the rules for single events in EventRules.cpp.
#pragma once

#include "gamecheck/Finding.h"
#include "gamecheck/GameCheck.h"
#include "gamecheck/GameFiles.h"
#include "graphics/Surface.h"
#include "graphics/TextRenderer.h"
#include "player/config/GameConfig.h"
#include "scenario/OptionRules.h"
#include "scenario/VNEventFile.h"
#include "scenario/VNLoadError.h"

#include <map>
#include <memory>
#include <string>
#include <unordered_map>
#include <unordered_set>

namespace gamecheck {

class GameChecker {
public:
    explicit GameChecker(std::string folder);
    CheckResult Run();

private:
    struct EventFileInfo {
        std::string path;     // native path
        std::string relative; // for the findings
        bool loaded = false;
        VNLoadError error;
        std::unique_ptr<VNEventFile> events;
        // The first label of each name, as FindLabel finds it.
        std::unordered_map<std::string, int32_t> labels;
        bool reached = false;
        bool checked = false;
    };

    // --- the run (GameCheck.cpp) ---
    bool CheckFlagFile(const char* name);
    // Reads the event file at a native path once; later calls give the same.
    EventFileInfo& Open(const std::string& path);
    void FollowJumps(EventFileInfo& start);
    void CheckEventFile(EventFileInfo& file);
    void CheckFolderNames();

    // --- game.ini and messages (MessageRules.cpp) ---
    // Reads game.ini as the player does and notes a file not in Shift-JIS.
    void ReadGameIni();
    // The control characters and the length of a narration or serif, the
    // control characters of a choice's texts; true when one of the texts
    // was found with control characters (`argument`: the first of them).
    bool CheckMessage(const VNEvent& event, int32_t& argument);
    bool CheckControlCharacters(const VNString& text, const std::string& what, bool inChoice);
    void CheckMessageLength(const VNEvent& event);
    // The player's message layout with its font, made at the first message;
    // null when no font can be opened (said once).
    TextRenderer* MessageLayout();

    // --- single events (EventRules.cpp) ---
    void CheckEvent(const EventFileInfo& file, int32_t index);
    // The checks that follow from the arguments' kinds in the event type
    // table: labels defined again, CD tracks and sound files.
    void CheckArgumentKinds(const EventFileInfo& file, int32_t index, const VNEvent& event);
    // A finding for an option problem (none when `problem` is null): an
    // error when the player refuses the event, else a warning.
    void ReportOption(const OptionProblem* problem, Kind kind, const std::string& message);
    void CheckCharacter(const VNEvent& event, const OptionProblems& options);
    void CheckBackground(const VNEvent& event);
    void CheckSelect(const EventFileInfo& file, const VNEvent& event);
    void CheckSetFlag(const VNEvent& event, const OptionProblems& options);
    void CheckJump(const EventFileInfo& file, const VNEvent& event, const OptionProblems& options);
    void CheckSetParam(const VNEvent& event, const OptionProblems& options);
    void CheckBtnSelect(const EventFileInfo& file, const VNEvent& event,
                        const OptionProblems& options);
    void CheckAnime(const VNEvent& event, const OptionProblems& options);
    void CheckSound(const char* folder, const VNString& name);
    void CheckCdTrack(int32_t track);
    void CheckParameter(const VNString& name, const char* role);
    void CheckLocalLabel(const EventFileInfo& file, const VNString& label, const std::string& what);
    // A colour picture under cg/; its facts when the player can read it.
    // `severity` and `after` (words added to the message) are for pictures
    // whose failure the player passes over.
    const ImageFacts* CheckImage(const VNString& name, const std::string& what,
                                 Severity severity = Severity::Error, const char* after = "");
    // The mask of a colour picture (`colour` null when that failed).
    void CheckMask(const VNString& name, const std::string& what, const ImageFacts* colour);
    // The file of a picture; its facts when it exists.
    const ImageFacts* FindImage(const VNString& name, const std::string& what, Severity severity,
                                const char* after);
    // Notes a name that matches its file only in another letter case.
    void CheckLetterCase(const GameFiles::Name& found, const VNString& name, const char* what);

    // --- findings ---
    // At the event being judged.
    void Report(Severity severity, Kind kind, std::string message);
    void ReportFile(Severity severity, Kind kind, const std::string& file, int32_t line,
                    std::string message, std::string summary = {});

    std::string folder_;
    GameFiles files_;
    std::map<std::string, EventFileInfo> eventFiles_; // by native path
    std::unordered_set<std::string> params_;          // declared names (Shift-JIS bytes)
    bool paramsKnown_ = true;                         // both flag-data files loaded
    bool startRead_ = false;                          // start.evt exists and loads
    std::vector<Finding> findings_;

    const EventFileInfo* file_ = nullptr; // the event being judged
    int32_t index_ = -1;

    GameConfig config_; // as the player reads game.ini
    std::string iniRelative_ = "game.ini";
    bool fontTried_ = false;
    std::unique_ptr<GlyphSource> font_; // the player's message font
    Surface unusedTarget_;              // the layout measures only
    std::unique_ptr<TextRenderer> layout_;
};

// A name for a message: the text in double quotes, as UTF-8, with line
// breaks and other control characters written as escapes.
std::string Quote(const VNString& text);
std::string Quote(const std::string& utf8);

} // namespace gamecheck
