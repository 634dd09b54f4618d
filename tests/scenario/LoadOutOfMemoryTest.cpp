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
#include <functional>
#include <string>
#include <vector>

namespace {

using item_bytes::Int;
using item_bytes::Str;

constexpr size_t kHeadroom = size_t{48} << 20;

// `count` copies of `record` after the header of `signature`.
std::string Repeated(const char* signature, int32_t count, const std::string& record) {
    std::string bytes = Str(signature) + Int(count);
    bytes.reserve(bytes.size() + record.size() * static_cast<size_t>(count));
    for (int32_t i = 0; i < count; ++i)
        bytes += record;
    return bytes;
}

// `count` parameters with distinct names.
std::string ManyParameters(int32_t count) {
    std::string bytes = Str("flagdata") + Int(count);
    char name[16];
    for (int32_t i = 0; i < count; ++i) {
        std::snprintf(name, sizeof name, "p%08d", i);
        bytes += Str(name) + Int(i);
    }
    return bytes;
}

struct Outcome {
    bool loaded = true;
    VNLoadError why;
    int32_t count = -1;
};

struct Case {
    const char* name;
    std::function<std::string()> bytes;
    std::function<Outcome(VNFileReader&)> load;
    VNLoadError::Place place;
};

template <class Table> Outcome LoadInto(VNFileReader& reader) {
    Table table;
    Outcome outcome;
    outcome.loaded = table.Load(reader, &outcome.why);
    outcome.count = table.GetCount();
    return outcome;
}

// In the child: caps memory, loads, and exits 0 only when the load failed
// with OutOfMemory, kept nothing, and the memory is usable again.
void LoadUnderLimit(const Case& c, const std::string& bytes) {
    if (!test_support::LimitAddressSpace(kHeadroom))
        _exit(2);
    VNFileReader reader;
    reader.OpenMemory(bytes.data(), bytes.size());
    const Outcome outcome = c.load(reader);
    if (outcome.loaded || outcome.why.kind != VNLoadError::Kind::OutOfMemory ||
        outcome.why.place != c.place || outcome.count != 0)
        _exit(3);
    std::vector<char> again(kHeadroom / 2, 'x');
    _exit(again.back() == 'x' && outcome.why.Describe().find("out of memory") == 0 ? 0 : 4);
}

} // namespace

TEST(LoadOutOfMemoryDeathTest, RunningOutOfMemoryFailsTheLoadWithoutThrowing) {
    if (test_support::kSanitized)
        GTEST_SKIP() << "sanitizers cannot run under an address space limit";
    // Each file needs several times the headroom once loaded.
    const Case cases[] = {
        {"waitclick events", [] { return Repeated("eventdata", 3'000'000, Int(13)); },
         LoadInto<VNEventFile>, VNLoadError::Place::Event},
        {"narrations", [] { return Repeated("eventdata", 1'500'000, Int(1) + Str("text")); },
         LoadInto<VNEventFile>, VNLoadError::Place::Event},
        {"parameters", [] { return ManyParameters(1'000'000); }, LoadInto<VNParamFile>,
         VNLoadError::Place::Parameter},
    };
    for (const Case& c : cases) {
        const std::string bytes = c.bytes();
        EXPECT_EXIT(LoadUnderLimit(c, bytes), testing::ExitedWithCode(0), "") << c.name;
    }
}
