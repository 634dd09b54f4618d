#include "scenario/VNEventFile.h"
#include "scenario/VNFileReader.h"

#include "ItemBytes.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <climits>

namespace {

using item_bytes::Int;
using item_bytes::Plain;
using item_bytes::Str;

const std::string kHeader = Str("eventdata");

bool LoadBytes(const std::string& bytes, VNEventFile& file, VNLoadError* why = nullptr) {
    VNFileReader reader;
    reader.OpenMemory(bytes.data(), bytes.size());
    return file.Load(reader, why);
}

TEST(VNEventFileFormat, SizesOfTheSmallestFiles) {
    TempFolder folder;
    const std::string path = folder / "empty.evt";
    VNEventFile empty;
    ASSERT_TRUE(empty.Save(path));
    EXPECT_EQ(ReadBytes(path), kHeader + Int(0));
    EXPECT_EQ(ReadBytes(path).size(), 19u);
    VNEventFile loaded;
    EXPECT_TRUE(loaded.Load(path));
    EXPECT_EQ(loaded.GetCount(), 0);

    VNEventFile two;
    auto narration = std::make_unique<VNEvent>(EVENTCODE_NARRATION);
    narration->SetString(0, VNString("abc"));
    two.Push(std::move(narration));
    two.Push(std::make_unique<VNEvent>(EVENTCODE_WAITCLICK));
    two.Push(std::make_unique<VNEvent>(EVENTCODE_COMMENT));
    ASSERT_TRUE(two.Save(path));
    const std::string records = Int(1) + Str("abc") + Int(13) + Int(16) + Str("");
    EXPECT_EQ(ReadBytes(path), kHeader + Int(3) + records);
    EXPECT_EQ(records.size(), 13u + 5u + 10u);
}

TEST(VNEventFileFormat, SignatureMustBeExactButMayBePlain) {
    VNEventFile file;
    EXPECT_TRUE(LoadBytes(Plain("eventdata") + Int(1) + Int(13), file));
    EXPECT_EQ(file.GetCount(), 1);

    for (const std::string& bad :
         {std::string("eventdatA"), std::string("EVENTDATA"), std::string("eventdat"),
          std::string("eventdatax"), std::string("eventdata\0", 10), std::string("flagdata")}) {
        VNEventFile other;
        VNLoadError why;
        EXPECT_FALSE(LoadBytes(Str(bad) + Int(0), other, &why)) << bad;
        EXPECT_EQ(why.kind, VNLoadError::Kind::BadSignature) << bad;
    }
    VNEventFile other;
    VNLoadError why;
    EXPECT_FALSE(LoadBytes(Int(9) + Int(0), other, &why)); // not a string item at all
    EXPECT_EQ(why.Describe(), "wrong file type: the signature \"eventdata\" is missing");
}

TEST(VNEventFileFormat, CodesOutsideTheTableFail) {
    for (int32_t code : {0, 24, -1, INT32_MIN}) {
        VNEventFile file;
        VNLoadError why;
        EXPECT_FALSE(LoadBytes(kHeader + Int(2) + Int(13) + Int(code), file, &why)) << code;
        EXPECT_EQ(file.GetCount(), 1) << code; // the event before stays
        EXPECT_EQ(why.kind, VNLoadError::Kind::UnknownCode);
        EXPECT_EQ(why.code, code);
        EXPECT_EQ(why.index, 1);
    }
    VNEventFile file;
    VNLoadError why;
    LoadBytes(kHeader + Int(1) + Int(24), file, &why);
    EXPECT_EQ(why.Describe(), "unknown event code 24 at event 1 (counted from 1)");
}

TEST(VNEventFileFormat, OldMidiEventsBecomeMidiEvents) {
    VNEventFile file;
    ASSERT_TRUE(LoadBytes(kHeader + Int(2) + Int(8) + Str("a.mid") + Int(300) + Int(23) +
                              Str("b.mid") + Int(0) + Int(1),
                          file));
    ASSERT_EQ(file.GetCount(), 2);
    EXPECT_EQ(file.Get(0)->GetCode(), EVENTCODE_MIDI);
    EXPECT_EQ(file.Get(0)->GetString(0), VNString("a.mid"));
    EXPECT_EQ(file.Get(0)->GetInt(1), 300);
    EXPECT_EQ(file.Get(0)->GetInt(2), 0);
    EXPECT_EQ(file.Get(1)->GetInt(2), 1);

    TempFolder folder;
    ASSERT_TRUE(file.Save(folder / "midi.evt"));
    EXPECT_EQ(ReadBytes(folder / "midi.evt"), kHeader + Int(2) + Int(23) + Str("a.mid") + Int(300) +
                                                  Int(0) + Int(23) + Str("b.mid") + Int(0) +
                                                  Int(1));
}

TEST(VNEventFileFormat, IntegerTagsAreNotCheckedAndNegativeCountsReadAsNone) {
    VNEventFile file;
    ASSERT_TRUE(LoadBytes(kHeader + Int(1, '\x00') + Int(14, '\x07') + Int(-5, '\xff'), file));
    ASSERT_EQ(file.GetCount(), 1);
    EXPECT_EQ(file.Get(0)->GetInt(0), -5);

    VNEventFile none;
    EXPECT_TRUE(LoadBytes(kHeader + Int(-3) + Int(13), none));
    EXPECT_EQ(none.GetCount(), 0);
}

// One event of every code (8 excluded: it is read as 23), with double-byte
// text whose second byte is 0x5C, the byte 0xFF, empty strings and extremes.
std::string EveryCodeFile(VNEventFile& list) {
    const std::string texts[] = {"\x83\x5c\x95\x5c", "\xff\x01 \t", "", "nil", "a,b/c"};
    const int32_t numbers[] = {INT32_MIN, INT32_MAX, 0, -1, 12345};
    std::string records;
    int count = 0, t = 0, i = 0;
    for (int32_t code = 1; code <= 23; ++code) {
        if (code == EVENTCODE_MIDIOLD)
            continue;
        auto event = std::make_unique<VNEvent>(code);
        records += Int(code);
        const char* letters = GetEventDescriptor(code).arg_type_desc;
        for (int n = 0; letters[n]; ++n) {
            if (letters[n] == 'S') {
                const std::string& text = texts[t++ % 5];
                event->SetString(n, VNString::FromBytes(text));
                records += Str(text);
            } else {
                const int32_t number = numbers[i++ % 5];
                event->SetInt(n, number);
                records += Int(number);
            }
        }
        list.Push(std::move(event));
        ++count;
    }
    return kHeader + Int(count) + records;
}

TEST(VNEventFileFormat, EveryCodeRoundTripsByteForByte) {
    VNEventFile list;
    const std::string expected = EveryCodeFile(list);
    TempFolder folder;
    const std::string path = folder / "all.evt";
    ASSERT_TRUE(list.Save(path));
    ASSERT_EQ(ReadBytes(path), expected);

    VNEventFile back;
    ASSERT_TRUE(back.Load(path));
    ASSERT_EQ(back.GetCount(), list.GetCount());
    for (int32_t e = 0; e < list.GetCount(); ++e) {
        const VNEvent& a = *list.Get(e);
        const VNEvent& b = *back.Get(e);
        ASSERT_EQ(a.GetCode(), b.GetCode());
        for (int32_t n = 0; n < a.GetParamCount(); ++n) {
            if (a.IsIntArg(n))
                EXPECT_EQ(a.GetInt(n), b.GetInt(n));
            else
                EXPECT_EQ(a.GetString(n).Bytes(), b.GetString(n).Bytes());
        }
    }
    ASSERT_TRUE(back.Save(path));
    EXPECT_EQ(ReadBytes(path), expected);
}

TEST(VNEventFileFormat, EveryTruncationFailsKeepingTheWholeEventsBefore) {
    VNEventFile list;
    const std::string bytes = EveryCodeFile(list);
    // Where each record ends: after the 19-byte header, records follow.
    std::vector<size_t> ends;
    {
        size_t offset = kHeader.size() + 5;
        for (int32_t e = 0; e < list.GetCount(); ++e) {
            offset += 5;
            for (int32_t n = 0; n < list.Get(e)->GetParamCount(); ++n)
                offset += list.Get(e)->IsIntArg(n)
                              ? 5
                              : 5 + static_cast<size_t>(list.Get(e)->GetString(n).GetByteLength());
            ends.push_back(offset);
        }
        ASSERT_EQ(offset, bytes.size());
    }
    for (size_t cut = 0; cut < bytes.size(); ++cut) {
        VNEventFile file;
        VNLoadError why;
        ASSERT_FALSE(LoadBytes(bytes.substr(0, cut), file, &why)) << cut;
        const auto whole = std::upper_bound(ends.begin(), ends.end(), cut) - ends.begin();
        EXPECT_EQ(file.GetCount(), whole) << cut;
        if (cut >= kHeader.size() + 5) {
            // A cut inside a text leaves fewer bytes than its length announces.
            EXPECT_TRUE(why.kind == VNLoadError::Kind::FileEnds ||
                        why.kind == VNLoadError::Kind::StringTooLong)
                << cut;
            EXPECT_EQ(why.index, whole) << cut;
        }
    }
    VNEventFile file;
    VNLoadError why;
    LoadBytes(bytes.substr(0, ends[2] + 7), file, &why);
    EXPECT_EQ(why.Describe(), "file ends inside event 4 (counted from 1)");
}

TEST(VNEventFileFormat, CountBeyondTheEventsFailsAtTheFirstMissingCode) {
    VNEventFile file;
    VNLoadError why;
    EXPECT_FALSE(LoadBytes(kHeader + Int(1000000) + Int(13) + Int(13), file, &why));
    EXPECT_EQ(file.GetCount(), 2);
    EXPECT_EQ(why.kind, VNLoadError::Kind::FileEnds);
    EXPECT_EQ(why.index, 2);
    EXPECT_EQ(file.GetCapacity(), 50); // the count is not used to allocate
}

TEST(VNEventFileFormat, HugeStringLengthFailsFast) {
    const auto start = std::chrono::steady_clock::now();
    VNEventFile file;
    VNLoadError why;
    EXPECT_FALSE(LoadBytes(kHeader + Int(1) + Int(1) + Int(0x7ffffff0, '\x03') + "xy", file, &why));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
    EXPECT_EQ(why.kind, VNLoadError::Kind::StringTooLong);
    EXPECT_EQ(why.Describe(), "string length 2147483632 is larger than the file (2 bytes left) in "
                              "event 1 (counted from 1)");
    VNEventFile negative;
    EXPECT_FALSE(LoadBytes(kHeader + Int(1) + Int(1) + Int(-1, '\x03'), negative, &why));
    EXPECT_EQ(why.kind, VNLoadError::Kind::NegativeLength);
    EXPECT_FALSE(LoadBytes(kHeader + Int(1) + Int(1) + Int(0, '\x04'), negative, &why));
    EXPECT_EQ(why.Describe(), "string item with tag 4 (not 2 or 3) in event 1 (counted from 1)");
}

TEST(VNEventFileFormat, LoadAndSaveByPathReportFailures) {
    TempFolder folder;
    VNEventFile file;
    VNLoadError why;
    EXPECT_FALSE(file.Load(folder / "missing.evt", &why));
    EXPECT_EQ(why.kind, VNLoadError::Kind::CannotOpen);
    EXPECT_EQ(why.Describe(), "cannot open the file: No such file or directory");

    // A failed save keeps the old file.
    const std::string path = folder / "start.evt";
    WriteBytes(path, "old");
    std::filesystem::create_directories(folder / "dir.evt/x");
    int error = 0;
    EXPECT_FALSE(file.Save(folder / "dir.evt", &error));
    EXPECT_NE(error, 0);
    EXPECT_FALSE(file.Save(folder / "no/such/folder.evt"));
    EXPECT_EQ(ReadBytes(path), "old");
    EXPECT_TRUE(file.Save(path));
    EXPECT_EQ(ReadBytes(path).size(), 19u);
}

} // namespace
