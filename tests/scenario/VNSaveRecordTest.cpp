#include "scenario/VNSaveRecord.h"
#include "scenario/SaveSlots.h"
#include "scenario/VNFileReader.h"
#include "scenario/VNFileWriter.h"

#include "ItemBytes.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace {

using item_bytes::Int;
using item_bytes::Plain;
using item_bytes::Str;

VNSaveRecord Sample() {
    VNSaveRecord record;
    record.timeStamp = VNString("12\x8c\x8e"
                                "31\x93\xfa"
                                "23\x8e\x9e"
                                "59\x95\xaa");
    record.eventFile = VNString("chapter\\two.evt");
    record.programCounter = 17;
    record.title = VNString("\x91\xe6\x93\xf1\x8f\xcd"); // 第二章
    record.layers[0] = VNString("bg.bmp,,0,0,640,480,255,0,0,0,0");
    record.layers[3] = VNString("girl.bmp,girl_m.bmp,400,0,200,480,128,0,0,0,0");
    record.fades = {1, 700, 5, 1500};
    record.midiFile = VNString("town theme.mid");
    record.mp3File = VNString();
    record.cdTrack = 4;
    return record;
}

// The record's 23 items spelled out in table order.
std::string SampleBytes() {
    std::string bytes = Str("savedata") +
                        Str("12\x8c\x8e"
                            "31\x93\xfa"
                            "23\x8e\x9e"
                            "59\x95\xaa") +
                        Str("chapter\\two.evt") + Int(17) + Str("\x91\xe6\x93\xf1\x8f\xcd");
    for (int layer = 0; layer < 11; ++layer) {
        bytes += Str(layer == 0   ? "bg.bmp,,0,0,640,480,255,0,0,0,0"
                     : layer == 3 ? "girl.bmp,girl_m.bmp,400,0,200,480,128,0,0,0,0"
                                  : "");
    }
    return bytes + Int(1) + Int(700) + Int(5) + Int(1500) + Str("town theme.mid") + Str("") +
           Int(4);
}

std::string Written(const VNSaveRecord& record) {
    char* buffer = nullptr;
    size_t size = 0;
    std::FILE* stream = open_memstream(&buffer, &size);
    VNFileWriter writer;
    writer.Attach(stream);
    EXPECT_TRUE(record.Save(writer) && writer.Close());
    std::fclose(stream);
    std::string bytes(buffer, size);
    std::free(buffer);
    return bytes;
}

bool Read(const std::string& bytes, VNSaveRecord& record) {
    VNFileReader reader;
    reader.OpenMemory(bytes.data(), bytes.size());
    return record.Load(reader);
}

TEST(VNSaveRecord, WritesTheItemTableAndReadsItBack) {
    const VNSaveRecord sample = Sample();
    EXPECT_EQ(Written(sample), SampleBytes());

    TempFolder folder;
    ASSERT_TRUE(sample.Save(folder / "save3.sav"));
    EXPECT_EQ(ReadBytes(folder / "save3.sav"), SampleBytes());
    VNSaveRecord back;
    ASSERT_TRUE(back.Load(folder / "save3.sav"));
    EXPECT_EQ(back.timeStamp, sample.timeStamp);
    EXPECT_EQ(back.eventFile, sample.eventFile);
    EXPECT_EQ(back.programCounter, 17);
    EXPECT_EQ(back.title, sample.title);
    EXPECT_EQ(back.layers, sample.layers);
    EXPECT_EQ(back.fades, sample.fades);
    EXPECT_EQ(back.midiFile, sample.midiFile);
    EXPECT_EQ(back.mp3File, VNString());
    EXPECT_EQ(back.cdTrack, 4);

    // Strings stored plain (tag 2) read as well.
    std::string plain = SampleBytes();
    const std::string scrambledTitle = Str("\x91\xe6\x93\xf1\x8f\xcd");
    plain.replace(plain.find(scrambledTitle), scrambledTitle.size(),
                  Plain("\x91\xe6\x93\xf1\x8f\xcd"));
    ASSERT_TRUE(Read(plain, back));
    EXPECT_EQ(back.title, sample.title);
}

