// The resources of the two players (vnplay and vnprobe): the version dialog,
// the ten error report dialogs, the save and load dialogs, the menu bar and
// the accelerator table.
#pragma once

#include "resources/Resource.h"

namespace resources {

// Menu command ids of the players' "IDR_MENU".
namespace player_cmd {
constexpr int FullScreen = 40001;
constexpr int Load = 40002;
constexpr int Save = 40003;
constexpr int Backlog = 40008;
constexpr int SkipMode = 40013;
constexpr int AutoMode = 40015;
constexpr int SpeedHigh = 40018;
constexpr int SpeedNormal = 40019;
constexpr int SpeedLow = 40020;
constexpr int DebugWindow = 40024;
constexpr int DebugPlay = 40026;
constexpr int DebugStep = 40027;
constexpr int LayerCheck = 40029;
constexpr int Version = 40030;
constexpr int DebugPause = 40031;
constexpr int Exit = 40032;
constexpr int EditGlobalParams = 40034;
constexpr int EditLocalParams = 40035;
constexpr int SkipReadOnly = 40100; // "既読のみスキップ"
constexpr int Settings = 40101;     // "設定": the settings dialog
constexpr int CheckGame = 40250;    // vnprobe: the game check's findings
// Features of the player beyond the original menu.
constexpr int ReadAloud = 40400; // reading the message aloud
} // namespace player_cmd

// Control ids of the report dialogs.
namespace report_id {
constexpr int Message = 1004;     // message and fixed text (critical, load, save errors)
constexpr int File = 1005;        // position: current event file
constexpr int Line = 1006;        // position: line number
constexpr int ColourImage = 1007; // image reports
constexpr int MaskImage = 1008;   // image reports
constexpr int Help = 1010;        // help text
constexpr int ParamName = 1012;   // parameter-undeclared report
constexpr int VerifyImage = 1012; // image-load report: the (always disabled) verify button
constexpr int TargetLabel = 1013; // event-file and label reports
constexpr int TargetFile = 1014;  // event-file and label reports
constexpr int Summary = 1015;     // position: the event's summary line
constexpr int ItemName = 1016;    // invalid option, missing entry
constexpr int LayerName = 1017;   // image-already-loaded report
} // namespace report_id

// Control ids of the backlog dialog.
namespace backlog_id {
constexpr int Text = 1004; // the read-only text of the kept messages
constexpr int Back = 2;    // "戻る"
} // namespace backlog_id

// Control ids of the save and load dialogs.
namespace slot_id {
constexpr int List = 1002;       // one line per save slot
constexpr int SaveButton = 1003; // "セーブ"
constexpr int LoadButton = 3;    // "ロード"
} // namespace slot_id

// Control ids of the settings dialog.
namespace settings_id {
constexpr int MusicVolume = 2000;  // 0 to 100
constexpr int EffectVolume = 2001; // 0 to 100
constexpr int VoiceVolume = 2002;  // 0 to 100
constexpr int Speed = 2003;        // the three message speeds
constexpr int AutoWait = 2004;     // the auto mode's milliseconds per character
constexpr int SkipReadOnly = 2005; // "既読のみスキップ"
constexpr int FullScreen = 2006;   // start in full screen
constexpr int Defaults = 2007;     // "既定値に戻す"
} // namespace settings_id

// The players' resources; `probe` selects vnprobe's full menu and
// accelerators (debug and help popups) instead of vnplay's three popups, and
// adds the event edit dialogs of the debug player's set.
ResourceSet MakePlayerResources(bool probe);

} // namespace resources
