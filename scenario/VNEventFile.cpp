#include "scenario/VNEventFile.h"

#include "scenario/VNAssert.h"
#include "scenario/VNFileReader.h"
#include "scenario/VNFileWriter.h"
#include "scenario/private/DataFile.h"

#include <cerrno>
#include <cstddef>
#include <new>

VNEventFile::~VNEventFile() {
    for (size_t i = 0; i < list.size(); ++i)
        VN_ASSERT(list[i] != NULL);
}

void VNEventFile::GrowForOneMore() {
    // The slot count grows in steps of 50; the storage below it grows
    // geometrically, so long files load in linear time.
    if (GetCount() >= capacity)
        capacity += kGrowth;
}

void VNEventFile::Push(std::unique_ptr<VNEvent> owned) {
    const VNEvent* event = owned.get();
    VN_ASSERT(event != NULL);
    if (!event)
        return;
    GrowForOneMore();
    list.push_back(std::move(owned));
}

void VNEventFile::Push(const VNEvent* event) {
    VN_ASSERT(event != NULL);
    if (!event)
        return;
    Push(std::make_unique<VNEvent>(*event));
}

void VNEventFile::Insert(std::unique_ptr<VNEvent> owned, int32_t n) {
    const VNEvent* event = owned.get();
    VN_ASSERT(event != NULL);
    if (!event)
        return;
    const int32_t item_count = GetCount();
    if (n == -1)
        n = item_count;
    VN_ASSERT(n <= item_count && n >= 0);
    if (n > item_count || n < 0)
        return;
    GrowForOneMore();
    list.insert(list.begin() + n, std::move(owned));
}

void VNEventFile::Insert(const VNEvent* event, int32_t n) {
    VN_ASSERT(event != NULL);
    if (!event)
        return;
    Insert(std::make_unique<VNEvent>(*event), n);
}

void VNEventFile::Replace(const VNEvent* event, int32_t n) {
    VN_ASSERT(event != NULL);
    const int32_t item_count = GetCount();
    VN_ASSERT(n < item_count && n >= 0);
    if (!event || n >= item_count || n < 0)
        return;
    list[static_cast<size_t>(n)] = std::make_unique<VNEvent>(*event);
}

void VNEventFile::Remove(int32_t n) {
    const int32_t item_count = GetCount();
    VN_ASSERT(n < item_count && n >= 0);
    if (n >= item_count || n < 0)
        return;
    list.erase(list.begin() + n);
}

void VNEventFile::Clear() {
    list.clear();
}

VNEvent* VNEventFile::Get(int32_t n) {
    const int32_t item_count = GetCount();
    VN_ASSERT(n < item_count && n >= 0);
    return list[static_cast<size_t>(n)].get();
}

const VNEvent* VNEventFile::Get(int32_t n) const {
    const int32_t item_count = GetCount();
    VN_ASSERT(n < item_count && n >= 0);
    return list[static_cast<size_t>(n)].get();
}

void VNEventFile::GetCopy(int32_t n, VNEvent& event) const {
    event = *Get(n);
}

int32_t VNEventFile::FindLabel(const VNString& name) const {
    for (size_t i = 0; i < list.size(); ++i)
        if (list[i]->GetCode() == EVENTCODE_LABEL && list[i]->GetString(0) == name)
            return static_cast<int32_t>(i);
    return -1;
}

bool VNEventFile::Load(const std::string& path) {
    return Load(path, nullptr);
}

bool VNEventFile::Load(const std::string& path, VNLoadError* why) {
    VNFileReader reader;
    return vn::OpenForLoad(reader, path, why) && Load(reader, why);
}

namespace {

// The event that goes into the list: the old MIDI form becomes the new one.
std::unique_ptr<VNEvent> Modernised(std::unique_ptr<VNEvent> event) {
    if (event->GetCode() != EVENTCODE_MIDIOLD)
        return event;
    auto midi = std::make_unique<VNEvent>(EVENTCODE_MIDI);
    midi->SetString(0, event->GetString(0));
    midi->SetInt(1, event->GetInt(1));
    midi->SetInt(2, 0);
    return midi;
}

} // namespace

bool VNEventFile::Load(VNFileReader& reader, VNLoadError* why) {
    const size_t before = list.size();
    int32_t at = -1;
    try {
        return LoadRecords(reader, why, at);
    } catch (const std::bad_alloc&) {
        // The events of this load go again, so the caller has the memory
        // back to report the failure.
        if (before == 0)
            decltype(list)().swap(list); // frees the slots as well
        else
            list.erase(list.begin() + static_cast<std::ptrdiff_t>(before), list.end());
        if (why)
            *why = vn::OutOfMemoryAt(at, VNLoadError::Place::Event);
        return false;
    }
}

bool VNEventFile::LoadRecords(VNFileReader& reader, VNLoadError* why, int32_t& at) {
    using Place = VNLoadError::Place;
    int32_t count = 0;
    if (!vn::ReadHeader(reader, kSignature, Place::EventCount, count, why))
        return false;
    // The count is trusted for nothing but the number of records to read.
    for (int32_t i = 0; i < count; ++i) {
        at = i;
        const int64_t start = reader.Offset();
        int32_t code = 0;
        if (!reader.ReadInt(code)) {
            if (why)
                *why = VNLoadError::FromReader(reader, Place::Event, i);
            return false;
        }
        if (!IS_VALID_EVENT_CODE(code)) {
            if (why) {
                *why = VNLoadError();
                why->kind = VNLoadError::Kind::UnknownCode;
                why->place = Place::Event;
                why->index = i;
                why->offset = start;
                why->code = code;
            }
            return false;
        }
        auto event = std::make_unique<VNEvent>(code);
        const char* letters = event->GetDescriptor().arg_type_desc;
        for (int32_t n = 0; letters[n]; ++n) {
            const char c = letters[n];
            bool ok = false;
            if (c == 'S') {
                VNString text;
                ok = reader.ReadString(text);
                if (ok)
                    event->SetString(n, text);
            } else {
                VN_ASSERT(c == 'I');
                int32_t value = 0;
                ok = reader.ReadInt(value);
                if (ok)
                    event->SetInt(n, value);
            }
            if (!ok) {
                if (why)
                    *why = VNLoadError::FromReader(reader, Place::Event, i);
                return false;
            }
        }
        Push(Modernised(std::move(event)));
    }
    if (why)
        *why = VNLoadError();
    return true;
}

bool VNEventFile::Save(const std::string& path, int* error_number) const {
    return vn::SaveFile(path, error_number, [this](VNFileWriter& writer) { return Save(writer); });
}

bool VNEventFile::Save(VNFileWriter& writer) const {
    if (!writer.WriteString(kSignature) || !writer.WriteInt(GetCount()))
        return false;
    for (const auto& event : list) {
        if (!writer.WriteInt(event->GetCode()))
            return false;
        const char* letters = event->GetDescriptor().arg_type_desc;
        for (int32_t n = 0; letters[n]; ++n) {
            const char c = letters[n];
            if (c != 'S')
                VN_ASSERT(c == 'I');
            const bool ok = c == 'S' ? writer.WriteString(event->GetString(n))
                                     : writer.WriteInt(event->GetInt(n));
            if (!ok)
                return false;
        }
    }
    return true;
}
