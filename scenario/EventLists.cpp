#include "scenario/EventLists.h"

#include <string_view>

namespace {

// Takes tokens off the front of a wide text the way VNString::SplitToken
// does (the text before the first delimiter; the rest after that single
// delimiter, empty when there was none), but walks the text once instead of
// converting the whole rest again for every token.
class TokenCursor {
public:
    explicit TokenCursor(std::u16string_view text) : rest_(text) {}
    bool Empty() const { return rest_.empty(); }
    std::u16string_view Next(char16_t delimiter) {
        const size_t end = rest_.find(delimiter);
        const std::u16string_view token = rest_.substr(0, end);
        rest_ = end == std::u16string_view::npos ? std::u16string_view() : rest_.substr(end + 1);
        return token;
    }
    std::u16string_view Rest() const { return rest_; }

private:
    std::u16string_view rest_;
};

} // namespace

AnimeList ReadAnimeList(int32_t count, const VNString& list) {
    AnimeList result;
    if (count < 0) {
        result.problem = AnimeList::Problem::NegativeCount;
        return result;
    }
    TokenCursor entries(list.Wide());
    for (int32_t n = 0; n < count; ++n) {
        if (entries.Empty()) {
            result.problem = AnimeList::Problem::TooFewEntries;
            return result;
        }
        TokenCursor entry(entries.Next(u'/'));
        const VNString number = VNString::FromWide(entry.Next(u','));
        const int32_t layer = number.ToInt();
        if (number.IsEmpty() || !number.IsNumeric() || layer < 0 || layer >= kAnimeLayerCount) {
            result.problem = AnimeList::Problem::BadLayer;
            result.badLayer = layer;
            result.badEntry = n;
            return result;
        }
        result.entries.push_back({layer, VNString::FromWide(entry.Rest())});
    }
    for (; !entries.Empty(); ++result.extraEntries)
        entries.Next(u'/');
    return result;
}

ButtonEntries ReadButtonList(int32_t count, const VNString& list) {
    ButtonEntries result;
    const VNString compact = list.RemoveChars(VNString(" \t"));
    TokenCursor fields(compact.Wide());
    for (; !fields.Empty(); ++result.held) {
        ChoiceButtonEntry button;
        button.label = VNString::FromWide(fields.Next(u','));
        for (int32_t* field : {&button.left, &button.top, &button.width, &button.height})
            *field = VNString::FromWide(fields.Next(u',')).ToInt();
        if (result.held < count)
            result.buttons.push_back(std::move(button));
    }
    return result;
}
