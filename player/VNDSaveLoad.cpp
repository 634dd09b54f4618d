#include "player/VNDSaveLoad.h"

#include "platform/MessageBox.h"
#include "resources/PlayerResources.h"
#include "scenario/VNSaveRecord.h"

namespace id = resources::slot_id;

bool VNDSlotList::OnInit() {
    for (int slot = 0; slot < SAVE_SLOT_COUNT; ++slot) {
        VNSaveRecord record;
        const bool valid = LoadSlot(slotPath_(slot, ".sav"), slotPath_(slot, ".flg"), record);
        hasData_[static_cast<size_t>(slot)] = valid;
        Controls().ListAdd(id::List, SlotLine(slot, valid ? &record : nullptr));
    }
    return true;
}

int VNDSlotList::Run(const char8_t* caption, const char* templateName,
                     platform::WindowHandle parent) {
    slot_ = -1;
    ShowModal(VNString(caption), templateName, parent);
    return slot_;
}

int VNDSlotList::ConfirmedSelection(const char8_t* question) {
    const int selection = Controls().ListGetSelection(id::List);
    if (selection < 0) {
        return -1;
    }
    const int answer =
        platform::ShowMessage(Handle(), VNString(question), VNString(u8"確認"),
                              platform::MsgButtons::YesNo, platform::MsgIcon::Question);
    return answer == platform::IDYES ? selection : -1;
}

void VNDSlotList::ChooseSlot(int slot) {
    slot_ = slot;
    EndDialog(1);
}

int VNDSave::Choose(platform::WindowHandle parent) {
    return Run(u8"セーブ", "IDD_SAVE", parent);
}

void VNDSave::OnCommand(platform::WPARAM wParam, platform::LPARAM lParam) {
    if (platform::LowWord(wParam) != id::SaveButton) {
        VNDSlotList::OnCommand(wParam, lParam); // Cancel ends with no slot
        return;
    }
    const int slot = ConfirmedSelection(u8"セーブします。よろしいですか？");
    if (slot >= 0) {
        ChooseSlot(slot);
    }
}

int VNDLoad::Choose(platform::WindowHandle parent) {
    return Run(u8"ロード", "IDD_LOAD", parent);
}

void VNDLoad::OnCommand(platform::WPARAM wParam, platform::LPARAM lParam) {
    if (platform::LowWord(wParam) != id::LoadButton) {
        VNDSlotList::OnCommand(wParam, lParam);
        return;
    }
    const int selection = Controls().ListGetSelection(id::List);
    if (selection < 0 || !HasData(selection)) {
        return; // an empty slot cannot be loaded: nothing is asked
    }
    const int slot = ConfirmedSelection(u8"ロードします。よろしいですか？");
    if (slot >= 0) {
        ChooseSlot(slot);
    }
}
