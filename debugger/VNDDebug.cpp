#include "debugger/VNDDebug.h"

#include "debugger/VNDEventList.h"
#include "debugger/VNDLoadEventFile.h"
#include "debugger/VNDParamList.h"
#include "debugger/WatchWindow.h"
#include "eventeditor/VNEventEditDlg.h"
#include "graphics/PngReader.h"
#include "platform/Application.h"
#include "player/VNDReports.h"
#include "player/VNPWindow.h"
#include "resources/BreakpointResources.h"
#include "resources/DebuggerResources.h"
#include "resources/PlayerResources.h"
#include "scenario/GamePath.h"
#include "scenario/ScriptText.h"
#include "scenario/VNEventFile.h"

using namespace platform;
namespace id = resources::debug_id;
namespace cmd = resources::player_cmd;

namespace {

// The colour around a face that is smaller than its button.
constexpr uint32_t kButtonFace = 0xECE9E2;

const char8_t* TitleOf(int32_t state) {
    switch (state) {
    case DEBUG_STATE_ONE_STEP:
        return u8"[イベントを１つ実行中] - デバッグウィンドウ -";
    case DEBUG_STATE_PLAYING:
        return u8"[プレイ中] - デバッグウィンドウ -";
    default:
        return u8"[一時停止中] - デバッグウィンドウ -";
    }
}

} // namespace

VNDDebug::VNDDebug(std::string gameFolder)
    : gameFolder_(std::move(gameFolder)), running_(gameFolder_) {
    LoadStops();
}

VNDDebug::~VNDDebug() {
    End();
}

void VNDDebug::SetMainWindow(VNPWindow* window) {
    main_ = window;
}

void VNDDebug::SetPosition(const VNString& fileName, VNEventFile* events, int32_t index) {
    fileName_ = fileName;
    events_ = events;
    lineNumber_ = index + 1;
    // The interpreter stands where it says: a file the author chose during a
    // pause that ended another way (a load) is dropped.
    if (replacement_ && replacement_.get() != events) {
        replacement_.reset();
    }
    // A file the player did not announce through SetRunningFile is taken
    // as it is on disk now.
    if (events != running_.Events()) {
        running_.Read(fileName, events,
                      vn::FileStamp::Take(GamePath(gameFolder_, VNString("event\\") + fileName)));
    }
    if (state_ == DEBUG_STATE_PLAYING) {
        CheckBreakpoint(events, index);
    }
}

void VNDDebug::Refresh() {
    if (!statusSet_) {
        status_ = VNString();
    }
    statusSet_ = false;
    eventText_ = NextEventText();
    if (state_ == DEBUG_STATE_PAUSED) {
        UpdateWatches();
        FillFields();
    } else {
        FillFieldsSoon();
    }
}

void VNDDebug::SetState(int32_t state) {
    const int32_t before = state_;
    state_ = state;
    StopsSeeState(before);
    if (IsVisible()) {
        ApplyState();
        Controls().SetVisible(true);
    }
}

void VNDDebug::EnableNavigation(bool enabled) {
    navigation_ = enabled;
    ApplyNavigation();
    if (enabled) {
        ReloadIfChanged(); // the file may have been saved while the game ran
    }
}

void VNDDebug::TakePosition(VNString& fileName, std::unique_ptr<VNEventFile>& replacement,
                            int32_t& index) {
    fileName = fileName_;
    if (replacement_) {
        replacement = std::move(replacement_);
    }
    index = lineNumber_ - 1;
}

void VNDDebug::SetStatus(const VNString& text) {
    status_ = text;
    statusSet_ = true;
}

void VNDDebug::SetReadMark(ReadMark mark) {
    readMark_ = mark;
    FillFieldsSoon();
}

VNString VNDDebug::ShownStatus() const {
    switch (readMark_) {
    case ReadMark::Read:
        return status_ + VNString(u8"（既読）");
    case ReadMark::Unread:
        return status_ + VNString(u8"（未読）");
    case ReadMark::None:
        break;
    }
    return status_;
}

void VNDDebug::SetRunningFile(const VNString& fileName, VNEventFile* events,
                              const vn::FileStamp& read) {
    fileName_ = fileName;
    events_ = events;
    running_.Read(fileName, events, read);
    gateEvents_ = nullptr;
}

