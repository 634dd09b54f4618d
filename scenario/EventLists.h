// The lists that two event types carry inside one string argument, read as
// the player reads them: the anime event's layer list and the btnselect
// event's button list. The player and `vnscript check` share these readers,
// so the check refuses exactly what the player refuses.
#pragma once

#include "scenario/VNString.h"

#include <cstdint>
#include <vector>

// Anime layer list: `count` entries, each "layer,setting/" with the layer
// number 0..10 in decimal and the layer setting string after the comma.
struct AnimeEntry {
    int32_t layer = 0;
    VNString setting; // the layer setting string (image, mask, kind, ...)
};

constexpr int32_t kAnimeLayerCount = 11;

struct AnimeList {
    enum class Problem {
        None,
        NegativeCount, // the count is below 0
        TooFewEntries, // the list ends before `count` entries
        BadLayer,      // an entry's layer number is not a number in 0..10
    };
    Problem problem = Problem::None;
    int32_t badLayer = 0;            // BadLayer: the number as read (0 when it is no number)
    int32_t badEntry = -1;           // BadLayer: the entry, counted from 0
    std::vector<AnimeEntry> entries; // the entries read, all of them when Problem::None
    int32_t extraEntries = 0;        // entries after the first `count`, which are ignored
};

// Reads the first `count` entries; nothing is reserved by the count before
// the entries are there.
AnimeList ReadAnimeList(int32_t count, const VNString& list);

// Button list: blanks and tabs removed, then five fields per button joined by
// "," (label, left, top, width, height), buttons joined by "," too.
struct ChoiceButtonEntry {
    VNString label;
    int32_t left = 0;
    int32_t top = 0;
    int32_t width = 0;
    int32_t height = 0;
};

struct ButtonEntries {
    // The buttons the list holds, at most `count`. Buttons the count asks
    // for beyond the list are empty rectangles that are never pointed, so
    // they are not made; fields missing from the last button read as 0.
    std::vector<ChoiceButtonEntry> buttons;
    int32_t held = 0; // buttons in the whole list, also beyond `count`
};

ButtonEntries ReadButtonList(int32_t count, const VNString& list);
