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
    return ok && writer.WriteString(midiFile) && writer.WriteString(mp3File) &&
           writer.WriteInt(cdTrack);
}

bool VNSaveRecord::Load(const std::string& path) {
    VNFileReader reader;
    return reader.Open(path) && Load(reader);
}

bool VNSaveRecord::Load(VNFileReader& reader) {
    // Every string item is checked against the bytes left before anything of
    // its size is allocated, so a damaged length costs nothing.
    bool ok = vn::ReadSignature(reader, kMagic, nullptr) && reader.ReadString(timeStamp) &&
              reader.ReadString(eventFile) && reader.ReadInt(programCounter) &&
              reader.ReadString(title);
    for (VNString& layer : layers)
        ok = ok && reader.ReadString(layer);
    for (int32_t& fade : fades)
        ok = ok && reader.ReadInt(fade);
    return ok && reader.ReadString(midiFile) && reader.ReadString(mp3File) &&
           reader.ReadInt(cdTrack);
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