bool VNDDebug::ConfirmDropEdits(WindowHandle owner) {
    return running_.ConfirmDiscard(owner);
}

void VNDDebug::SaveEditsBeforeEnd(WindowHandle owner) {
    running_.SaveBeforeEnd(owner);
}

void VNDDebug::SetParamTables(VNParamFile* global, VNParamFile* local) {
    global_ = global;
    local_ = local;
    gateEvents_ = nullptr; // conditions find their parameters anew
}

void VNDDebug::Show(bool visible) {
    if (!visible) {
        if (watchWindow_) {
            watchWindow_->OnClose();
        }
        End();
        return;
    }
    if (!IsVisible()) {
        const WindowHandle owner = main_ && main_->IsOpen() ? main_->Handle() : nullptr;
        if (!ShowModeless(VNString(u8"デバッグウィンドウ"), "IDD_DEBUG", owner)) {
            return;
        }
        Controls().PlaceBesideParent();
    }
    Controls().SetVisible(true);
    ApplyState();
    ApplyNavigation();
    FillFields();
}

void VNDDebug::EditParameters(bool global) {
    VNParamFile* table = global ? global_ : local_;
    if (!table) {
        return;
    }
    VNDParamList list(*table);
    const WindowHandle owner = main_ && main_->IsOpen() ? main_->Handle() : Handle();
    list.Run(VNString(global ? u8"グローバルパラメタ global.flg" : u8"ローカルパラメタ local.flg"),
             owner);
}

bool VNDDebug::OnInit() {
    LoadFaces();
    return true;
}

void VNDDebug::OnClose() {
    // The close box hides the window like the menu item, which takes its
    // check mark away.
    if (main_ && main_->IsOpen()) {
        main_->OnCommand(cmd::DebugWindow, 0);
    } else {
        Show(false);
    }
}

void VNDDebug::OnCommand(WPARAM wParam, LPARAM /*lParam*/) {
    switch (LowWord(wParam)) {
    case id::Play:
        if (main_) {
            main_->OnCommand(cmd::DebugPlay, 0);
        }
        break;
    case id::Pause:
        if (main_) {
            main_->OnCommand(cmd::DebugPause, 0);
        }
        break;
    case id::Step:
        if (main_) {
            main_->OnCommand(cmd::DebugStep, 0);
        }
        break;
    case id::ChooseFile:
        JumpToFile();
        break;
    case id::ChooseLine:
        OpenEventList();
        break;
    case id::EditEvent:
        EditNextEvent();
        break;
    case resources::break_id::Watches:
        OpenWatches();
        break;
    case resources::IDCANCEL:
        // Escape: as the close box.
        OnClose();
        break;
    default:
        // Enter presses nothing: the window has no default button.
        break;
    }
}

void VNDDebug::OnDrawItem(int controlId, DrawItem& item) {
    int first = 0;
    switch (controlId) {
    case id::Play:
        first = 0;
        break;
    case id::Pause:
        first = 3;
        break;
    case id::Step:
        first = 6;
        break;
    default:
        return;
    }
    const Face& face = faces_[first + (item.disabled ? 2 : item.pushed ? 1 : 0)];
    item.canvas->Fill(0, 0, item.width, item.height, kButtonFace);
    if (!face.pixels.empty()) {
        item.canvas->Picture(0, 0, face.pixels.data(), face.width, face.height);
    }
    item.drawn = true;
}

void VNDDebug::LoadFaces() {
    if (facesLoaded_) {
        return;
    }
    facesLoaded_ = true;
    const Application* app = Application::Current();
    if (!app) {
        return;
    }
    const resources::ButtonIconNames* sets[] = {&resources::kPlayIcons, &resources::kPauseIcons,
                                                &resources::kStepIcons};
    size_t n = 0;
    for (const resources::ButtonIconNames* names : sets) {
        for (const char* name : {names->normal, names->down, names->disabled}) {
            Face& face = faces_[n++];
            const resources::IconSpec* icon = app->Resources().FindIcon(name);
            if (!icon || icon->images.empty()) {
                continue;
            }
            const resources::IconImage& image = icon->images.front();
            Surface surface;
            if (!ReadPngColour({image.png, image.length}, surface)) {
                continue;
            }
            face.width = surface.Width();
            face.height = surface.Height();
            for (int32_t y = 0; y < face.height; ++y) {
                const uint32_t* row = surface.ScreenRow(y);
                face.pixels.insert(face.pixels.end(), row, row + face.width);
            }
        }
    }
}

