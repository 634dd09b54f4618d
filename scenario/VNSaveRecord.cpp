#include "scenario/VNSaveRecord.h"

#include "scenario/VNFileReader.h"
#include "scenario/VNFileWriter.h"
#include "scenario/private/DataFile.h"

bool VNSaveRecord::Save(const std::string& path) const {
    return vn::SaveFile(path, nullptr, [this](VNFileWriter& writer) { return Save(writer); });
}

bool VNSaveRecord::Save(VNFileWriter& writer) const {
    bool ok = writer.WriteString(kMagic) && writer.WriteString(timeStamp) &&
              writer.WriteString(eventFile) && writer.WriteInt(programCounter) &&
              writer.WriteString(title);
    for (const VNString& layer : layers)
        ok = ok && writer.WriteString(layer);
    for (const int32_t fade : fades)
        ok = ok && writer.WriteInt(fade);
    ok = ok && writer.WriteString(midiFile) && writer.WriteString(mp3File) &&
         writer.WriteInt(cdTrack);
    if (ok && localCheck)
        ok = writer.WriteInt(static_cast<int32_t>(*localCheck));
    return ok;
}

bool VNSaveRecord::Load(const std::string& path) {
    VNFileReader reader;
    return reader.Open(path) && Load(reader);
}

bool VNSaveRecord::Load(VNFileReader& reader) {
    // Every string item is checked against the bytes left before anything of
    // its size is allocated, so a damaged length costs nothing.
    bool ok = vn::ReadSignature(reader, kMagic, nullptr) &&
              reader.ReadString(timeStamp, kMaxStampBytes) &&
              reader.ReadString(eventFile, kMaxTextBytes) && reader.ReadInt(programCounter) &&
              reader.ReadString(title, kMaxTextBytes);
    for (VNString& layer : layers)
        ok = ok && reader.ReadString(layer, kMaxLayerBytes);
    for (int32_t& fade : fades)
        ok = ok && reader.ReadInt(fade);
    ok = ok && reader.ReadString(midiFile, kMaxTextBytes) &&
         reader.ReadString(mp3File, kMaxTextBytes) && reader.ReadInt(cdTrack);
    localCheck.reset();
    // Exactly one more integer item: the check value. Anything else after
    // item 23 is ignored, as it always was.
    constexpr int64_t kIntItemBytes = 5;
    if (!ok || reader.BytesLeft() != kIntItemBytes)
        return ok;
    int32_t check = 0;
    if (!reader.ReadInt(check))
        return false;
    localCheck = static_cast<uint32_t>(check);
    return true;
}

VNString SaveTimeStamp(const std::tm& local) {
    // The month, day, hour and minute with their Japanese units; strftime
    // copies the UTF-8 units unchanged.
    char text[128];
    const size_t length = std::strftime(text, sizeof text, "%m月%d日%H時%M分", &local);
    VNString stamp;
    VNString::FromUtf8(std::string_view(text, length), stamp);
    return stamp;
}
