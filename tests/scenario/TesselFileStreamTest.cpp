#include "scenario/TesselFileStream.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

using libtessel::FileInputStream;
using libtessel::FileOutputStream;

TEST(TesselFileStream, WriteThenReadWithTellAndSeek) {
    TempFolder folder;
    const std::string path = folder / "data.bin";
    {
        FileOutputStream out;
        ASSERT_TRUE(out.Open(path.c_str()));
        EXPECT_EQ(out.Write("\x00\x01\xff"
                            "abc",
                            6),
                  6);
        EXPECT_TRUE(out.Close());
        EXPECT_FALSE(out.Close()); // nothing open any more
        EXPECT_EQ(out.Write("x", 1), 0);
    }
    EXPECT_EQ(ReadBytes(path), std::string("\x00\x01\xff"
                                           "abc",
                                           6));

    FileInputStream in(path.c_str());
    ASSERT_TRUE(in.IsOpen());
    char buffer[16] = {};
    EXPECT_EQ(in.Read(buffer, 2), 2);
    EXPECT_EQ(in.Tell(), 2);
    EXPECT_TRUE(in.Seek(4));
    EXPECT_EQ(in.Read(buffer, 16), 2);
    EXPECT_EQ(std::string(buffer, 2), "bc");
    EXPECT_EQ(in.Read(buffer, 16), 0);
    EXPECT_TRUE(in.Close());
    EXPECT_EQ(in.Read(buffer, 1), 0);
    EXPECT_EQ(in.Tell(), -1);
    EXPECT_FALSE(in.Seek(0));
}

TEST(TesselFileStream, EmptyOrMissingNameOpensNothingAndReopenClosesFirst) {
    TempFolder folder;
    FileInputStream in;
    EXPECT_FALSE(in.Open(""));
    EXPECT_FALSE(in.Open((folder / "missing").c_str()));
    EXPECT_FALSE(in.Close());

    FileOutputStream out;
    EXPECT_FALSE(out.Open(""));
    ASSERT_TRUE(out.Open((folder / "a").c_str()));
    out.Write("1", 1);
    ASSERT_TRUE(out.Open((folder / "b").c_str())); // closes and so flushes "a"
    out.Write("2", 1);
    EXPECT_EQ(ReadBytes(folder / "a"), "1");
    EXPECT_TRUE(out.Close());
    EXPECT_EQ(ReadBytes(folder / "b"), "2");

    // Through the base class, as the image readers use it.
    std::unique_ptr<libtessel::InputStream> stream =
        std::make_unique<FileInputStream>((folder / "b").c_str());
    char c = 0;
    EXPECT_EQ(stream->Read(&c, 1), 1);
    EXPECT_EQ(c, '2');
    EXPECT_TRUE(stream->Close());
}

} // namespace
