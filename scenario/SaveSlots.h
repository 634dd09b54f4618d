// The 50 save slots of a game as the save and load dialogs list them: a slot
// holds data when its record reads back and, for records that keep one, the
// check value of its local parameter file matches that file, so that a slot
// whose two files come from different saves (a save cut short) counts as
// damaged instead of resuming one save's place with another's parameters.
#pragma once

#include "scenario/VNSaveRecord.h"
#include "scenario/VNString.h"

#include <cstdint>
#include <string>
#include <string_view>

constexpr int SAVE_SLOT_COUNT = 50;

// The check value of a local parameter file's bytes: 32-bit FNV-1a.
uint32_t ParamFileCheck(std::string_view bytes);
// The check value of the file at `path`; false when it cannot be read.
bool ParamFileCheckOf(const std::string& path, uint32_t& check);

// Reads the record at `recordPath` and checks it against the local
// parameter file at `paramPath`; false for an empty or damaged slot.
bool LoadSlot(const std::string& recordPath, const std::string& paramPath, VNSaveRecord& record);

// The dialogs' line for slot `slot`: "データ" and the number, then the time
// stamp and the title (cut to a line's worth) for a slot with data, else
// " --------- NO DATA ---------". `record` is null for an empty slot.
VNString SlotLine(int slot, const VNSaveRecord* record);
