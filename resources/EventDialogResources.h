// The templates of the event edit dialogs, in two sets: the debug player's
// (vnprobe) and the event editor's (vnevedit, template names ending in
// INPUT). The editor's templates are aliases of the debug player's where
// their controls agree; the others carry the editor's own notes.
#pragma once

#include "resources/Resource.h"

namespace resources {

// The template of one dialog in each set (null: the set has no such dialog).
struct EventDialogNames {
    const char* probe;
    const char* editor;
};

namespace event_dialog {
inline constexpr EventDialogNames Narration{"IDD_NARRATION", "IDD_NARRATIONINPUT"};
inline constexpr EventDialogNames Serif{"IDD_SERIF", "IDD_SERIFINPUT"};
inline constexpr EventDialogNames Character{"IDD_CHARACTER", "IDD_CHARACTERINPUT"};
inline constexpr EventDialogNames Background{"IDD_BACKGROUND", "IDD_BACKGROUNDINPUT"};
inline constexpr EventDialogNames Select{"IDD_SELECT", "IDD_SELECTINPUT"};
inline constexpr EventDialogNames Label{"IDD_LABEL", "IDD_LABELINPUT"};
inline constexpr EventDialogNames Flag{"IDD_FLAG", "IDD_SETFLAGINPUT"};
inline constexpr EventDialogNames Cdda{"IDD_CDDA", "IDD_CDDAINPUT"};
inline constexpr EventDialogNames Midi{"IDD_MIDI", "IDD_MIDIINPUT"};
inline constexpr EventDialogNames Pcm{"IDD_PCM", "IDD_PCMINPUT"};
inline constexpr EventDialogNames Jump{"IDD_JUMP", "IDD_JUMPINPUT"};
inline constexpr EventDialogNames Title{"IDD_TITLE", "IDD_SETTITLEINPUT"};
inline constexpr EventDialogNames Wait{"IDD_WAIT", "IDD_WAITINPUT"};
inline constexpr EventDialogNames Comment{"IDD_COMMENT", "IDD_COMMENTINPUT"};
inline constexpr EventDialogNames Mp3{"IDD_MP3", "IDD_MP3INPUT"};
inline constexpr EventDialogNames SetFade{"IDD_SETFADE", "IDD_SETFADEINPUT"};
inline constexpr EventDialogNames Param{"IDD_PARAM", "IDD_SETPARAMINPUT"};
inline constexpr EventDialogNames Vorbis{nullptr, "IDD_VORBISINPUT"};
inline constexpr EventDialogNames BtnSelect{"IDD_BTNSELECT", "IDD_BTNSELECTINPUT"};
inline constexpr EventDialogNames BtnAdd{"IDD_BTNADD", "IDD_BTNINPUT"};
inline constexpr EventDialogNames Anime{"IDD_ANIME", "IDD_ANIMEINPUT"};
inline constexpr EventDialogNames AnimeBack{"IDD_ANIME_BACK", "IDD_ANIMEBACKINPUT"};
inline constexpr EventDialogNames AnimeChara{"IDD_ANIME_CHARA", "IDD_ANIMECHARAINPUT"};
} // namespace event_dialog

// Control ids of the event edit dialogs. Several dialogs share an id for
// the same role (1000 the main field, 1030 a fade time, 1062 a loop box).
namespace event_id {
constexpr int Text = 1000;         // narration, comment, label, title, wait, image and file names
constexpr int Speaker = 1001;      // serif
constexpr int Speech = 1002;       // serif
constexpr int ColourImage = 1004;  // character, animation character layer
constexpr int MaskImage = 1005;    // character, animation character layer
constexpr int BrowseColour = 1006; // character, animation character layer
constexpr int BrowseMask = 1007;   // character, animation character layer
constexpr int Position = 1008;     // character: position combo
constexpr int Alignment = 1009;    // character: vertical alignment combo
constexpr int Browse = 1017;       // background, pcm, animation background layer
constexpr int Message1 = 1018;     // select: 1018..1020 the messages,
constexpr int Label1 = 1021;       // 1021..1023 their labels
constexpr int Choice = 1026;       // flag value, jump condition, operator, effect, channel
constexpr int Track = 1027;        // cdda
constexpr int Fade = 1030;         // cdda, midi, mp3, vorbis
constexpr int JumpFile = 1031;     // jump
constexpr int BrowseJumpFile = 1032;
constexpr int JumpLabel = 1034; // jump, button selection, button
constexpr int JumpParam = 1035; // jump
constexpr int MusicFile = 1041; // midi, mp3, vorbis
constexpr int BrowseMusic = 1042;
constexpr int CharaEffect = 1059; // fade setting
constexpr int BackEffect = 1060;
constexpr int CharaTime = 1061;
constexpr int BackTime = 1062;
constexpr int Loop = 1062;      // midi, pcm, vorbis
constexpr int List = 1063;      // animation layers, buttons
constexpr int AddButton = 1064; // button selection
constexpr int EditButton = 1003;
constexpr int DeleteButton = 11;
constexpr int BrowseBase = 1068;
constexpr int BaseImage = 1069;
constexpr int PointedImage = 1005;
constexpr int BrowsePointed = 1007;
constexpr int Target = 1070; // parameter: the parameter assigned to
constexpr int Term1 = 1105;
constexpr int Term2 = 1106;
constexpr int ButtonX = 1070; // button: 1070..1073 x, y, width, height
constexpr int LayerX = 1070;  // animation character layer: 1070..1077
constexpr int LayerY = 1071;
constexpr int ScaleX = 1072;
constexpr int ScaleY = 1073;
constexpr int ShearX = 1074;
constexpr int ShearY = 1075;
constexpr int Rotation = 1076;
constexpr int Opacity = 1077;
constexpr int SetLayer = 1096; // animation
constexpr int ClearLayer = 1097;
} // namespace event_id

// Adds the debug player's event edit dialogs to `set`.
void AddProbeEventDialogs(ResourceSet& set);
// Adds the event editor's: the INPUT templates, the Vorbis dialog, and the
// templates the aliases stand for.
void AddEditorEventDialogs(ResourceSet& set);

} // namespace resources
