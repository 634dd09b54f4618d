// The save record of one slot (save/save<n>.sav): where the game stood, its
// save title, the screen and the music, as 23 tagged items.
//
//   1      string   "savedata"
//   2      string   the time of the save, as the dialogs show it
//   3      string   the current event file, relative to event/
//   4      integer  the index of the event being performed
//   5      string   the save title
//   6-16   strings  the committed setting of layers 0 to 10
//   17-20  integers the four fade settings (chara type, chara ms, bg type, bg ms)
//   21     string   the MIDI file playing, empty for none
//   22     string   the MP3 file playing, empty for none
//   23     integer  the CD track playing, 0 for none
//
// A record counts only when all 23 items read back and the first holds the
// magic; a short or damaged record is refused whole, and reading it never
// allocates more than the file holds.
#pragma once

#include "scenario/VNString.h"

#include <array>
#include <cstdint>
#include <ctime>
#include <string>

class VNFileReader;
class VNFileWriter;

struct VNSaveRecord {
    static constexpr int kLayerCount = 11;
    static constexpr int kFadeCount = 4;
    static constexpr const char* kMagic = "savedata";

    VNString timeStamp;
    VNString eventFile;
    int32_t programCounter = 0;
    VNString title;
    std::array<VNString, kLayerCount> layers;
    std::array<int32_t, kFadeCount> fades{};
    VNString midiFile;
    VNString mp3File;
    int32_t cdTrack = 0;

    // Replaces the file at `path` only once the whole record is written.
    bool Save(const std::string& path) const;
    bool Save(VNFileWriter& writer) const;
    // True for a valid record; on false the fields hold nothing reliable.
    bool Load(const std::string& path);
    bool Load(VNFileReader& reader);
};

// The time stamp of a save made at `local` (local time): "%m月%d日%H時%M分"
// in Shift-JIS, for example "03月07日09時05分".
VNString SaveTimeStamp(const std::tm& local);
