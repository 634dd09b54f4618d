// Message text: the message font and box made at start-up, the narration
// and serif events, the message box, the click-wait marker and the
// right-button view of the click wait.
#include "graphics/ClickMarker.h"
#include "graphics/MessageBox.h"
#include "graphics/MessageText.h"
#include "graphics/TextCharacters.h"
#include "graphics/TextRenderer.h"
#include "platform/font/MessageFont.h"
#include "player/MessageTyping.h"
#include "player/VNPDebugLink.h"
#include "player/VNPWindow.h"
#include "player/VNPlayer.h"
#include "scenario/VNEvent.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

namespace {

// The longest the right-button view blocks between two looks at the button.
constexpr int64_t kViewIntervalMs = 10;

// A font that has no glyphs: the game goes on without text when no face at
// all could be opened.
class NoGlyphs final : public GlyphSource {
public:
    int32_t Ascent() const override { return 0; }
    bool Glyph(uint32_t, GlyphMetrics&, std::vector<uint8_t>*) override { return false; }
};

uint8_t LowByte(int32_t value) {
    return static_cast<uint8_t>(value & 0xFF);
}

LineColours MessageColours(const GameConfig& c) {
    return {{LowByte(c.msgColorR), LowByte(c.msgColorG), LowByte(c.msgColorB)},
            {LowByte(c.msgShadowR), LowByte(c.msgShadowG), LowByte(c.msgShadowB)}};
}

} // namespace

// Typing's time, input and screen: the player's clock and window, waiting
// between characters as every wait of the player does.
class VNPlayer::WindowTyping final : public TypingInput {
public:
    explicit WindowTyping(VNPlayer& player) : p_(player) {}
    void Pump() override { p_.Pump(); }
    uint32_t PressCount() override { return p_.window_->PressCount(); }
    bool SkipActive() override { return p_.window_->SkipActive(); }
    bool Paused() override { return p_.DebugPaused(); }
    int64_t NowMs() override { return p_.clock_.NowMs(); }
    void IdleUntil(int64_t deadlineMs) override {
        p_.IdleBetweenPasses(deadlineMs - p_.clock_.NowMs());
    }
    void Present(const ScreenRect& r) override { p_.window_->Present(r.x, r.y, r.width, r.height); }

private:
    VNPlayer& p_;
};

void VNPlayer::CreateMessageFont() {
    font_ = platform::MessageFont::Open(config_.MessageFaceUtf8(), config_.msgFontWidth,
                                        config_.msgFontHeight);
    if (!font_) {
        std::fprintf(stderr, "vnplay: no font for the message text could be opened\n");
        font_ = std::make_unique<NoGlyphs>();
    }
    text_ = std::make_unique<TextRenderer>(window_->BackBuffer(), *font_, MessageStyleOf(config_));
}

void VNPlayer::LoadMessageBoxImage() {
    const VNString& image = config_.msgBoxImage;
    const VNString& mask = config_.msgBoxImageMask;
    if (image == VNString("none")) {
        return;
    }
    // Both names are relative to the game folder, without the cg\ folder;
    // "AUTO" as the mask keeps its meaning of a colour key.
    const std::string imagePath = GamePathOf(image);
    std::string maskPath;
    std::string upper = mask.Bytes();
    std::transform(upper.begin(), upper.end(), upper.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    if (upper == "AUTO") {
        maskPath = "AUTO";
    } else if (!mask.IsEmpty()) {
        maskPath = GamePathOf(mask);
    }
    // A box that does not load is dropped without a word: the gradient box
    // stands in for it.
    if (!msgBoxImage_.Load(imagePath.c_str(), mask.IsEmpty() ? nullptr : maskPath.c_str())) {
        msgBoxImage_.Release();
    }
}

void VNPlayer::ShowMessageBox(bool present) {
    MessageBoxStyle box;
    box.image = msgBoxImage_.IsCreated() ? &msgBoxImage_ : nullptr;
    box.imageLeft = MessageGeometry(config_.msgBoxImageLeft);
    box.imageTop = MessageGeometry(config_.msgBoxImageTop);
    box.frameWidth = MessageGeometry(config_.msgBoxGradFrameWidth);
    box.frameHeight = MessageGeometry(config_.msgBoxGradFrameHeight);
    box.start = {LowByte(config_.msgBoxGradStartR), LowByte(config_.msgBoxGradStartG),
                 LowByte(config_.msgBoxGradStartB), LowByte(config_.msgBoxGradStartA)};
    box.end = {LowByte(config_.msgBoxGradEndR), LowByte(config_.msgBoxGradEndG),
               LowByte(config_.msgBoxGradEndB), LowByte(config_.msgBoxGradEndA)};
    const ScreenRect rect = DrawMessageBox(window_->BackBuffer(), box, text_->Style());
    if (present) {
        window_->Present(rect.x, rect.y, rect.width, rect.height);
        // The box is drawn over a picture redrawn without text; text that
        // lay beyond the box is gone from it too and must leave the screen.
        const ScreenRect& text = text_->DrawnArea();
        if (!text.IsEmpty()) {
            window_->Present(text.x, text.y, text.width, text.height);
        }
        text_->ForgetDrawnArea();
    }
}

bool VNPlayer::ActionText(const VNEvent& event) {
    if (!ShowMessage(MessageOfEvent(event))) {
        loadRequested_ = true;
    }
    return true;
}

bool VNPlayer::ShowMessage(const VNString& text) {
    FullRedraw();
    ShowMessageBox(true);
    message_.Clear();
    WindowTyping input(*this);
    MessageTyping typing(*text_, input);
    const int32_t delay = 30 * window_->MessageSpeed();
    // After each page the click wait, with the marker after its last line;
    // the next page continues on a new line below without clearing anything.
    for (const std::string& page : MessageText::PagesOf(text.Bytes())) {
        backlog_.Append(VNString::FromBytes(WithoutLineBreaks(page)));
        typing.TypePage(message_, page, MessageColours(config_), delay);
        if (!MessageClickWait()) {
            return false; // the rest is not shown
        }
        message_.EndPage();
    }
    return true;
}

std::unique_ptr<ClickMarker> VNPlayer::StartMarker() {
    const MessageStyle& style = text_->Style();
    return std::make_unique<ClickMarker>(window_->BackBuffer(), message_.MarkerX(),
                                         message_.MarkerY(), 2 * style.fontWidth, style.fontHeight,
                                         clock_.NowMs());
}

void VNPlayer::AnimateClickWait(ClickMarker& marker, int64_t now) {
    RightButtonView(marker);
    if (marker.Update(now)) {
        const ScreenRect& area = marker.Area();
        window_->Present(area.x, area.y, area.width, area.height);
    }
}

void VNPlayer::EndMarker(ClickMarker& marker) {
    marker.Restore();
    const ScreenRect& area = marker.Area();
    window_->Present(area.x, area.y, area.width, area.height);
}

void VNPlayer::RightButtonView(ClickMarker& marker) {
    if (!window_->RightButtonDown()) {
        return;
    }
    FullRedraw();
    window_->PresentAll();
    while (window_->RightButtonDown()) {
        IdleBetweenPasses(kViewIntervalMs);
        Pump();
        clock_.NowMs();
    }
    ShowMessageBox(true);
    WindowTyping input(*this);
    MessageTyping(*text_, input).Redraw(message_);
    window_->PresentAll();
    // The marker's saved picture went with the redraw: keep the new one and
    // draw the marker again at the next round.
    marker.Resave();
}
