// Layers: the setting string, image resolution with its keywords, the state
// bits, commit and discard, character placement and the values at progress.
#include "graphics/Layer.h"

#include "ImageBuilders.h"
#include "PixelReference.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <random>
#include <string>

namespace fs = std::filesystem;
using namespace pixeltest;

namespace {

constexpr int32_t kScreenW = 100;
constexpr int32_t kScreenH = 80;

// Pictures by name with their sizes; every other name fails to load. The
// masks asked for are recorded.
struct FakeImages {
    std::map<std::string, std::pair<int32_t, int32_t>> sizes = {
        {"a.bmp", {20, 30}}, {"b.bmp", {31, 41}}, {"wide.bmp", {105, 85}}};
    std::vector<std::string> masks;

    LayerImageLoader Loader() {
        return [this](const VNString& name, const VNString& mask, Surface& surface) {
            masks.push_back(mask.Bytes());
            const auto found = sizes.find(name.Bytes());
            return found != sizes.end() &&
                   surface.Create(found->second.first, found->second.second);
        };
    }
};

VNString S(const char* text) {
    return VNString(text);
}

} // namespace

TEST(Layer, SettingStringIsReadFieldByFieldAndDescribedInOrder) {
    struct Case {
        const char* setting;
        const char* described; // after a commit
    };
    const Case cases[] = {
        {"a.bmp,am.bmp,3,10,-20,50,60,1,2,3,128", "a.bmp,am.bmp,3,10,-20,50,60,1,2,3,128"},
        // Missing and empty fields read as 0.
        {"a.bmp", "a.bmp,,0,0,0,0,0,0,0,0,0"},
        {"a.bmp,,,5,,7", "a.bmp,,0,5,0,7,0,0,0,0,0"},
        // Numbers as the runtime reads them: leading blanks, a sign, digits up
        // to the first other character.
        {"a.bmp,AUTO,x2,  7z,+4,-0,12.5,99999999999,-99999999999,1,255,extra",
         "a.bmp,AUTO,0,7,4,0,12,2147483647,-2147483648,1,255"},
        // The empty image name clears the layer.
        {",,1,2,3,4,5,6,7,8,9", ",,1,2,3,4,5,6,7,8,9"},
    };
    for (const Case& c : cases) {
        FakeImages images;
        Layer layer(3, kScreenW, kScreenH, images.Loader());
        ASSERT_TRUE(layer.ApplySetting(S(c.setting))) << c.setting;
        layer.Commit();
        EXPECT_EQ(layer.Describe(), S(c.described)) << c.setting;
        // The described string sets the same state again.
        Layer again(3, kScreenW, kScreenH, images.Loader());
        ASSERT_TRUE(again.ApplySetting(layer.Describe()));
        again.Commit();
        EXPECT_EQ(again.Describe(), S(c.described));
    }
}

