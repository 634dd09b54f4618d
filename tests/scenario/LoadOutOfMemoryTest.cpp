// Event and flag-data files larger than the memory there is: the load fails
// with OutOfMemory instead of throwing, and gives the memory back.
#include "scenario/VNEventFile.h"
#include "scenario/VNFileReader.h"
#include "scenario/VNParamFile.h"

#include "ItemBytes.h"
#include "tests/support/AddressSpaceLimit.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

using item_bytes::Int;
using item_bytes::Str;

constexpr size_t kHeadroom = size_t{48} << 20;

// A file of `count` records made by `record`(i) after the header of `signature`.
template <class Record> std::string FileOf(const char* signature, int32_t count, Record record) {
    std::string bytes = Str(signature) + Int(count);
    for (int32_t i = 0; i < count; ++i)
        bytes += record(i);
    return bytes;
}

// In the child: caps memory, loads into a fresh `Table`, and exits 0 only
// when the load failed with OutOfMemory at `place`, kept nothing, and the
// memory is usable again.
template <class Table> void LoadUnderLimit(const std::string& bytes, VNLoadError::Place place) {
    if (!test_support::LimitAddressSpace(kHeadroom))
        _exit(2);
    VNFileReader reader;
    reader.OpenMemory(bytes.data(), bytes.size());
    VNLoadError why;
    Table table;
    if (table.Load(reader, &why) || why.kind != VNLoadError::Kind::OutOfMemory ||
        why.place != place || table.GetCount() != 0)
        _exit(3);
    std::vector<char> again(kHeadroom / 2, 'x');
    _exit(again.back() == 'x' && why.Describe().find("out of memory at ") == 0 ? 0 : 4);
}

} // namespace

TEST(LoadOutOfMemoryDeathTest, RunningOutOfMemoryFailsTheLoadWithoutThrowing) {
    if (test_support::kSanitized)
        GTEST_SKIP() << "sanitizers cannot run under an address space limit";
    using Place = VNLoadError::Place;
    // Each file needs several times the headroom once loaded.
    const std::string waitClicks = FileOf("eventdata", 3'000'000, [](int32_t) { return Int(13); });
    EXPECT_EXIT(LoadUnderLimit<VNEventFile>(waitClicks, Place::Event), testing::ExitedWithCode(0),
                "");
    const std::string narrations =
        FileOf("eventdata", 1'500'000, [](int32_t) { return Int(1) + Str("text"); });
    EXPECT_EXIT(LoadUnderLimit<VNEventFile>(narrations, Place::Event), testing::ExitedWithCode(0),
                "");
    const std::string parameters = FileOf("flagdata", 1'000'000, [](int32_t i) {
        char name[16];
        std::snprintf(name, sizeof name, "p%08d", i);
        return Str(name) + Int(i);
    });
    EXPECT_EXIT(LoadUnderLimit<VNParamFile>(parameters, Place::Parameter),
                testing::ExitedWithCode(0), "");
}
