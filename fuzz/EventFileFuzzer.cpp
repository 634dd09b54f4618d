// Arbitrary bytes as an event file: loading never crashes, every failure has
// a description, and a list that loaded saves and loads back to the same bytes.
#include "scenario/VNEventFile.h"
#include "scenario/VNFileReader.h"

#include "FileRoundTrip.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    VNEventFile file;
    VNFileReader reader;
    reader.OpenMemory(data, size);
    VNLoadError why;
    const bool loaded = file.Load(reader, &why);
    if (why.Describe().empty())
        fuzz::Broken("a load error has a description");
    if (loaded != (why.kind == VNLoadError::Kind::None))
        fuzz::Broken("a load fails exactly when it reports an error");
    if (static_cast<size_t>(file.GetCount()) * 5 > size)
        fuzz::Broken("every event comes from at least five bytes");
    if (!loaded)
        return 0;

    const std::string saved = fuzz::SavedBytes(file);
    VNEventFile again;
    VNFileReader saved_reader;
    saved_reader.OpenMemory(saved.data(), saved.size());
    if (!again.Load(saved_reader) || again.GetCount() != file.GetCount())
        fuzz::Broken("a saved list loads back whole");
    for (int32_t e = 0; e < file.GetCount(); ++e) {
        const VNEvent& a = *file.Get(e);
        const VNEvent& b = *again.Get(e);
        if (a.GetCode() != b.GetCode() || a.GetCode() == EVENTCODE_MIDIOLD)
            fuzz::Broken("codes survive, and no old MIDI event is left");
        for (int32_t n = 0; n < a.GetParamCount(); ++n)
            if (a.IsIntArg(n) ? a.GetInt(n) != b.GetInt(n) : a.GetString(n) != b.GetString(n))
                fuzz::Broken("arguments survive");
    }
    if (fuzz::SavedBytes(again) != saved)
        fuzz::Broken("saving again gives the same bytes");
    return 0;
}