TEST(Layer, ImageResolutionStatesAndKeywords) {
    FakeImages images;
    Layer layer(1, kScreenW, kScreenH, images.Loader());
    EXPECT_EQ(layer.State(), 0);
    EXPECT_EQ(layer.Describe(), S(",,0,0,0,0,0,0,0,0,0")); // a new layer: all 0

    // "NOCHANGE" on an empty layer fails; so does a missing file.
    EXPECT_FALSE(layer.ApplySetting(S("NOCHANGE")));
    EXPECT_FALSE(layer.ApplySetting(S("missing.bmp,m.bmp")));
    EXPECT_EQ(layer.PendingImage(), nullptr);
    EXPECT_EQ(layer.State(), 0);

    // Appearing: state 2.
    ASSERT_TRUE(layer.ApplySetting(S("a.bmp,am.bmp,0,1,2,100,100,0,0,0,255")));
    EXPECT_EQ(layer.State(), kLayerPendingImage);
    EXPECT_TRUE(layer.Changed());
    layer.Commit();
    EXPECT_EQ(layer.State(), kLayerCommittedImage);
    ASSERT_NE(layer.CommittedImage(), nullptr);
    EXPECT_EQ(layer.CommittedImage()->Width(), 20);
    // After a commit the pending values are the defaults.
    EXPECT_EQ(layer.Pending().scaleX, 100);
    EXPECT_EQ(layer.Pending().scaleY, 100);
    EXPECT_EQ(layer.Pending().alpha, 255);
    EXPECT_EQ(layer.Pending().x, 0);
    EXPECT_TRUE(layer.PendingName().IsEmpty());

    // The same names again: loaded, but not a change.
    ASSERT_TRUE(layer.ApplySetting(S("a.bmp,am.bmp")));
    EXPECT_EQ(layer.State(), kLayerCommittedImage | kLayerPendingImage);
    EXPECT_FALSE(layer.Changed());
    // Another mask is a change.
    ASSERT_TRUE(layer.ApplySetting(S("a.bmp,other.bmp")));
    EXPECT_TRUE(layer.Changed());
    layer.DiscardPending();
    EXPECT_EQ(layer.State(), kLayerCommittedImage);
    EXPECT_EQ(layer.PendingImage(), nullptr);

    // Replaced: state 3; fading out: state 1 and no pending image.
    ASSERT_TRUE(layer.ApplySetting(S("b.bmp")));
    EXPECT_EQ(layer.State(), 3);
    ASSERT_TRUE(layer.ApplySetting(S(",ignored,0")));
    EXPECT_EQ(layer.State(), 1);
    EXPECT_TRUE(layer.PendingMask().IsEmpty());
    EXPECT_TRUE(layer.Changed());

    // "NOCHANGE" carries the committed picture and names over and animates.
    const Surface* shown = layer.CommittedImage();
    ASSERT_TRUE(layer.ApplySetting(S("NOCHANGE,x.bmp,0,40,5,100,100,0,0,0,255")));
    EXPECT_TRUE(layer.Animated());
    EXPECT_EQ(layer.State(), kLayerPendingImage);
    EXPECT_EQ(layer.PendingImage(), shown);
    EXPECT_EQ(layer.CommittedImage(), nullptr);
    EXPECT_EQ(layer.PendingName(), S("a.bmp"));
    EXPECT_EQ(layer.PendingMask(), S("am.bmp"));
    EXPECT_FALSE(layer.Changed());
    layer.Commit();
    EXPECT_EQ(layer.CommittedImage(), shown);
    EXPECT_EQ(layer.Describe(), S("a.bmp,am.bmp,0,40,5,100,100,0,0,0,255"));
    EXPECT_FALSE(layer.Animated());

    // Only the upper-case keywords are keywords.
    EXPECT_FALSE(layer.ApplySetting(S("nochange")));
    EXPECT_EQ(layer.State(), kLayerCommittedImage);
    images.masks.clear();
    ASSERT_TRUE(layer.ApplySetting(S("b.bmp,AUTO")));
    ASSERT_TRUE(layer.ApplySetting(S("b.bmp,auto")));
    EXPECT_EQ(images.masks, (std::vector<std::string>{"AUTO", "auto"}));
}

TEST(Layer, ARefusedChangeKeepsTheCarriedOverPicture) {
    // "NOCHANGE" moves the shown picture into the pending slot. When the
    // change is refused afterwards (another layer failed) the picture must
    // stay on the layer, and setting the layer again must not lose it.
    FakeImages images;
    Layer layer(2, kScreenW, kScreenH, images.Loader());
    ASSERT_TRUE(layer.ApplySetting(S("a.bmp,,0,7,8,100,100,0,0,0,255")));
    layer.Commit();
    const Surface* shown = layer.CommittedImage();

    ASSERT_TRUE(layer.ApplySetting(S("NOCHANGE,,0,50,50,100,100,0,0,0,255")));
    layer.DiscardPending();
    EXPECT_EQ(layer.CommittedImage(), shown);
    EXPECT_EQ(layer.State(), kLayerCommittedImage);
    EXPECT_FALSE(layer.Animated());
    layer.Commit(); // nothing pending: the layer empties, as a commit does
    EXPECT_EQ(layer.State(), 0);

    ASSERT_TRUE(layer.ApplySetting(S("a.bmp")));
    layer.Commit();
    shown = layer.CommittedImage();
    ASSERT_TRUE(layer.ApplySetting(S("NOCHANGE")));
    ASSERT_TRUE(layer.ApplySetting(S("NOCHANGE,,0,3,4,100,100,0,0,0,255")));
    EXPECT_EQ(layer.PendingImage(), shown);
    EXPECT_FALSE(layer.ApplySetting(S("missing.bmp")));
    EXPECT_EQ(layer.CommittedImage(), shown);
    EXPECT_EQ(layer.State(), kLayerCommittedImage);
}

