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
//   24     integer  the check value of the slot's save<n>.flg as written with
//                   this record (records made before it was kept end at 23;
//                   other bytes after item 23 are ignored, as they always were)
//
// A record counts only when all 23 items read back and the first holds the
// magic; a short or damaged record is refused whole, and reading it never
// allocates more than the file holds. Its texts are bounded: a title or a
// file name longer than kMaxTextBytes, or a layer setting longer than
// kMaxLayerBytes, makes the record invalid (no layer setting the player
// makes comes near it, and a title is cut to the bound when saved).
#pragma once

#include "scenario/VNString.h"

#include <array>
#include <cstdint>
#include <ctime>
#include <optional>
#include <string>

class VNFileReader;
class VNFileWriter;

struct VNSaveRecord {
    static constexpr int kLayerCount = 11;
    static constexpr int kFadeCount = 4;
    static constexpr const char* kMagic = "savedata";
    static constexpr int32_t kMaxStampBytes = 127;
    static constexpr int32_t kMaxTextBytes = 4096;
    // Two names (picture and mask) and the numbers of a layer setting.
    static constexpr int32_t kMaxLayerBytes = 2 * kMaxTextBytes + 256;

    VNString timeStamp;
    VNString eventFile;
    int32_t programCounter = 0;
    VNString title;
    std::array<VNString, kLayerCount> layers;
    std::array<int32_t, kFadeCount> fades{};
    VNString midiFile;
    VNString mp3File;
    int32_t cdTrack = 0;
    // The check value (ParamFileCheck) of the local parameters saved beside
    // this record; none in records made before it was kept.
    std::optional<uint32_t> localCheck;

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
