// A table of named 32-bit parameters in declaration order.
//
// Flag-data file layout (tagged items, see VNFileItems.h): the string
// "flagdata", the integer N, then N entries of a string item (the name) and
// an integer item (the value). Names are unique, compared byte for byte.
#pragma once

#include "scenario/VNLoadError.h"
#include "scenario/VNString.h"

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

class VNFileReader;
class VNFileWriter;

class VNParamFile {
public:
    // Slots are added this many at a time; the table never shrinks.
    static constexpr int32_t kGrowth = 50;
    static constexpr const char* kSignature = "flagdata";

    // False (and nothing changes) when a parameter of that name exists.
    bool Add(const VNString& name, int32_t value);
    // Position of the parameter named `name`, or -1.
    int32_t Find(const VNString& name) const;
    int32_t GetCount() const { return static_cast<int32_t>(names.size()); }
    int32_t GetCapacity() const { return capacity; }

    // Each requires 0 <= n < count.
    void GetName(int32_t n, VNString& name) const;
    void GetValue(int32_t n, int32_t& value) const;
    const VNString& GetName(int32_t n) const;
    int32_t GetValue(int32_t n) const;
    void SetValue(int32_t n, int32_t value);
    void Remove(int32_t n);
    // Removes every parameter (the slots stay allocated).
    void Clear();

    // Adds the stored entries in file order. The table is not emptied
    // first; a stored name already in the table fails the load. Entries
    // added before a failure stay, except when memory runs out (the load
    // then fails without throwing and releases the entries it added).
    bool Load(const std::string& path);
    bool Load(const std::string& path, VNLoadError* why);
    bool Load(VNFileReader& reader, VNLoadError* why = nullptr);

    // Writes every entry; by path the file is replaced only when complete.
    bool Save(const std::string& path, int* error_number = nullptr) const;
    bool Save(VNFileWriter& writer) const;

private:
    void CheckPosition(int32_t n) const;
    // The items of Load; `at` follows the entry being read (-1 in the header).
    bool LoadEntries(VNFileReader& reader, VNLoadError* why, int32_t& at);

    std::vector<VNString> names;
    std::vector<int32_t> values;
    // Position of each name, so that Find (and so Add and Load) stays fast
    // in large tables.
    std::unordered_map<std::string, int32_t> index;
    int32_t capacity = 0;
};