TEST(Layer, CharacterPlacementByPositionAndAlignment) {
    struct Case {
        const char* image;
        int32_t horizontal, vertical;
        int32_t x, y; // from the rules, with divisions truncated toward zero
    };
    const Case cases[] = {
        {"b.bmp", 0, 0, (100 - 31) / 2, 80 - 41}, // 34, 39
        {"b.bmp", 1, 1, 0, (80 - 41) / 2},        // 0, 19
        {"b.bmp", 2, 2, 100 - 31, 0},             // 69, 0
        {"b.bmp", 5, -1, 0, 0},                   // other values: 0
        {"wide.bmp", 0, 1, -2, -2},               // (-5) / 2 and (-5) / 2 truncate to -2
        {"wide.bmp", 2, 0, -5, -5},
    };
    for (const Case& c : cases) {
        FakeImages images;
        Layer layer(1, kScreenW, kScreenH, images.Loader());
        ASSERT_TRUE(layer.SetForCharacter(S(c.image), S("AUTO"), c.horizontal, c.vertical, 4));
        EXPECT_EQ(layer.Pending().x, c.x) << c.image << c.horizontal;
        EXPECT_EQ(layer.Pending().y, c.y) << c.image << c.vertical;
        EXPECT_EQ(layer.Kind(), 4);
        layer.Commit();
        EXPECT_EQ(layer.Describe(), S(c.image) + S(",AUTO,4,") + VNString(c.x) + S(",") +
                                        VNString(c.y) + S(",100,100,0,0,0,255"));
    }
    // "NOCHANGE" places the shown picture anew.
    FakeImages images;
    Layer layer(1, kScreenW, kScreenH, images.Loader());
    ASSERT_TRUE(layer.SetForCharacter(S("a.bmp"), S(""), 1, 0, 0));
    layer.Commit();
    ASSERT_TRUE(layer.SetForCharacter(S("NOCHANGE"), S(""), 2, 2, 0));
    EXPECT_TRUE(layer.Animated());
    EXPECT_EQ(layer.Pending().x, 100 - 20);
    EXPECT_EQ(layer.Pending().y, 0);
    // An empty name fades the character out; the values stay at 0.
    ASSERT_TRUE(layer.SetForCharacter(S(""), S(""), 2, 0, 0));
    EXPECT_EQ(layer.State(), kLayerCommittedImage);
    EXPECT_EQ(layer.Pending().x, 0);
}

TEST(Layer, ValuesAtProgress) {
    FakeImages images;
    Layer layer(5, kScreenW, kScreenH, images.Loader());
    ASSERT_TRUE(layer.ApplySetting(S("a.bmp,,0,10,-20,100,50,0,0,0,200")));
    layer.Commit();
    ASSERT_TRUE(layer.ApplySetting(S("b.bmp,,0,-7,3,60,100,0,0,0,101")));
    std::mt19937 rng(9);
    std::uniform_real_distribution<float> progress(0.0f, 1.0f);
    for (int i = 0; i < 200; ++i) {
        const float p = i == 0 ? 0.0f : i == 1 ? 1.0f : progress(rng);
        // Fading: each image keeps its own place; alpha (1 - p) x old, p x new.
        const LayerPlacement out = layer.CommittedAt(p);
        EXPECT_EQ(out.x, 10);
        EXPECT_EQ(out.y, -20);
        EXPECT_EQ(out.scaleY, 50);
        EXPECT_EQ(out.alpha, static_cast<int32_t>((1.0f - p) * 200.0f));
        const LayerPlacement in = layer.PendingAt(p);
        EXPECT_EQ(in.x, -7);
        EXPECT_EQ(in.scaleX, 60);
        EXPECT_EQ(in.alpha, static_cast<int32_t>(p * 101.0f));
    }
    EXPECT_EQ(layer.PendingAt(0.5f).alpha, 50); // 50.5 truncated

    // Animated: everything moves from the committed values to the pending ones.
    ASSERT_TRUE(layer.ApplySetting(S("NOCHANGE,,0,-31,21,150,25,9,9,9,0")));
    const auto between = [](int32_t a, int32_t b, float p) {
        return static_cast<int32_t>(static_cast<float>(a) * (1.0f - p) + static_cast<float>(b) * p);
    };
    for (const float p : {0.0f, 0.25f, 0.5f, 0.75f, 0.9f, 1.0f}) {
        const LayerPlacement at = layer.PendingAt(p);
        EXPECT_EQ(at.x, between(10, -31, p)) << p;
        EXPECT_EQ(at.y, between(-20, 21, p)) << p;
        EXPECT_EQ(at.scaleX, between(100, 150, p)) << p;
        EXPECT_EQ(at.scaleY, between(50, 25, p)) << p;
        EXPECT_EQ(at.alpha, between(200, 0, p)) << p;
    }
    // Truncation toward zero, not down: 10 x 0.5 - 31 x 0.5 = -10.5 gives -10.
    EXPECT_EQ(layer.PendingAt(0.5f).x, -10);
}

