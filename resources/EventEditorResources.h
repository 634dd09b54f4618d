// The resources of vnevedit: its main window and script window with their
// menus, the editor's set of event edit dialogs, and its icon.
#pragma once

#include "resources/Resource.h"

namespace resources {

// Control and command ids of the main window IDD_EVENTEDIT and its menu
// IDR_MENUMAIN. The menu's edit commands share the ids of the buttons that
// do the same.
namespace event_edit {
constexpr int Insert = 3;
constexpr int Change = 1003;
constexpr int Cut = 6;
constexpr int Copy = 9;
constexpr int Paste = 10;
constexpr int Delete = 11;
constexpr int InsertType = 1026; // the combo box of event types to insert
constexpr int List = 1063;       // the event list
constexpr int Open = 40001;
constexpr int Save = 40002;
constexpr int SaveAs = 40003;
constexpr int Exit = 40004;
constexpr int EditScript = 40005;
// Added to the edit menu by IDR_MENUMAINADDITIONS, with the keys of
// IDR_ACCELMAIN.
constexpr int Undo = 40300;         // Ctrl+Z
constexpr int Redo = 40301;         // Ctrl+Y
constexpr int Find = 40302;         // Ctrl+F
constexpr int FindNext = 40303;     // F3
constexpr int FindPrevious = 40304; // Shift+F3
constexpr int CheckFile = 40250; // the game check's findings of this file
} // namespace event_edit

// The find dialog IDD_FIND.
namespace find_text {
constexpr int Text = 2200;
constexpr int Next = IDOK; // the default button
constexpr int Previous = 2201;
} // namespace find_text

// The script window IDD_SCRIPTINPUT and its menu IDR_MENUSCRIPT.
namespace script_edit {
constexpr int Text = 1000;
constexpr int LoadText = 40011;
constexpr int SaveText = 40012;
constexpr int Apply = IDOK;       // "変更を保存して戻る(&X)"
constexpr int Abandon = IDCANCEL; // "中止(&C)"
} // namespace script_edit

// Items the main window adds to its file menu after "名前を付けて保存(&A)",
// beside the menu resource, which keeps its items.
std::vector<MenuItem> FileMenuAdditions();

const ResourceSet& EventEditorResources();

} // namespace resources
