// The resources of vnprobe's debug tools: the debug window, the event list,
// the event file selector, the parameter list and its value dialog, and the
// nine faces of the debug window's buttons.
#pragma once

#include "resources/Resource.h"

namespace resources {

// Control ids of the debug tools' templates.
namespace debug_id {
// IDD_DEBUG
constexpr int Play = 1019;
constexpr int Pause = 1028;
constexpr int Step = 1021;
constexpr int FileName = 1005;
constexpr int LineNumber = 1022;
constexpr int EventText = 1015;
constexpr int Status = 1027;
constexpr int ChooseFile = 1023; // "..." beside the event file
constexpr int ChooseLine = 1024; // "..." beside the line number
constexpr int EditEvent = 1026;  // "..." beside the event
// IDD_EVENTLIST
constexpr int List = 1002;
constexpr int Edit = 1033;
constexpr int Jump = 1024;
constexpr int SaveAs = 7;
constexpr int SaveToFile = 1003;
constexpr int Back = 2;
// IDD_LOADEVENTFILE
constexpr int EventFile = 1004;
constexpr int Browse = 1017;
// IDD_PARAMLIST (the list is 1002 too)
constexpr int SetValue = 3;
constexpr int Return = 1;
// IDD_SETVALUE
constexpr int Value = 1002;
} // namespace debug_id

// The icon resources of the buttons' faces: normal, pressed, disabled.
struct ButtonIconNames {
    const char* normal;
    const char* down;
    const char* disabled;
};
inline constexpr ButtonIconNames kPlayIcons{"IDI_PLAY", "IDI_PLAY_DOWN", "IDI_PLAY_DISABLED"};
inline constexpr ButtonIconNames kPauseIcons{"IDI_PAUSE", "IDI_PAUSE_DOWN", "IDI_PAUSE_DISABLED"};
inline constexpr ButtonIconNames kStepIcons{"IDI_STEPIN", "IDI_STEPIN_DOWN", "IDI_STEPIN_DISABLED"};

// Adds the templates IDD_DEBUG, IDD_EVENTLIST, IDD_LOADEVENTFILE,
// IDD_PARAMLIST and IDD_SETVALUE and the nine button icons to `set`.
void AddDebuggerResources(ResourceSet& set);

} // namespace resources