TEST(Layer, GameFolderPicturesComeFromCgInAnyLetterCase) {
    const fs::path root =
        fs::temp_directory_path() / ("vn-layer-test-" + std::to_string(std::random_device()()));
    fs::create_directories(root / "CG" / "Sub");
    using namespace imagetest;
    // A 2 x 1 picture whose top-left pixel is magenta, and a grey mask.
    BmpFields colour;
    colour.width = 2;
    colour.rows = {{0xFF, 0x00, 0xFF, 0x10, 0x20, 0x30, 0, 0}};
    ASSERT_TRUE(WriteFile((root / "CG" / "Sub" / "Pic.BMP").string(), MakeBmp(colour)));
    const Bytes grey = MakePng(Ihdr(2, 1, 8, 0), {0, 200, 100});
    ASSERT_TRUE(WriteFile((root / "CG" / "mask.png").string(), grey));
    BmpFields greyBmp;
    greyBmp.width = 2;
    greyBmp.rows = {{200, 200, 200, 100, 100, 100, 0, 0}};
    ASSERT_TRUE(WriteFile((root / "CG" / "auto").string(), MakeBmp(greyBmp)));

    const LayerImageLoader images = GameFolderImages(root.string());
    Layer layer(1, kScreenW, kScreenH, images);
    ASSERT_TRUE(layer.ApplySetting(S("sub\\pic.bmp,MASK.PNG")));
    ASSERT_NE(layer.PendingImage(), nullptr);
    EXPECT_TRUE(layer.PendingImage()->HasMask());
    EXPECT_EQ(At(*layer.PendingImage(), 0, 0), Rgba(0xFF, 0x00, 0xFF, 200));
    EXPECT_EQ(At(*layer.PendingImage(), 1, 0), Rgba(0x30, 0x20, 0x10, 100));

    ASSERT_TRUE(layer.ApplySetting(S("sub\\pic.bmp,AUTO")));
    EXPECT_EQ(At(*layer.PendingImage(), 0, 0), Rgba(0xFF, 0x00, 0xFF, 0));
    EXPECT_EQ(At(*layer.PendingImage(), 1, 0), Rgba(0x30, 0x20, 0x10, 255));
    // In lower case it is the file "auto" in cg, a BMP mask (grey 200 gives
    // alpha 199 by the grey-value rule).
    ASSERT_TRUE(layer.ApplySetting(S("sub\\pic.bmp,auto")));
    EXPECT_EQ(At(*layer.PendingImage(), 0, 0), Rgba(0xFF, 0x00, 0xFF, 199));

    ASSERT_TRUE(layer.ApplySetting(S("sub\\pic.bmp")));
    EXPECT_FALSE(layer.PendingImage()->HasMask());
    // A greyscale PNG is a picture too; a mask that is not there fails.
    EXPECT_TRUE(layer.ApplySetting(S("mask.png")));
    EXPECT_FALSE(layer.ApplySetting(S("sub\\pic.bmp,nomask.bmp")));
    EXPECT_EQ(layer.PendingImage(), nullptr);
    fs::remove_all(root);
}
