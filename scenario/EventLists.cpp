#include "scenario/EventLists.h"

AnimeList ReadAnimeList(int32_t count, const VNString& list) {
    AnimeList result;
    if (count < 0) {
        result.problem = AnimeList::Problem::NegativeCount;
        return result;
    }
    const VNString slash("/");
    const VNString comma(",");
    VNString rest = list;
    for (int32_t n = 0; n < count; ++n) {
        if (rest.IsEmpty()) {
            result.problem = AnimeList::Problem::TooFewEntries;
            return result;
        }
        VNString setting = rest.SplitToken(slash);
        const VNString number = setting.SplitToken(comma);
        const int32_t layer = number.ToInt();
        if (number.IsEmpty() || !number.IsNumeric() || layer < 0 || layer >= kAnimeLayerCount) {
            result.problem = AnimeList::Problem::BadLayer;
            result.badLayer = layer;
            result.badEntry = n;
            return result;
        }
        result.entries.push_back({layer, setting});
    }
    for (; !rest.IsEmpty(); ++result.extraEntries)
        rest.SplitToken(slash);
    return result;
}

ButtonEntries ReadButtonList(int32_t count, const VNString& list) {
    ButtonEntries result;
    const VNString comma(",");
    VNString rest = list.RemoveChars(VNString(" \t"));
    for (; !rest.IsEmpty(); ++result.held) {
        ChoiceButtonEntry button;
        button.label = rest.SplitToken(comma);
        for (int32_t* field : {&button.left, &button.top, &button.width, &button.height})
            *field = rest.SplitToken(comma).ToInt();
        if (result.held < count)
            result.buttons.push_back(std::move(button));
    }
    return result;
}
