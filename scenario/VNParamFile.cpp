#include "scenario/VNParamFile.h"

#include "scenario/VNAssert.h"
#include "scenario/VNFileReader.h"
#include "scenario/VNFileWriter.h"
#include "scenario/private/DataFile.h"

#include <algorithm>
#include <cerrno>
#include <new>

bool VNParamFile::Add(const VNString& name, int32_t value) {
    if (Find(name) != -1)
        return false;
    // The slot count grows in steps of 50; the storage below it grows
    // geometrically.
    if (GetCount() >= capacity)
        capacity += kGrowth;
    index.emplace(name.Bytes(), GetCount());
    names.push_back(name);
    values.push_back(value);
    return true;
}

int32_t VNParamFile::Find(const VNString& name) const {
    const auto found = index.find(name.Bytes());
    return found == index.end() ? -1 : found->second;
}

void VNParamFile::CheckPosition(int32_t n) const {
    const int32_t item_count = GetCount();
    VN_ASSERT(n < item_count);
    VN_ASSERT(n >= 0);
}

void VNParamFile::GetName(int32_t n, VNString& name) const {
    name = GetName(n);
}

void VNParamFile::GetValue(int32_t n, int32_t& value) const {
    value = GetValue(n);
}

const VNString& VNParamFile::GetName(int32_t n) const {
    CheckPosition(n);
    return names[static_cast<size_t>(n)];
}

int32_t VNParamFile::GetValue(int32_t n) const {
    CheckPosition(n);
    return values[static_cast<size_t>(n)];
}

void VNParamFile::SetValue(int32_t n, int32_t value) {
    CheckPosition(n);
    if (n >= 0 && n < GetCount())
        values[static_cast<size_t>(n)] = value;
}

void VNParamFile::Remove(int32_t n) {
    CheckPosition(n);
    if (n < 0 || n >= GetCount())
        return;
    index.erase(names[static_cast<size_t>(n)].Bytes());
    for (auto& [key, position] : index)
        if (position > n)
            --position;
    names.erase(names.begin() + n);
    values.erase(values.begin() + n);
}

void VNParamFile::Clear() {
    index.clear();
    names.clear();
    values.clear();
}

bool VNParamFile::Load(const std::string& path) {
    return Load(path, nullptr);
}

bool VNParamFile::Load(const std::string& path, VNLoadError* why) {
    VNFileReader reader;
    return vn::OpenForLoad(reader, path, why) && Load(reader, why);
}

bool VNParamFile::Load(VNFileReader& reader, VNLoadError* why) {
    const size_t before = names.size();
    int32_t at = -1;
    try {
        return LoadEntries(reader, why, at);
    } catch (const std::bad_alloc&) {
        // The entries of this load go again, so the caller has the memory
        // back to report the failure. Memory may have run out half-way
        // through an Add, so each container is trimmed by itself.
        std::erase_if(index, [before](const auto& entry) {
            return static_cast<size_t>(entry.second) >= before;
        });
        if (before == 0) {
            // Frees the slots as well.
            decltype(names)().swap(names);
            decltype(values)().swap(values);
            decltype(index)().swap(index);
        } else {
            names.erase(names.begin() + static_cast<std::ptrdiff_t>(before), names.end());
            values.erase(values.begin() + static_cast<std::ptrdiff_t>(before), values.end());
        }
        if (why)
            *why = vn::OutOfMemoryAt(at, VNLoadError::Place::Parameter);
        return false;
    }
}

bool VNParamFile::LoadEntries(VNFileReader& reader, VNLoadError* why, int32_t& at) {
    using Place = VNLoadError::Place;
    int32_t count = 0;
    if (!vn::ReadHeader(reader, kSignature, Place::ParameterCount, count, why))
        return false;
    for (int32_t i = 0; i < count; ++i) {
        at = i;
        const int64_t start = reader.Offset();
        VNString name;
        int32_t value = 0;
        if (!reader.ReadString(name) || !reader.ReadInt(value)) {
            if (why)
                *why = VNLoadError::FromReader(reader, Place::Parameter, i);
            return false;
        }
        if (!Add(name, value)) {
            if (why) {
                *why = VNLoadError();
                why->kind = VNLoadError::Kind::DuplicateName;
                why->place = Place::Parameter;
                why->index = i;
                why->offset = start;
                why->name = name;
            }
            return false;
        }
    }
    if (why)
        *why = VNLoadError();
    return true;
}

bool VNParamFile::Save(const std::string& path, int* error_number) const {
    return vn::SaveFile(path, error_number, [this](VNFileWriter& writer) { return Save(writer); });
}

bool VNParamFile::Save(VNFileWriter& writer) const {
    if (!writer.WriteString(kSignature) || !writer.WriteInt(GetCount()))
        return false;
    for (size_t i = 0; i < names.size(); ++i)
        if (!writer.WriteString(names[i]) || !writer.WriteInt(values[i]))
            return false;
    return true;
}
