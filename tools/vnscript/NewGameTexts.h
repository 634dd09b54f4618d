// The texts of a new game: the two script texts, each line of which shows a
// piece of the syntax with a comment above it, and the flag-data lists.
// The script texts are UTF-8 (as compile reads them) and ASCII only, so
// that every editor shows them.
#pragma once

namespace vnscript {

inline constexpr const char* kStartScript =
    R"(;start.txt: the game begins with event/start.evt, compiled from this text:
;  vnscript compile --strict event/start.txt event/start.evt
;A line that starts with ";" is a comment; each other line is one event.
;"@background PICTURE" shows a picture of cg/ behind everything (nil: none).
@background sky.bmp
;"@chara PICTURE MASK POSITION ALIGNMENT": MASK is a grey picture (white
;shows, black hides; AUTO hides the top-left colour); POSITION 0 centre,
;1 left, 2 right; ALIGNMENT 0 bottom, 1 centre, 2 top.
@chara figure.bmp figure_mask.bmp 0 0
;Plain text is narration. "/" breaks the line; "\" waits for a click and
;goes on within the same page.
A clear sky over a green hill./Someone is waiting at the top.\You walk up.
;"\NAME\TEXT" is a serif: a line spoken by NAME.
\Guide\Hello! This game was made by vnscript new./Change it as you like.
\Guide\Shall we walk on to the far side?
;"@select TEXT LABEL TEXT LABEL nil nil": a choice of two texts (or three);
;each jumps to its label. A word of a command line cannot hold a space.
@select Walk walk Stay stay nil nil
;"*NAME" is a label, a place that choices and jumps go to.
*walk
;"@setparam TARGET LEFT OPERATOR RIGHT": TARGET = LEFT op RIGHT, each side a
;number or a parameter; operators 0 + 1 - 2 * 3 / 4 % 5 & 6 | 7 ^ 8 > 9 <
;10 >= 11 <= 12 == (a comparison gives 1 or 0). Parameters are
;declared in save/global.flg (kept) and save/local.flg (reset each game).
@setparam steps 3 0 0
*stay
;"@jump FILE LABEL CONDITION PARAMETER": FILE nil stays in this file, LABEL
;nil starts at the top; CONDITION 0 always, 1 when PARAMETER is not 0,
;2 when it is 0.
@jump nil far 1 steps
\Guide\Then let us rest here a while.
@jump second.evt nil 0 nil
*far
@setparam route steps 2 10
\Guide\From here you can see the whole valley.
;A jump to another event file of event/.
@jump second.evt nil 0 nil
)";

inline constexpr const char* kSecondScript =
    R"(;second.txt: compiled to event/second.evt, which start.evt jumps to:
;  vnscript compile --strict event/second.txt event/second.evt
@setparam route route 0 1
;"@wait MILLISECONDS" pauses; "@background nil" clears the picture.
@wait 500
@background nil
The sun goes down behind the hill.
;The game ends after the last event of the file it is playing.
)";

// The parameters, one "name<TAB>value" line each, as mkflg reads them: the
// route taken (kept after the game) and the steps of this play.
inline constexpr const char* kGlobalFlags = "route\t0\n";
inline constexpr const char* kLocalFlags = "steps\t0\n";

} // namespace vnscript
