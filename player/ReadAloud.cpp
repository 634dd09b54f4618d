#include "player/ReadAloud.h"

#include "graphics/TextCharacters.h"
#include "platform/SpeechOutput.h"
#include "scenario/VNString.h"

#include <utility>

using platform::SpeechOutput;

namespace {

// The name brackets of a serif's first line, "【" and "】" in Shift-JIS.
constexpr uint32_t kNameOpen = 0x8179;
constexpr uint32_t kNameClose = 0x817A;

std::string Utf8Of(const std::string& sjis) {
    return VNString::FromBytes(sjis).ToUtf8Lossy();
}

} // namespace

std::string VoicedPage(std::string_view sjisPage) {
    const std::vector<uint32_t> codes =
        CharacterCodes(ResolveControlCharacters(sjisPage, static_cast<char>(kLineBreakCode)));
    std::string name;
    std::string text;
    size_t i = 0;
    if (!codes.empty() && codes[0] == kNameOpen) {
        size_t close = 1;
        while (close < codes.size() && codes[close] != kNameClose) {
            ++close;
        }
        if (close < codes.size()) {
            for (size_t k = 1; k < close; ++k) {
                AppendCharacter(name, codes[k]);
            }
            i = close + 1;
            if (i < codes.size() && codes[i] == kLineBreakCode) {
                ++i;
            }
        }
    }
    for (; i < codes.size(); ++i) {
        AppendCharacter(text, codes[i] == kLineBreakCode ? ' ' : codes[i]);
    }
    const std::string spoken = Utf8Of(text);
    return name.empty() ? spoken : Utf8Of(name) + "\n" + spoken;
}

std::string VoicedChoice(const std::vector<std::string>& sjisLines) {
    std::string spoken;
    for (const std::string& line : sjisLines) {
        if (!line.empty()) {
            spoken += (spoken.empty() ? "" : "\n") + VoicedPage(line);
        }
    }
    return spoken;
}

ReadAloud::ReadAloud() : output_(std::make_unique<SpeechOutput>()) {}

ReadAloud::~ReadAloud() = default;

void ReadAloud::SetEnabled(bool on) {
    enabled_ = on && Available();
    if (enabled_) {
        output_->Connect();
    }
    Show();
}

bool ReadAloud::Available() const {
    return output_->Connection() != SpeechOutput::State::Unavailable;
}

void ReadAloud::SetShow(std::function<void(bool, bool)> show) {
    show_ = std::move(show);
    Show();
}

void ReadAloud::Show() {
    shownAvailable_ = Available();
    if (show_) {
        show_(enabled_, shownAvailable_);
    }
}

void ReadAloud::NoteService() {
    if (shownAvailable_ && !Available()) {
        enabled_ = false;
        Show();
    }
}

void ReadAloud::Page(std::string_view sjisPage) {
    NoteService();
    if (enabled_) {
        output_->Say(VoicedPage(sjisPage));
    }
}

void ReadAloud::Choice(const std::vector<std::string>& sjisLines) {
    NoteService();
    if (enabled_) {
        output_->Say(VoicedChoice(sjisLines));
    }
}

void ReadAloud::Pointed(std::string_view sjisLine) {
    NoteService();
    if (enabled_) {
        output_->Cancel();
        output_->Say(VoicedPage(sjisLine));
    }
}

void ReadAloud::Stop() {
    NoteService();
    if (enabled_) {
        output_->Cancel();
    }
}