void VNDDebug::ApplyState() {
    if (!IsVisible()) {
        return;
    }
    DialogHost& c = Controls();
    c.SetCaption(VNString(TitleOf(state_)));
    const bool paused = state_ == DEBUG_STATE_PAUSED;
    c.EnableControl(id::Play, paused);
    c.EnableControl(id::Pause, !paused);
    c.EnableControl(id::Step, paused);
    for (int button : {id::Play, id::Pause, id::Step}) {
        c.RedrawControl(button);
    }
}

void VNDDebug::ApplyNavigation() {
    if (!IsVisible()) {
        return;
    }
    for (int button : {id::ChooseFile, id::ChooseLine, id::EditEvent}) {
        Controls().EnableControl(button, navigation_);
    }
}

void VNDDebug::FillFieldsSoon() {
    if (IsVisible() && !fillTimer_.IsActive()) {
        fillTimer_.Start(0, [this] { FillFields(); });
    }
}

void VNDDebug::FillFields() {
    fillTimer_.Stop();
    if (!IsVisible()) {
        return;
    }
    DialogHost& c = Controls();
    c.SetText(id::FileName, fileName_);
    c.SetText(id::LineNumber, VNString(lineNumber_));
    c.SetText(id::EventText, eventText_);
    c.SetText(id::Status, ShownStatus());
}

VNString VNDDebug::NextEventText() const {
    const int32_t index = lineNumber_ - 1;
    if (!events_ || index < 0 || index >= events_->GetCount()) {
        return VNString();
    }
    return ToDebugScriptLine(*events_->Get(index));
}

void VNDDebug::JumpToFile() {
    if (!navigation_) {
        return;
    }
    VNDLoadEventFile chooser(fileName_, GamePath(gameFolder_, VNString("event")));
    if (!chooser.Run(Handle())) {
        return;
    }
    const VNString name = chooser.Name();
    // Edits of the file left behind (or read anew) are saved or dropped
    // first; staying changes nothing.
    if (!running_.ConfirmDiscard(Handle())) {
        return;
    }
    const std::string path = GamePath(gameFolder_, VNString("event\\") + name);
    const vn::FileStamp read = vn::FileStamp::Take(path);
    // The new file is read completely before it replaces the current one.
    auto events = std::make_unique<VNEventFile>();
    if (!events->Load(path)) {
        const ReportPosition place{fileName_, VNString(lineNumber_),
                                   VNString(u8"デバッガによるジャンプ")};
        VNDEvtLoadError(PlayerEdition::Probe, place, name, VNString()).Show(Handle());
        return;
    }
    // The interpreter's own file stays untouched until it takes the new one
    // when the pause ends; an earlier choice not yet taken goes now.
    replacement_ = std::move(events);
    events_ = replacement_.get();
    fileName_ = name;
    running_.Read(name, events_, read);
    lineNumber_ = 1;
    Refresh();
}

void VNDDebug::OpenEventList() {
    if (!navigation_ || !events_ || running_.Events() != events_) {
        return;
    }
    VNDEventList list(running_, lineNumber_ - 1, breakpoints_, [this] { SaveStops(); });
    list.Run(Handle());
    // The next event moved with insertions and deletions before it.
    lineNumber_ = (list.JumpIndex() != -1 ? list.JumpIndex() : list.NextIndex()) + 1;
    // The list may have changed the next event too.
    eventText_ = NextEventText();
    FillFields();
    if (list.RunToChosen() && main_) {
        main_->OnCommand(cmd::DebugPlay, 0);
    }
}

void VNDDebug::EditNextEvent() {
    const int32_t index = lineNumber_ - 1;
    if (!navigation_ || !events_ || index < 0 || index >= events_->GetCount()) {
        return;
    }
    if (VNEventEditDlg(Handle(), EventDialogSet::Probe).Edit(events_->Get(index))) {
        running_.MarkEdited();
        eventText_ = NextEventText();
        FillFields();
    }
}
