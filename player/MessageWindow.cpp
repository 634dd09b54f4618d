#include "player/MessageWindow.h"

#include "graphics/ChoiceDisplay.h"
#include "graphics/ClickMarker.h"
#include "graphics/MessageBox.h"
#include "graphics/MessageText.h"
#include "graphics/TextCharacters.h"
#include "graphics/TextRenderer.h"
#include "platform/ScreenReader.h"
#include "platform/font/MessageFont.h"
#include "player/MessageTyping.h"
#include "player/PlayerContext.h"
#include "player/SpokenText.h"
#include "player/Stage.h"
#include "player/VNPDebugLink.h"
#include "player/VNPWindow.h"

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

// Typing's time, input and screen: the player's clock and window, waiting
// between characters as every wait of the player does.
class WindowTyping final : public TypingInput {
public:
    WindowTyping(PlayerContext& context, bool maySkip) : c_(context), maySkip_(maySkip) {}
    void Pump() override { c_.Pump(); }
    uint32_t PressCount() override { return c_.Window()->PressCount(); }
    bool SkipActive() override { return maySkip_ && c_.Window()->SkipActive(); }
    bool Paused() override { return c_.DebugPaused(); }
    int64_t NowMs() override { return c_.Time().NowMs(); }
    void IdleUntil(int64_t deadlineMs) override {
        c_.IdleBetweenPasses(deadlineMs - c_.Time().NowMs());
    }
    void Present(const ScreenRect& r) override {
        c_.Window()->Present(r.x, r.y, r.width, r.height);
    }

private:
    PlayerContext& c_;
    bool maySkip_;
};

} // namespace

MessageWindow::MessageWindow(PlayerContext& context, Stage& stage)
    : context_(context), stage_(stage) {}

MessageWindow::~MessageWindow() = default;

void MessageWindow::Release() {
    text_.reset();
    font_.reset();
    boxImage_.Release();
}

void MessageWindow::CreateFont() {
    font_ = platform::MessageFont::Open(context_.Config().MessageFaceUtf8(),
                                        context_.Config().msgFontWidth,
                                        context_.Config().msgFontHeight);
    if (!font_) {
        std::fprintf(stderr, "vnplay: no font for the message text could be opened\n");
        font_ = std::make_unique<NoGlyphs>();
    }
    text_ = std::make_unique<TextRenderer>(context_.Window()->BackBuffer(), *font_,
                                           MessageStyleOf(context_.Config()));
}