TEST(VNSaveRecord, OnlyAWholeRecordWithTheMagicCounts) {
    const std::string good = SampleBytes();
    const std::string afterMagic = good.substr(Str("savedata").size());
    struct Case {
        const char* what;
        std::string bytes;
    };
    const std::vector<Case> cases = {
        {"another magic", Str("savedatA") + afterMagic},
        {"a longer magic", Str("savedata1") + afterMagic},
        {"an empty file", ""},
        {"the magic alone", Str("savedata")},
        {"the last item cut short", good.substr(0, good.size() - 1)},
        {"22 items", good.substr(0, good.size() - Int(4).size())},
        {"a string longer than the file", Str("savedata") + Int(0x7FFFFFF0, '\x03') + "xx"},
        {"a negative string length", Str("savedata") + Int(-5, '\x03')},
        {"a bad string tag", Str("savedata") + Int(3, '\x05') + "abc"},
    };
    for (const Case& c : cases) {
        VNSaveRecord record;
        const auto start = std::chrono::steady_clock::now();
        EXPECT_FALSE(Read(c.bytes, record)) << c.what;
        // A damaged length is refused without reading or allocating its size.
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1)) << c.what;
    }
    VNSaveRecord record;
    EXPECT_TRUE(Read(good + "trailing bytes", record));
    EXPECT_FALSE(record.Load("/nonexistent/folder/save0.sav"));
}

TEST(VNSaveRecord, TimeStampIsMonthDayHourMinuteInShiftJis) {
    std::tm at{};
    at.tm_year = 2024 - 1900;
    at.tm_mon = 2; // March
    at.tm_mday = 7;
    at.tm_hour = 9;
    at.tm_min = 5;
    // 月 8C8E, 日 93FA, 時 8E9E, 分 95AA
    EXPECT_EQ(SaveTimeStamp(at).Bytes(), "03\x8c\x8e"
                                         "07\x93\xfa"
                                         "09\x8e\x9e"
                                         "05\x95\xaa");
    at.tm_mon = 11;
    at.tm_mday = 31;
    at.tm_hour = 23;
    at.tm_min = 59;
    EXPECT_EQ(SaveTimeStamp(at).Bytes(), "12\x8c\x8e"
                                         "31\x93\xfa"
                                         "23\x8e\x9e"
                                         "59\x95\xaa");
}

} // namespace

namespace {

// A slot's files belong together: a record that keeps the check value of its
// local parameters counts only beside that file; records without one (made
// before it was kept) count as before. Texts beyond their bounds make a
// record invalid at once, whatever it claims.
TEST(SaveSlots, ASlotHoldsDataOnlyWhenItsFilesBelongTogetherAndItsTextsAreBounded) {
    TempFolder folder;
    const std::string flg = folder / "save1.flg";
    const std::string sav = folder / "save1.sav";
    WriteBytes(flg, "local parameters");
    // 32-bit FNV-1a of "a" (offset basis 2166136261, prime 16777619).
    EXPECT_EQ(ParamFileCheck("a"), 0xE40C292Cu);
    const uint32_t check = ParamFileCheck("local parameters");
    const std::string longText(VNSaveRecord::kMaxTextBytes + 1, 'x');
    const std::string longest(VNSaveRecord::kMaxTextBytes, 'x');
    const std::string title = Str("\x91\xe6\x93\xf1\x8f\xcd");
    const std::string old = SampleBytes();
    struct Case {
        const char* what;
        std::string bytes;
        bool holdsData;
    };
    const Case cases[] = {
        {"a record made before the check", old, true},
        {"the check of this file", old + Int(static_cast<int32_t>(check)), true},
        {"the check of another file", old + Int(static_cast<int32_t>(check + 1)), false},
        {"a title at its bound",
         [&] {
             std::string b = old;
             return b.replace(b.find(title), title.size(), Str(longest.c_str()));
         }(),
         true},
        {"a title beyond its bound",
         [&] {
             std::string b = old;
             return b.replace(b.find(title), title.size(), Str(longText.c_str()));
         }(),
         false},
    };
    for (const Case& c : cases) {
        WriteBytes(sav, c.bytes);
        VNSaveRecord record;
        EXPECT_EQ(LoadSlot(sav, flg, record), c.holdsData) << c.what;
    }
    // The list shows a line's worth of a long title, cut between characters.
    VNSaveRecord record = Sample();
    record.title = VNString(std::string(95, 'a').append("\x91\xe6").c_str());
    EXPECT_EQ(SlotLine(2, &record), VNString(u8"データ2 ") + record.timeStamp + VNString(" ") +
                                        VNString(std::string(95, 'a').c_str()));
}

} // namespace
