#include "debugger/BreakpointStore.h"

#include "scenario/AtomicFile.h"
#include "scenario/GamePath.h"
#include "scenario/RegularFile.h"

#include <charconv>
#include <cstdio>
#include <filesystem>
#include <sstream>
#include <system_error>

namespace {

constexpr const char* kHeader = "vnprobe breakpoints 1";
// Far more than any game's stops: a larger file is not one of ours.
constexpr size_t kLimit = 4 * 1024 * 1024;

std::vector<std::string> Fields(const std::string& line) {
    std::vector<std::string> fields;
    size_t start = 0;
    for (;;) {
        const size_t tab = line.find('\t', start);
        fields.push_back(line.substr(start, tab - start));
        if (tab == std::string::npos) {
            return fields;
        }
        start = tab + 1;
    }
}

bool Number(const std::string& text, int32_t& value) {
    const char* end = text.data() + text.size();
    const auto [at, error] = std::from_chars(text.data(), end, value);
    return !text.empty() && error == std::errc() && at == end;
}

bool Name(const std::string& text, VNString& name) {
    return !text.empty() && VNString::FromUtf8(text, name);
}

// "b <file> <index>" or "b <file> <index> <param> <1|2> <value>", tabs
// between; "w <name>".
bool ParseLine(const std::string& line, ProbeStops& stops) {
    const std::vector<std::string> f = Fields(line);
    if (f[0] == "w" && f.size() == 2) {
        VNString name;
        if (!Name(f[1], name)) {
            return false;
        }
        stops.watches.push_back(name);
        return true;
    }
    if (f[0] != "b" || (f.size() != 3 && f.size() != 6)) {
        return false;
    }
    VNString file;
    int32_t index = 0;
    if (!Name(f[1], file) || !Number(f[2], index) || index < 0 || index > 0xFFFFFF) {
        return false;
    }
    if (f.size() == 3) {
        stops.breakpoints.Set(file, index, std::nullopt);
        return true;
    }
    BreakCondition condition;
    int32_t compare = 0;
    if (!Name(f[3], condition.param) || !Number(f[4], compare) || compare < 1 || compare > 2 ||
        !Number(f[5], condition.value)) {
        return false;
    }
    condition.compare = static_cast<BreakCondition::Compare>(compare);
    stops.breakpoints.Set(file, index, condition);
    return true;
}

} // namespace

std::string BreakpointStorePath(const std::string& gameFolder) {
    return GamePath(gameFolder, VNString("save\\breakpoints.txt"));
}

std::string FormatProbeStops(const ProbeStops& stops) {
    std::ostringstream out;
    out << kHeader << '\n';
    for (const VNString& file : stops.breakpoints.Files()) {
        for (const Breakpoints::Entry& entry : stops.breakpoints.EntriesOf(file)) {
            out << "b\t" << file.ToUtf8Lossy() << '\t' << entry.index;
            if (entry.condition) {
                out << '\t' << entry.condition->param.ToUtf8Lossy() << '\t'
                    << static_cast<int32_t>(entry.condition->compare) << '\t'
                    << entry.condition->value;
            }
            out << '\n';
        }
    }
    for (const VNString& name : stops.watches) {
        out << "w\t" << name.ToUtf8Lossy() << '\n';
    }
    return out.str();
}

bool ParseProbeStops(const std::string& text, ProbeStops& stops) {
    stops = ProbeStops();
    std::istringstream in(text);
    std::string line;
    bool ended = text.empty() || text.back() == '\n';
    if (!ended || !std::getline(in, line) || line != kHeader) {
        return false;
    }
    while (std::getline(in, line)) {
        if (!ParseLine(line, stops)) {
            stops = ProbeStops();
            return false;
        }
    }
    return true;
}

ProbeStops ReadProbeStops(const std::string& path) {
    ProbeStops stops;
    std::string text;
    if (vn::ReadRegularFile(path, text, kLimit + 1) && text.size() <= kLimit) {
        ParseProbeStops(text, stops);
    }
    return stops;
}

bool WriteProbeStops(const std::string& path, const ProbeStops& stops) {
    std::error_code ignored;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ignored);
    const std::string text = FormatProbeStops(stops);
    vn::AtomicFile file;
    if (!file.Open(path) ||
        std::fwrite(text.data(), 1, text.size(), file.Stream()) != text.size()) {
        return false;
    }
    return file.Commit();
}
