#include "scenario/VNFileReader.h"
#include "scenario/VNFileWriter.h"

#include "ItemBytes.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <sys/resource.h>
#include <unistd.h>

namespace {

using item_bytes::Int;
using item_bytes::Plain;
using item_bytes::Str;

std::string WriteToFile(const TempFolder& folder, void (*write)(VNFileWriter&)) {
    const std::string path = folder / "items.bin";
    VNFileWriter writer;
    EXPECT_TRUE(writer.Open(path));
    write(writer);
    EXPECT_TRUE(writer.Close());
    return ReadBytes(path);
}

TEST(VNFileItems, WriterProducesTheByteLayout) {
    TempFolder folder;
    const std::string bytes = WriteToFile(folder, [](VNFileWriter& w) {
        w.WriteInt(0x12345678);
        w.WriteInt(-1);
        w.WriteString("abc");
        w.WriteString("");
    });
    EXPECT_EQ(bytes, std::string("\x01\x78\x56\x34\x12"
                                 "\x01\xff\xff\xff\xff"
                                 "\x03\x03\x00\x00\x00\x4c\x4d\x4e"
                                 "\x03\x00\x00\x00\x00",
                                 23));
}

TEST(VNFileItems, ReaderAcceptsBothStringTagsAndIgnoresTheIntegerTag) {
    const std::string bytes =
        Int(7, '\x00') + Int(-8, '\x07') + Plain("eventdata") + Str("\x83\x5c\xff") + Plain("");
    VNFileReader reader;
    ASSERT_TRUE(reader.OpenMemory(bytes.data(), bytes.size()));
    int32_t a = 0, b = 0;
    EXPECT_TRUE(reader.ReadInt(a));
    EXPECT_TRUE(reader.ReadInt(b));
    EXPECT_EQ(a, 7);
    EXPECT_EQ(b, -8);
    VNString s;
    EXPECT_TRUE(reader.ReadString(s));
    EXPECT_EQ(s, VNString("eventdata"));
    EXPECT_TRUE(reader.ReadString(s));
    EXPECT_EQ(s.Bytes(), "\x83\x5c\xff");
    EXPECT_TRUE(reader.ReadString(s));
    EXPECT_TRUE(s.IsEmpty());
    EXPECT_EQ(reader.BytesLeft(), 0);
    EXPECT_FALSE(reader.ReadInt(a));
    EXPECT_EQ(reader.GetFailure(), VNFileReader::Failure::EndOfFile);
    EXPECT_TRUE(reader.Close());
}

TEST(VNFileItems, BadStringItemsFail) {
    VNString s("unchanged");
    for (char tag : {'\x00', '\x01', '\x04', '\xff'}) {
        const std::string bytes = Int(0, tag);
        VNFileReader reader;
        reader.OpenMemory(bytes.data(), bytes.size());
        EXPECT_FALSE(reader.ReadString(s)) << int(tag);
        EXPECT_EQ(reader.GetFailure(), VNFileReader::Failure::BadTag);
        EXPECT_EQ(reader.FailedTag(), static_cast<unsigned char>(tag));
    }
    const std::string negative = Int(-1, '\x03');
    VNFileReader reader;
    reader.OpenMemory(negative.data(), negative.size());
    EXPECT_FALSE(reader.ReadString(s));
    EXPECT_EQ(reader.GetFailure(), VNFileReader::Failure::NegativeLength);
    EXPECT_EQ(s, VNString("unchanged"));
}

TEST(VNFileItems, EveryByteValueRoundTrips) {
    std::string all;
    for (int b = 1; b < 256; ++b)
        all += static_cast<char>(b);
    TempFolder folder;
    const std::string path = folder / "bytes.bin";
    VNFileWriter writer;
    ASSERT_TRUE(writer.Open(path));
    ASSERT_TRUE(writer.WriteString(all.c_str()));
    ASSERT_TRUE(writer.Close());
    EXPECT_EQ(ReadBytes(path), Str(all));

    VNFileReader reader;
    ASSERT_TRUE(reader.Open(path));
    VNString back;
    ASSERT_TRUE(reader.ReadString(back));
    EXPECT_EQ(back.Bytes(), all);
}

long PeakKilobytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

TEST(VNFileItems, HugeLengthFailsFastWithoutAllocating) {
    const std::string bytes = Int(0x7fffffff, '\x03') + "abc";
    const long before = PeakKilobytes();
    const auto start = std::chrono::steady_clock::now();

    VNFileReader memory;
    memory.OpenMemory(bytes.data(), bytes.size());
    VNString s;
    EXPECT_FALSE(memory.ReadString(s));
    EXPECT_EQ(memory.GetFailure(), VNFileReader::Failure::LengthBeyondFile);
    EXPECT_EQ(memory.FailedLength(), 0x7fffffff);

    TempFolder folder;
    WriteBytes(folder / "huge.bin", bytes);
    VNFileReader file;
    ASSERT_TRUE(file.Open(folder / "huge.bin"));
    EXPECT_FALSE(file.ReadString(s));
    EXPECT_EQ(file.GetFailure(), VNFileReader::Failure::LengthBeyondFile);

    // A pipe has no size: the text is read in pieces until the bytes run out.
    int fds[2];
    ASSERT_EQ(pipe(fds), 0);
    ASSERT_EQ(write(fds[1], bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
    close(fds[1]);
    std::FILE* pipe_in = fdopen(fds[0], "rb");
    VNFileReader piped;
    ASSERT_TRUE(piped.Attach(pipe_in));
    EXPECT_EQ(piped.BytesLeft(), -1);
    EXPECT_FALSE(piped.ReadString(s));
    EXPECT_EQ(piped.GetFailure(), VNFileReader::Failure::LengthBeyondFile);
    piped.Close();
    std::fclose(pipe_in);

    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
    EXPECT_LT(PeakKilobytes() - before, 64 * 1024); // far below the 2 GiB announced
}

TEST(VNFileItems, OpenRefusesMissingFilesAndFolders) {
    TempFolder folder;
    VNFileReader reader;
    EXPECT_FALSE(reader.Open(folder / "missing.evt"));
    EXPECT_EQ(reader.OpenError(), ENOENT);
    EXPECT_FALSE(reader.Open(folder.Path()));
    EXPECT_EQ(reader.OpenError(), EISDIR);
    EXPECT_FALSE(reader.Open(""));
    EXPECT_FALSE(reader.IsOpen());
    EXPECT_FALSE(reader.Close());
}

TEST(VNFileItems, AttachedWriterWritesIntoTheCallersStream) {
    char* buffer = nullptr;
    size_t size = 0;
    std::FILE* stream = open_memstream(&buffer, &size);
    ASSERT_NE(stream, nullptr);
    VNFileWriter writer;
    ASSERT_TRUE(writer.Attach(stream));
    EXPECT_TRUE(writer.WriteInt(1));
    EXPECT_TRUE(writer.Close());
    EXPECT_FALSE(writer.WriteInt(2)); // closed
    std::fclose(stream);
    EXPECT_EQ(std::string(buffer, size), Int(1));
    free(buffer);
}

} // namespace
