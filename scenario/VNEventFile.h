// The events of one event file, in order. The list owns its events.
//
// Event file layout (tagged items, see VNFileItems.h): the string "eventdata",
// the integer N, then N records; a record is the integer code (1..23)
// followed by one item per argument letter of that code ('I' an integer item,
// 'S' a string item). Records carry no length: the code alone fixes the shape.
#pragma once

#include "scenario/VNEvent.h"
#include "scenario/VNLoadError.h"
#include "scenario/VNString.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class VNFileReader;
class VNFileWriter;

class VNEventFile {
public:
    // Slots are added this many at a time; the list never shrinks.
    static constexpr int32_t kGrowth = 50;
    static constexpr const char* kSignature = "eventdata";

    VNEventFile() = default;
    ~VNEventFile();
    VNEventFile(const VNEventFile&) = delete;
    VNEventFile& operator=(const VNEventFile&) = delete;

    // Appends a newly made event; the list takes it over.
    void Push(std::unique_ptr<VNEvent> event);
    // Appends a copy of a caller's event.
    void Push(const VNEvent* event);
    // Inserts before position n (0 <= n <= count; n == count or -1 appends).
    void Insert(std::unique_ptr<VNEvent> event, int32_t n);
    void Insert(const VNEvent* event, int32_t n);
    // Destroys the event at n and stores a copy of `event` there.
    void Replace(const VNEvent* event, int32_t n);
    // Destroys the event at n and closes the gap.
    void Remove(int32_t n);
    // Destroys every event (the slots stay allocated).
    void Clear();

    VNEvent* Get(int32_t n);
    const VNEvent* Get(int32_t n) const;
    void GetCopy(int32_t n, VNEvent& event) const;
    int32_t GetCount() const { return static_cast<int32_t>(list.size()); }
    int32_t GetCapacity() const { return capacity; }

    // Position of the first label event whose name equals `name` byte for
    // byte, or -1.
    int32_t FindLabel(const VNString& name) const;

    // Appends the events of a file. When the load fails part-way the events
    // read before the failure stay in the list; `why` (when given) says what
    // failed and where. Running out of memory fails the load too (it never
    // throws); the events this load added are then released again.
    bool Load(const std::string& path);
    bool Load(const std::string& path, VNLoadError* why);
    bool Load(VNFileReader& reader, VNLoadError* why = nullptr);

    // Writes the whole list. Saving by path replaces the file only when the
    // whole list was written; otherwise the old file stays as it was.
    // `error_number` (when given) receives errno of a failure.
    bool Save(const std::string& path, int* error_number = nullptr) const;
    // Writes the items into an open writer; the caller closes it.
    bool Save(VNFileWriter& writer) const;

private:
    void GrowForOneMore();
    // The items of Load; `at` follows the event being read (-1 in the header).
    bool LoadRecords(VNFileReader& reader, VNLoadError* why, int32_t& at);

    std::vector<std::unique_ptr<VNEvent>> list;
    int32_t capacity = 0;
};