void MessageWindow::LoadBoxImage() {
    const VNString& image = context_.Config().msgBoxImage;
    const VNString& mask = context_.Config().msgBoxImageMask;
    if (image == VNString("none")) {
        return;
    }
    // Both names are relative to the game folder, without the cg\ folder;
    // "AUTO" as the mask keeps its meaning of a colour key.
    const std::string imagePath = context_.GamePathOf(image);
    std::string maskPath;
    std::string upper = mask.Bytes();
    std::transform(upper.begin(), upper.end(), upper.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    if (upper == "AUTO") {
        maskPath = "AUTO";
    } else if (!mask.IsEmpty()) {
        maskPath = context_.GamePathOf(mask);
    }
    // A box that does not load is dropped without a word: the gradient box
    // stands in for it.
    if (!boxImage_.Load(imagePath.c_str(), mask.IsEmpty() ? nullptr : maskPath.c_str())) {
        boxImage_.Release();
    }
}

void MessageWindow::ShowMessageBox(bool present) {
    MessageBoxStyle box;
    box.image = boxImage_.IsCreated() ? &boxImage_ : nullptr;
    box.imageLeft = MessageGeometry(context_.Config().msgBoxImageLeft);
    box.imageTop = MessageGeometry(context_.Config().msgBoxImageTop);
    box.frameWidth = MessageGeometry(context_.Config().msgBoxGradFrameWidth);
    box.frameHeight = MessageGeometry(context_.Config().msgBoxGradFrameHeight);
    box.start = {
        LowByte(context_.Config().msgBoxGradStartR), LowByte(context_.Config().msgBoxGradStartG),
        LowByte(context_.Config().msgBoxGradStartB), LowByte(context_.Config().msgBoxGradStartA)};
    box.end = {LowByte(context_.Config().msgBoxGradEndR), LowByte(context_.Config().msgBoxGradEndG),
               LowByte(context_.Config().msgBoxGradEndB),
               LowByte(context_.Config().msgBoxGradEndA)};
    const ScreenRect rect = DrawMessageBox(context_.Window()->BackBuffer(), box, text_->Style());
    if (present) {
        context_.Window()->Present(rect.x, rect.y, rect.width, rect.height);
        // The box is drawn over a picture redrawn without text; text that
        // lay beyond the box is gone from it too and must leave the screen.
        const ScreenRect& text = text_->DrawnArea();
        if (!text.IsEmpty()) {
            context_.Window()->Present(text.x, text.y, text.width, text.height);
        }
        text_->ForgetDrawnArea();
    }
}

bool MessageWindow::ShowMessage(const VNString& text, bool maySkip) {
    stage_.FullRedraw();
    ShowMessageBox(true);
    message_.Clear();
    maySkip_ = maySkip;
    WindowTyping input(context_, maySkip_);
    MessageTyping typing(*text_, input);
    const int32_t delay = 30 * context_.Window()->MessageSpeed();
    // After each page the click wait, with the marker after its last line;
    // the next page continues on a new line below without clearing anything.
    const std::vector<std::string> pages = MessageText::PagesOf(text.Bytes());
    const std::vector<std::string> spoken = SpokenPages(text.Bytes());
    for (size_t n = 0; n < pages.size(); ++n) {
        const std::string& page = pages[n];
        const VNString line = VNString::FromBytes(WithoutLineBreaks(page));
        backlog_.Append(line);
        context_.Voice().Page(page);
        typing.TypePage(message_, page, MessageColours(context_.Config()), delay);
        // A screen reader reads the page once it is complete.
        platform::SetViewText(context_.Window()->Handle(), spoken[n]);
        pageChars_ = line.GetLength();
        const bool waited = MessageClickWait();
        pageChars_ = 0;
        context_.Voice().Stop(); // the player advanced
        if (!waited) {
            maySkip_ = true;
            return false; // the rest is not shown
        }
        if (rolledBack_) {
            maySkip_ = true;
            return true; // play goes on from an earlier message
        }
        message_.EndPage();
    }
    maySkip_ = true;
    return true;
}

void MessageWindow::ShowMessageAtOnce(const VNString& text) {
    stage_.FullRedraw();
    ShowMessageBox(false);
    MessageText shown;
    WindowTyping input(context_, true);
    MessageTyping typing(*text_, input);
    for (const std::string& page : MessageText::PagesOf(text.Bytes())) {
        typing.TypePage(shown, page, MessageColours(context_.Config()), 0);
        shown.EndPage();
    }
    context_.Window()->PresentAll();
    // A screen reader reads the message gone back to, all its pages.
    std::string spoken;
    for (const std::string& page : SpokenPages(text.Bytes())) {
        spoken += spoken.empty() ? page : "\n" + page;
    }
    platform::SetViewText(context_.Window()->Handle(), spoken);
}

std::unique_ptr<ClickMarker> MessageWindow::StartMarker() {
    const MessageStyle& style = text_->Style();
    return std::make_unique<ClickMarker>(context_.Window()->BackBuffer(), message_.MarkerX(),
                                         message_.MarkerY(), 2 * style.fontWidth, style.fontHeight,
                                         context_.Time().NowMs());
}

void MessageWindow::AnimateClickWait(ClickMarker& marker, int64_t now) {
    RightButtonView(marker);
    if (marker.Update(now)) {
        const ScreenRect& area = marker.Area();
        context_.Window()->Present(area.x, area.y, area.width, area.height);
    }
}

void MessageWindow::EndMarker(ClickMarker& marker) {
    marker.Restore();
    const ScreenRect& area = marker.Area();
    context_.Window()->Present(area.x, area.y, area.width, area.height);
}

void MessageWindow::RightButtonView(ClickMarker& marker) {
    if (!context_.Window()->RightButtonDown()) {
        return;
    }
    stage_.FullRedraw();
    context_.Window()->PresentAll();
    while (context_.Window()->RightButtonDown()) {
        context_.IdleBetweenPasses(kViewIntervalMs);
        context_.Pump();
        context_.Time().NowMs();
    }
    ShowMessageBox(true);
    WindowTyping input(context_, maySkip_);
    MessageTyping(*text_, input).Redraw(message_);
    context_.Window()->PresentAll();
    // The marker's saved picture went with the redraw: keep the new one and
    // draw the marker again at the next round.
    marker.Resave();
}

bool MessageWindow::MessageClickWait() {
    if (context_.Debug() && context_.Debug()->State() == DEBUG_STATE_ONE_STEP) {
        return true;
    }
    context_.Window()->SetCommandsEnabled(true);
    context_.Pump();
    const int64_t start = context_.Time().NowMs();
    // The first pass draws the marker at once.
    int64_t lastRedraw = start - PlayerContext::kPassIntervalMs;
    bool loadChosen = false;
    rolledBack_ = false;
    const std::unique_ptr<ClickMarker> marker = StartMarker();

    // One pass; true when the wait is over.
    const auto pass = [&]() -> bool {
        // The settings may add a wait per character of the page (none by default).
        const int64_t autoDelay =
            context_.Window()->AutoMode()
                ? 1000 * static_cast<int64_t>(context_.Window()->MessageSpeed()) + 1000 +
                      context_.Settings().autoWaitPerChar * pageChars_
                : -1;
        if (context_.DebugPaused()) {
            return true;
        }
        if (!serveRequests_()) {
            // The load happens once the wait is over.
            loadChosen = true;
            return false;
        }
        if (!loadChosen && serveRollback_ && serveRollback_()) {
            rolledBack_ = true;
            return true;
        }
        if (maySkip_ && context_.Window()->SkipActive()) {
            return true;
        }
        const int64_t now = context_.Time().NowMs();
        if (autoDelay >= 0 && now - start > autoDelay) {
            return true;
        }
        if (now - lastRedraw >= PlayerContext::kPassIntervalMs) {
            lastRedraw = now;
            AnimateClickWait(*marker, now);
        }
        context_.IdleBetweenPasses(PlayerContext::kPassIntervalMs);
        return false;
    };

    context_.WaitForClick(pass);
    if (!rolledBack_) {
        EndMarker(*marker); // else its saved picture is of another screen
    }
    context_.Window()->SetCommandsEnabled(false);
    return !loadChosen;
}

std::unique_ptr<ChoiceDisplay> MessageWindow::ShowChoices(const std::vector<std::string>& lines) {
    backlog_.Append(VNString());
    message_.Clear();
    stage_.FullRedraw();
    ShowMessageBox(true);
    const GameConfig& c = context_.Config();
    const ChoiceColours colours{
        {LowByte(c.msgUnselectedR), LowByte(c.msgUnselectedG), LowByte(c.msgUnselectedB)},
        {LowByte(c.msgSelectedR), LowByte(c.msgSelectedG), LowByte(c.msgSelectedB)},
        {LowByte(c.msgShadowR), LowByte(c.msgShadowG), LowByte(c.msgShadowB)}};
    auto display = std::make_unique<ChoiceDisplay>(*text_, colours);
    const ScreenRect shown = display->Show(lines);
    if (!shown.IsEmpty()) {
        context_.Window()->Present(shown.x, shown.y, shown.width, shown.height);
    }
    return display;
}
