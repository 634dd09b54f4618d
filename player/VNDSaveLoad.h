// The save and load dialogs: one line per save slot, its time stamp and
// save title when the slot holds a valid record, else NO DATA; a button
// that takes the selected slot after a confirmation.
#pragma once

#include "scenario/SaveSlots.h"
#include "window/VNDialog.h"

#include <array>
#include <functional>
#include <string>

// What the two dialogs share: the lines, filled when the dialog opens, and
// the chosen slot.
class VNDSlotList : public VNDialog {
public:
    // `slotPath` gives the native path of a slot's file with the extension
    // given (".sav" or ".flg").
    explicit VNDSlotList(std::function<std::string(int, const char*)> slotPath)
        : slotPath_(std::move(slotPath)) {}

    bool OnInit() override;
    // Whether the slot held a valid record when the dialog opened.
    bool HasData(int slot) const { return hasData_[static_cast<size_t>(slot)]; }

protected:
    // Runs the dialog; the slot it ended with, or -1.
    int Run(const char8_t* caption, const char* templateName, platform::WindowHandle parent);
    // The selected line when the user confirms `question`, else -1.
    int ConfirmedSelection(const char8_t* question);
    void ChooseSlot(int slot);

private:
    std::function<std::string(int, const char*)> slotPath_;
    std::array<bool, SAVE_SLOT_COUNT> hasData_{};
    int slot_ = -1;
};

// "セーブ": any slot may be chosen, holding data or not.
class VNDSave : public VNDSlotList {
public:
    using VNDSlotList::VNDSlotList;
    int Choose(platform::WindowHandle parent);
    void OnCommand(platform::WPARAM wParam, platform::LPARAM lParam) override;
};

// "ロード": only a slot that holds data can be chosen; an empty one asks
// nothing and the dialog stays open.
class VNDLoad : public VNDSlotList {
public:
    using VNDSlotList::VNDSlotList;
    int Choose(platform::WindowHandle parent);
    void OnCommand(platform::WPARAM wParam, platform::LPARAM lParam) override;
};
