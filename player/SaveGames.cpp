#include "player/SaveGames.h"

#include "graphics/Layer.h"
#include "player/PlayerContext.h"
#include "player/Reports.h"
#include "player/VNDSaveLoad.h"
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

std::string SaveGames::SlotPath(int32_t slot, const char* extension) const {
    return context_.GamePathOf(VNString("save\\") + SlotFileName(slot, extension));
}

int32_t SaveGames::ChooseSaveSlot() {
    VNDSave dialog([this](int slot, const char* extension) { return SlotPath(slot, extension); });
    return dialog.Choose(context_.DialogOwner());
}

bool SaveGames::ChooseLoadSlot() {
    VNDLoad dialog([this](int slot, const char* extension) { return SlotPath(slot, extension); });
    const int slot = dialog.Choose(context_.DialogOwner());
    if (slot < 0) {
        return false;
    }
    slotToLoad_ = slot; // kept until the load is performed
    return true;
}

bool SaveGames::Write(int32_t slot, VNSaveRecord& record, VNParamFile& global, VNParamFile& local) {
    // Each file replaces its old version only once written whole, so a
    // failure leaves it as it was; files written before the failure stay.
    // The global parameters go first: a save cut short then leaves the slot
    // as it was (whole) beside global parameters at least as new as any
    // slot's, never a new slot beside older global parameters. The record
    // goes last and keeps the check value of the local parameters written
    // beside it, so a slot whose two files do not belong together is seen.
    if (!global.Save(context_.GamePathOf(VNString("save\\global.flg")))) {
        reports_.ReportSaveError(VNString(u8"global.flg に書き込めませんでした。"));
        return false;
    }
    uint32_t localCheck = 0;
    if (!local.Save(SlotPath(slot, ".flg")) ||
        !ParamFileCheckOf(SlotPath(slot, ".flg"), localCheck)) {
        reports_.ReportSaveError(SlotFileName(slot, ".flg") +
                                 VNString(u8" に書き込めませんでした。"));
        return false;
    }
    record.timeStamp = NowStamp();
    record.localCheck = localCheck;
    if (!record.Save(SlotPath(slot, ".sav"))) {
        reports_.ReportSaveError(SlotFileName(slot, ".sav") +
                                 VNString(u8" に書き込めませんでした。"));
        return false;
    }
    return true;
}

bool SaveGames::ReadChosen(VNSaveRecord& record, std::unique_ptr<VNParamFile>& local,
                           std::unique_ptr<VNEventFile>& events, vn::FileStamp& read) {
    const int32_t slot = slotToLoad_;
    if (!LoadSlot(SlotPath(slot, ".sav"), SlotPath(slot, ".flg"), record)) {
        reports_.ReportLoadError(SlotFileName(slot, ".sav") +
                                 VNString(u8" のロードに失敗しました。"));
        return false;
    }
    local = std::make_unique<VNParamFile>();
    if (!local->Load(SlotPath(slot, ".flg"))) {
        reports_.ReportLoadError(SlotFileName(slot, ".flg") +
                                 VNString(u8" のロードに失敗しました。"));
        return false;
    }
    const std::string eventPath = context_.GamePathOf(VNString("event\\") + record.eventFile);
    read = context_.Debug() ? vn::FileStamp::Take(eventPath) : vn::FileStamp();
    events = std::make_unique<VNEventFile>();
    if (!events->Load(eventPath)) {
        reports_.ReportEvtLoadErrorWhileLoading(record.eventFile);
        return false;
    }
    // The place to resume must lie in the file (its end included: a save
    // point that was the file's last event resumes where the file ends).
    if (record.programCounter < 0 || record.programCounter > events->GetCount()) {
        reports_.ReportLoadError(SlotFileName(slot, ".sav") +
                                 VNString(u8" のロードに失敗しました。"));
        return false;
    }
    return true;
}
