#include "gamecheck/GameCheck.h"

#include "gamecheck/private/GameChecker.h"
#include "scenario/Summary.h"
#include "scenario/VNParamFile.h"
#include "scenario/VNString.h"

#include <sys/stat.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <deque>
#include <vector>

namespace gamecheck {
namespace {

bool HasEvtSuffix(const std::string& path) {
    if (path.size() < 4)
        return false;
    std::string suffix = path.substr(path.size() - 4);
    std::transform(suffix.begin(), suffix.end(), suffix.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return suffix == ".evt";
}

bool IsRegularFile(const std::string& path) {
    struct stat info;
    return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

// A jump that names another event file (not the "LOAD" and "SAVE" dialogs).
bool NamesEventFile(const VNEvent& event) {
    if (event.GetCode() != EVENTCODE_JUMP)
        return false;
    const VNString& file = event.GetString(0);
    return !file.IsEmpty() && file != VNString("LOAD") && file != VNString("SAVE");
}

// After these events the player never goes on to the next one: it jumps,
// or stops the game with a report.
bool AlwaysLeaves(const VNEvent& event) {
    if (event.GetCode() == EVENTCODE_JUMP)
        return event.GetInt(2) == 0 && event.GetString(0) != VNString("LOAD") &&
               event.GetString(0) != VNString("SAVE");
    return HasEventFlag(event.GetDescriptor(), kOffersChoice);
}

const char* LeavingWhat(const VNEvent& event) {
    return HasEventFlag(event.GetDescriptor(), kOffersChoice) ? "the choice"
                                                              : "the unconditional jump";
}

} // namespace

int32_t CheckResult::Errors() const {
    return static_cast<int32_t>(std::count_if(findings.begin(), findings.end(), [](const auto& f) {
        return f.severity == Severity::Error;
    }));
}

CheckResult CheckGame(const std::string& folder) {
    return GameChecker(folder).Run();
}

GameChecker::GameChecker(std::string folder) : folder_(std::move(folder)), files_(folder_) {}

CheckResult GameChecker::Run() {
    CheckResult result;
    struct stat info;
    if (stat(folder_.empty() ? "." : folder_.c_str(), &info) != 0) {
        result.isGame = false;
        result.notGameReason = std::strerror(errno);
        return result;
    }
    if (!S_ISDIR(info.st_mode)) {
        result.isGame = false;
        result.notGameReason = "it is not a folder";
        return result;
    }
    if (!files_.HasFolder("event") && !files_.HasFolder("save")) {
        result.isGame = false;
        result.notGameReason = "it holds neither an event nor a save folder";
        return result;
    }

    ReadGameIni();
    const bool globalLoaded = CheckFlagFile("global.flg");
    const bool localLoaded = CheckFlagFile("local.flg");
    paramsKnown_ = globalLoaded && localLoaded;

    const VNString startName("event\\start.evt");
    const GameFiles::Name& start = files_.Resolve(startName);
    if (!start.exists) {
        ReportFile(Severity::Error, Kind::GameFile, "event/start.evt", 0,
                   "the game's first event file is missing; the player cannot start");
    } else {
        if (start.caseDiffers)
            ReportFile(Severity::Warning, Kind::LetterCase, start.relative, 0,
                       "the first event file is found only in another letter case (the player "
                       "looks for event/start.evt)");
        EventFileInfo& first = Open(start.path);
        // Without a start there is no telling which files the game reaches.
        startRead_ = first.loaded;
        FollowJumps(first);
    }

    // Every event file is checked, also those the game never comes to.
    files_.ForEachEntry("event", [&](const std::string& path) {
        if (HasEvtSuffix(path) && IsRegularFile(path))
            Open(path);
    });
    CheckFolderNames();
    // Checking a jump may read a file that nothing else named; it is
    // checked too.
    for (bool more = true; more;) {
        more = false;
        for (auto& entry : eventFiles_) {
            if (!entry.second.checked) {
                entry.second.checked = true;
                CheckEventFile(entry.second);
                more = true;
            }
        }
    }

    SortFindings(findings_);
    result.findings = std::move(findings_);
    return result;
}

bool GameChecker::CheckFlagFile(const char* name) {
    const VNString windowsName = VNString("save\\") + VNString(name);
    const GameFiles::Name& found = files_.Resolve(windowsName);
    const std::string relative = std::string("save/") + name;
    if (!found.exists) {
        ReportFile(Severity::Error, Kind::GameFile, relative, 0,
                   "the flag-data file is missing; the player cannot start (and parameters are "
                   "not checked)");
        return false;
    }
    if (found.caseDiffers)
        ReportFile(Severity::Warning, Kind::LetterCase, found.relative, 0,
                   "the flag-data file is found only in another letter case (the player looks "
                   "for " +
                       relative + ")");
    VNParamFile params;
    VNLoadError why;
    if (!params.Load(found.path, &why)) {
        ReportFile(Severity::Error, Kind::GameFile, found.relative, 0,
                   "the flag-data file does not load: " + why.Describe() +
                       "; the player cannot start (and parameters are not checked)");
        return false;
    }
    for (int32_t n = 0; n < params.GetCount(); ++n) {
        VNString param;
        params.GetName(n, param);
        params_.insert(param.Bytes());
    }
    return true;
}

GameChecker::EventFileInfo& GameChecker::Open(const std::string& path) {
    const auto [it, inserted] = eventFiles_.try_emplace(path);
    EventFileInfo& file = it->second;
    if (!inserted)
        return file;
    file.path = path;
    file.relative = files_.Relative(path);
    file.events = std::make_unique<VNEventFile>();
    file.loaded = file.events->Load(path, &file.error);
    if (!file.loaded) {
        file.events->Clear(); // the player discards a file that does not load whole
        return file;
    }
    for (int32_t n = 0; n < file.events->GetCount(); ++n) {
        const VNEvent& event = *file.events->Get(n);
        if (event.GetCode() == EVENTCODE_LABEL)
            file.labels.try_emplace(event.GetString(0).Bytes(), n);
    }
    return file;
}

void GameChecker::FollowJumps(EventFileInfo& start) {
    start.reached = true;
    std::deque<EventFileInfo*> waiting{&start};
    while (!waiting.empty()) {
        const EventFileInfo& file = *waiting.front();
        waiting.pop_front();
        for (int32_t n = 0; n < file.events->GetCount(); ++n) {
            const VNEvent& event = *file.events->Get(n);
            if (!NamesEventFile(event))
                continue;
            const GameFiles::Name& target =
                files_.Resolve(VNString("event\\") + event.GetString(0));
            if (!target.exists)
                continue;
            EventFileInfo& next = Open(target.path);
            if (!next.reached) {
                next.reached = true;
                waiting.push_back(&next);
            }
        }
    }
}

void GameChecker::CheckEventFile(EventFileInfo& file) {
    if (!file.loaded) {
        const bool inEvent = file.error.place == VNLoadError::Place::Event;
        ReportFile(Severity::Error, Kind::EventFile, file.relative,
                   inEvent ? file.error.index + 1 : 0,
                   "the event file does not load: " + file.error.Describe());
        return;
    }
    if (!file.reached && startRead_)
        ReportFile(Severity::Warning, Kind::Unreached, file.relative, 0,
                   "no jump leads to this event file from start.evt");

    // Events after a jump or choice that always leaves, up to the next
    // label, are never performed; comments among them do not count.
    const VNEvent* leaving = nullptr;
    int32_t leavingLine = 0;
    bool toldOfRun = false;
    for (int32_t n = 0; n < file.events->GetCount(); ++n) {
        const VNEvent& event = *file.events->Get(n);
        file_ = &file;
        index_ = n;
        CheckEvent(file, n);
        if (event.GetCode() == EVENTCODE_LABEL) {
            leaving = nullptr;
        } else if (leaving && !toldOfRun && event.GetCode() != EVENTCODE_COMMENT) {
            Report(Severity::Warning, Kind::Unreached,
                   std::string("this event is never reached: ") + LeavingWhat(*leaving) +
                       " at line " + std::to_string(leavingLine) +
                       " leaves before it and no label leads to it");
            toldOfRun = true;
        }
        if (AlwaysLeaves(event)) {
            leaving = &event;
            leavingLine = n + 1;
            toldOfRun = false;
        }
    }
    file_ = nullptr;
    index_ = -1;
}

void GameChecker::CheckFolderNames() {
    for (const char* folder : {"event", "cg", "pcm", "midi", "mp3", "vorbis", "cdda"}) {
        files_.ForEachEntry(folder, [&](const std::string& path) {
            const size_t slash = path.find_last_of('/');
            const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
            if (!NameHasShiftJisForm(name))
                ReportFile(Severity::Warning, Kind::FileName, files_.Relative(path), 0,
                           "the name has characters without a Shift-JIS form (or is not UTF-8), "
                           "so event data cannot name this file");
        });
    }
}

void GameChecker::Report(Severity severity, Kind kind, std::string message) {
    const VNEvent& event = *file_->events->Get(index_);
    std::u16string summary = Summary(event).Wide();
    // Long texts are cut: the summary only helps to recognise the event.
    constexpr size_t kSummaryChars = 40;
    if (summary.size() > kSummaryChars)
        summary = summary.substr(0, kSummaryChars) + u"…";
    ReportFile(severity, kind, file_->relative, index_ + 1, std::move(message),
               VNString::FromWide(summary).ToUtf8Lossy());
}

void GameChecker::ReportFile(Severity severity, Kind kind, const std::string& file, int32_t line,
                             std::string message, std::string summary) {
    findings_.push_back({severity, kind, file, line, std::move(message), std::move(summary)});
}

} // namespace gamecheck
