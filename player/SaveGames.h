// The 50 save slots: the save and load dialogs, and the three files of a
// save (save<n>.flg, save<n>.sav and global.flg) written and read whole.
#pragma once

#include "scenario/FileStamp.h"

#include <cstdint>
#include <memory>
#include <string>

class PlayerContext;
class Reports;
class VNEventFile;
class VNParamFile;
struct VNSaveRecord;

class SaveGames {
public:
    SaveGames(PlayerContext& context, Reports& reports) : context_(context), reports_(reports) {}

    // The save dialog: the slot chosen, or -1.
    int32_t ChooseSaveSlot();
    // The load dialog; true when a slot to load was chosen (kept until the
    // load is performed).
    bool ChooseLoadSlot();

    // Writes `global`, then `local` as save<slot>.flg, then `record` (its
    // time stamp and the local table's check value filled in) as
    // save<slot>.sav, each replacing its old version only when written
    // whole. False after the report of the first file that failed.
    bool Write(int32_t slot, VNSaveRecord& record, VNParamFile& global, VNParamFile& local);
    // Reads the slot chosen to load: its record, its local parameters and
    // the event file it names (`read` stamps it for vnprobe), the place to
    // resume checked against the file. False after its report.
    bool ReadChosen(VNSaveRecord& record, std::unique_ptr<VNParamFile>& local,
                    std::unique_ptr<VNEventFile>& events, vn::FileStamp& read);

private:
    std::string SlotPath(int32_t slot, const char* extension) const;

    PlayerContext& context_;
    Reports& reports_;
    int32_t slotToLoad_ = -1;
};
