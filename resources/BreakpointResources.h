// The resources of vnprobe's breakpoints and watches: the buttons they add
// to the event list and the debug window, the condition dialog and the
// watch window.
#pragma once

#include "resources/Resource.h"

namespace resources {

namespace break_id {
// IDD_EVENTLIST
constexpr int Toggle = 2100;      // "ブレークポイントの切り替え", also F9 on the list
constexpr int Condition = 2101;   // the condition dialog of the selected line
constexpr int RunToHere = 2102;   // "ここまで実行"
constexpr int InsertCopy = 2103;  // a copy of the selected event inserted before it
constexpr int DeleteEvent = 2104; // also the Delete key on the list
// IDD_DEBUG
constexpr int Watches = 2105; // opens the watch window
// IDD_BREAKCONDITION
constexpr int Param = 2110;
constexpr int Compare = 2111;
constexpr int Value = 2112;
// IDD_WATCH
constexpr int WatchName = 2120;
constexpr int AddWatch = 2121;
constexpr int WatchList = 2122;
constexpr int RemoveWatch = 2123;
} // namespace break_id

// The buttons of the event list's breakpoint row, `y` dialog units down.
std::vector<ControlSpec> BreakpointButtons(int y);

// Adds IDD_BREAKCONDITION and IDD_WATCH to `set`.
void AddBreakpointResources(ResourceSet& set);

} // namespace resources
