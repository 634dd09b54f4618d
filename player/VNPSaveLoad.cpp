// Saving to and loading from the 50 slots: the dialogs behind the menu
// commands and the save point, the three files of a save, and a load that
// brings back the event file, the position, the parameters, the music and
// the screen.
#include "player/VNDSaveLoad.h"
#include "player/VNPDebugLink.h"
#include "player/VNPlayer.h"
#include "scenario/SaveSlots.h"
#include "scenario/VNEventFile.h"
#include "scenario/VNParamFile.h"
#include "scenario/VNSaveRecord.h"

#include <ctime>

static_assert(VNSaveRecord::kLayerCount == kLayerCount, "a record holds every layer");

namespace {

// "save<n>" + extension, as the reports name the slot's files.
VNString SlotFileName(int32_t slot, const char* extension) {
    return VNString("save") + VNString(slot) + VNString(extension);
}

VNString NowStamp() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return SaveTimeStamp(local);
}

} // namespace

std::string VNPlayer::SlotPath(int32_t slot, const char* extension) const {
    return GamePathOf(VNString("save\\") + SlotFileName(slot, extension));
}

void VNPlayer::OpenSaveDialog() {
    OpenSaveDialog(programCounter_);
}

void VNPlayer::OpenSaveDialog(int32_t resumeAt) {
    VNDSave dialog([this](int slot, const char* extension) { return SlotPath(slot, extension); });
    const int slot = dialog.Choose(ReportOwner());
    if (slot >= 0) {
        Save(slot, resumeAt); // a failed save has been reported; the game goes on
    }
}

bool VNPlayer::OpenLoadDialog() {
    VNDLoad dialog([this](int slot, const char* extension) { return SlotPath(slot, extension); });
    const int slot = dialog.Choose(ReportOwner());
    if (slot < 0) {
        return false;
    }
    slotToLoad_ = slot; // kept until the load is performed
    return true;
}

bool VNPlayer::Save(int32_t slot, int32_t resumeAt) {
    const std::array<VNString, kLayerCount> layers = DescribeLayers();

    // Each file replaces its old version only once written whole, so a
    // failure leaves it as it was; files written before the failure stay.
    // The global parameters go first: a save cut short then leaves the slot
    // as it was (whole) beside global parameters at least as new as any
    // slot's, never a new slot beside older global parameters. The record
    // goes last and keeps the check value of the local parameters written
    // beside it, so a slot whose two files do not belong together is seen.
    if (!global_->Save(GamePathOf(VNString("save\\global.flg")))) {
        ReportSaveError(VNString(u8"global.flg に書き込めませんでした。"));
        return false;
    }
    uint32_t localCheck = 0;
    if (!local_->Save(SlotPath(slot, ".flg")) ||
        !ParamFileCheckOf(SlotPath(slot, ".flg"), localCheck)) {
        ReportSaveError(SlotFileName(slot, ".flg") + VNString(u8" に書き込めませんでした。"));
        return false;
    }
    VNSaveRecord record;
    record.timeStamp = NowStamp();
    record.eventFile = eventFileName_;
    record.programCounter = resumeAt;
    record.title = saveTitle_.PrefixBytes(VNSaveRecord::kMaxTextBytes);
    record.layers = layers;
    record.fades = {charaFadeType_, charaFadeTime_, bgFadeType_, bgFadeTime_};
    record.midiFile = midiFile_;
    record.mp3File = mp3File_;
    record.cdTrack = cdTrack_;
    record.localCheck = localCheck;
    if (!record.Save(SlotPath(slot, ".sav"))) {
        ReportSaveError(SlotFileName(slot, ".sav") + VNString(u8" に書き込めませんでした。"));
        return false;
    }
    return true;
}

bool VNPlayer::PerformLoad() {
    const int32_t slot = slotToLoad_;
    VNSaveRecord record;
    if (!LoadSlot(SlotPath(slot, ".sav"), SlotPath(slot, ".flg"), record)) {
        ReportLoadError(SlotFileName(slot, ".sav") + VNString(u8" のロードに失敗しました。"));
        return false;
    }
    auto local = std::make_unique<VNParamFile>();
    if (!local->Load(SlotPath(slot, ".flg"))) {
        ReportLoadError(SlotFileName(slot, ".flg") + VNString(u8" のロードに失敗しました。"));
        return false;
    }
    const std::string eventPath = GamePathOf(VNString("event\\") + record.eventFile);
    const vn::FileStamp read = debug_ ? vn::FileStamp::Take(eventPath) : vn::FileStamp();
    auto events = std::make_unique<VNEventFile>();
    if (!events->Load(eventPath)) {
        ReportEvtLoadErrorWhileLoading(record.eventFile);
        return false;
    }
    // The place to resume must lie in the file (its end included: a save
    // point that was the file's last event resumes where the file ends).
    if (record.programCounter < 0 || record.programCounter > events->GetCount()) {
        ReportLoadError(SlotFileName(slot, ".sav") + VNString(u8" のロードに失敗しました。"));
        return false;
    }

    eventFileName_ = record.eventFile;
    eventFile_ = std::move(events);
    programCounter_ = record.programCounter;
    local_ = std::move(local);
    saveTitle_ = record.title;
    charaFadeType_ = record.fades[0];
    charaFadeTime_ = record.fades[1];
    bgFadeType_ = record.fades[2];
    bgFadeTime_ = record.fades[3];
    if (debug_) {
        // The debug window drops its hold on the old file and table before
        // anything below delivers messages that could repaint it.
        debug_->SetParamTables(global_.get(), local_.get());
        debug_->SetRunningFile(eventFileName_, eventFile_.get(), read);
        debug_->SetPosition(eventFileName_, eventFile_.get(), programCounter_);
    }

    RestartMusic(record);
    // The saved picture returns over a second; the message box waits for the
    // event that was on screen, which runs again.
    RestoreAfterLoad(record.layers);
    Pump();
    SetStatus(VNString(u8"ロードしました。"));
    return true;
}

std::array<VNString, kLayerCount> VNPlayer::DescribeLayers() const {
    std::array<VNString, kLayerCount> settings;
    for (int32_t i = 0; i < kLayerCount; ++i) {
        settings[static_cast<size_t>(i)] = GetLayer(i).Describe();
    }
    return settings;
}
