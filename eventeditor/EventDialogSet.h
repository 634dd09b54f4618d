// The two sets of event edit dialogs: the debug player's (vnprobe) and the
// event editor's (vnevedit). They share their controls and behaviour and
// differ in template names, a few captions, the file choosers' filter texts,
// the jump conditions' wording and the Vorbis dialog, which only the
// editor has.
#pragma once

#include "platform/FileChooser.h"
#include "resources/EventDialogResources.h"
#include "scenario/VNString.h"

#include <string>
#include <vector>

enum class EventDialogSet { Probe, Editor };

// The template of a dialog in `set`.
std::string TemplateOf(EventDialogSet set, const resources::EventDialogNames& names);

// A browse button's chooser: its title and filter list.
struct ChooserSpec {
    VNString title;
    std::vector<platform::FileFilter> filters;
};

enum class ChooserKind {
    ColourImage, // character images (also the animation's character layers)
    MaskImage,
    Background, // background images (also the animation's background layer)
    EventFile,
    Midi,
    Wave,
    Mp3,
    Vorbis,
    ButtonImage, // the button selection's base and pointed images
};

ChooserSpec ChooserOf(EventDialogSet set, ChooserKind kind);

// The fixed lists of the combo boxes, in list order (index = stored value).
std::vector<VNString> JumpConditions(EventDialogSet set);
std::vector<VNString> CharacterPositions();
std::vector<VNString> VerticalAlignments();
std::vector<VNString> FlagValues();
// The character effects (0..4); with `curtain` also the alpha curtain (5).
std::vector<VNString> FadeEffects(bool curtain);
std::vector<VNString> Operators();
// The nine effects of the animation's background layer.
std::vector<VNString> BackgroundLayerEffects();
std::vector<VNString> VorbisChannels();
