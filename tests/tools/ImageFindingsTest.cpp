// vnprobe's image report explains a failed character picture in the words of
// the check's finding about the same event.
#include "gamecheck/ImageFindings.h"
#include "gamecheck/GameCheck.h"

#include "tests/graphics/ImageBuilders.h"
#include "tests/scenario/TempFolder.h"
#include "tests/support/CheckGames.h"

#include <gtest/gtest.h>

#include <sstream>

using imagetest::Bytes;

TEST(ImageFindings, ReportExplainsACharacterPictureAsTheCheckDoes) {
    int explained = 0;
    for (const checkgames::Plant& plant : checkgames::Plants()) {
        std::istringstream line(plant.text);
        std::string event, image, mask;
        line >> event >> image >> mask;
        if (plant.kind != gamecheck::Kind::Image || event != "@chara")
            continue;
        SCOPED_TRACE(plant.what);
        TempFolder folder;
        checkgames::WritePlanted(folder.Path(), plant);
        const auto result = gamecheck::CheckGame(folder.Path());
        ASSERT_EQ(result.findings.size(), 1u);
        EXPECT_EQ(gamecheck::ExplainImageLoad(folder.Path(), VNString(image.c_str()),
                                              VNString(mask == "nil" ? "" : mask.c_str())),
                  result.findings[0].message);
        ++explained;
    }
    EXPECT_GE(explained, 6); // missing files, headers, a mask's size

    // What only decoding finds, a picture that loads, and "NOCHANGE".
    TempFolder folder;
    checkgames::WriteGame(folder.Path());
    Bytes broken = imagetest::PngSignature();
    imagetest::PutChunk(broken, "IHDR", imagetest::Ihdr(6, 8, 8, 6));
    imagetest::PutChunk(broken, "IDAT", Bytes{0x78, 0x9C, 0xFF, 0xFF});
    imagetest::PutChunk(broken, "IEND", {});
    ASSERT_TRUE(imagetest::WriteFile(folder / "cg/broken_m.png", broken));
    EXPECT_EQ(
        gamecheck::ExplainImageLoad(folder.Path(), VNString("boy.png"), VNString("broken_m.png")),
        "mask \"broken_m.png\" has damaged image data (its headers are in order)");
    EXPECT_EQ(gamecheck::ExplainImageLoad(folder.Path(), VNString("boy.png"), VNString("AUTO")),
              "image \"boy.png\" loads now");
    EXPECT_EQ(gamecheck::ExplainImageLoad(folder.Path(), VNString("NOCHANGE"), VNString()),
              "\"NOCHANGE\" keeps the picture a layer shows, but the layer shows none");
}
