// Arbitrary bytes as a flag-data file: loading never crashes, names stay
// unique, and a table that loaded saves and loads back to the same bytes.
#include "scenario/VNFileReader.h"
#include "scenario/VNParamFile.h"

#include "FileRoundTrip.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    VNParamFile table;
    VNFileReader reader;
    reader.OpenMemory(data, size);
    VNLoadError why;
    const bool loaded = table.Load(reader, &why);
    if (why.Describe().empty() || loaded != (why.kind == VNLoadError::Kind::None))
        fuzz::Broken("a load fails exactly when it reports an error");
    for (int32_t i = 0; i < table.GetCount(); ++i)
        if (table.Find(table.GetName(i)) != i)
            fuzz::Broken("names are unique");
    if (!loaded)
        return 0;

    const std::string saved = fuzz::SavedBytes(table);
    VNParamFile again;
    VNFileReader saved_reader;
    saved_reader.OpenMemory(saved.data(), saved.size());
    if (!again.Load(saved_reader) || again.GetCount() != table.GetCount())
        fuzz::Broken("a saved table loads back whole");
    for (int32_t i = 0; i < table.GetCount(); ++i)
        if (again.GetName(i) != table.GetName(i) || again.GetValue(i) != table.GetValue(i))
            fuzz::Broken("entries survive");
    if (fuzz::SavedBytes(again) != saved)
        fuzz::Broken("saving again gives the same bytes");
    return 0;
}
