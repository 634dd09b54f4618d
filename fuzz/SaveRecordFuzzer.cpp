// Arbitrary bytes as a save record: reading never crashes nor allocates
// beyond the input, and a record that reads saves and reads back the same.
#include "scenario/VNFileReader.h"
#include "scenario/VNSaveRecord.h"

#include "FileRoundTrip.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    VNSaveRecord record;
    VNFileReader reader;
    reader.OpenMemory(data, size);
    if (!record.Load(reader))
        return 0;
    if (reader.Offset() > static_cast<int64_t>(size))
        fuzz::Broken("a record reads no more than the input holds");

    const std::string saved = fuzz::SavedBytes(record);
    VNSaveRecord again;
    VNFileReader saved_reader;
    saved_reader.OpenMemory(saved.data(), saved.size());
    if (!again.Load(saved_reader) || saved_reader.Offset() != static_cast<int64_t>(saved.size()))
        fuzz::Broken("a saved record reads back whole");
    if (again.timeStamp != record.timeStamp || again.eventFile != record.eventFile ||
        again.programCounter != record.programCounter || again.title != record.title ||
        again.layers != record.layers || again.fades != record.fades ||
        again.midiFile != record.midiFile || again.mp3File != record.mp3File ||
        again.cdTrack != record.cdTrack)
        fuzz::Broken("every item survives");
    if (fuzz::SavedBytes(again) != saved)
        fuzz::Broken("saving again gives the same bytes");
    return 0;
}
