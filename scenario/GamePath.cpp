#include "scenario/GamePath.h"

#include "scenario/ShiftJis.h"

#include <algorithm>
#include <cstdio>
#include <dirent.h>
#include <memory>
#include <sys/stat.h>
#include <vector>

namespace {

bool Exists(const std::string& path) {
    struct stat info;
    return stat(path.c_str(), &info) == 0;
}

// Upper-case letters of the scripts Shift-JIS holds, folded to lower case.
char16_t FoldCase(char16_t c) {
    if ((c >= u'A' && c <= u'Z') || (c >= 0x0391 && c <= 0x03A9) || (c >= 0x0410 && c <= 0x042F))
        return static_cast<char16_t>(c + 0x20);
    if (c >= 0xFF21 && c <= 0xFF3A) // full-width Ａ..Ｚ
        return static_cast<char16_t>(c + 0x20);
    if (c >= 0x0400 && c <= 0x040F) // Ё and the other Cyrillic capitals before А
        return static_cast<char16_t>(c + 0x50);
    return c;
}

// A name folded for comparison; names that are not UTF-8 compare by bytes.
std::u16string Folded(const std::string& utf8) {
    std::u16string wide;
    if (!vn::sjis::Utf8ToWide(utf8, wide)) {
        wide.clear();
        for (unsigned char b : utf8)
            wide += static_cast<char16_t>(0xDC00 + b);
    }
    for (char16_t& c : wide)
        c = FoldCase(c);
    return wide;
}

// The entry of `folder` equal to `component` except for letter case; the
// first in byte order when several are; empty when none is.
std::string FindIgnoringCase(const std::string& folder, const std::string& component) {
    std::unique_ptr<DIR, int (*)(DIR*)> dir(opendir(folder.empty() ? "." : folder.c_str()),
                                            &closedir);
    if (!dir)
        return {};
    const std::u16string wanted = Folded(component);
    std::vector<std::string> matches;
    while (const dirent* entry = readdir(dir.get())) {
        const std::string name = entry->d_name;
        if (name != "." && name != ".." && Folded(name) == wanted)
            matches.push_back(name);
    }
    if (matches.empty())
        return {};
    return *std::min_element(matches.begin(), matches.end());
}

std::string Join(const std::string& folder, const std::string& name) {
    if (folder.empty())
        return name;
    if (folder.back() == '/')
        return folder + name;
    return folder + "/" + name;
}

} // namespace

std::string NativeName(const VNString& name) {
    std::string out;
    std::u16string run;
    auto flush = [&] {
        std::string utf8;
        vn::sjis::WideToUtf8(run, utf8); // units from Shift-JIS always convert
        out += utf8;
        run.clear();
    };
    for (char16_t c : name.Wide()) {
        if (vn::sjis::IsEscape(c)) {
            flush();
            out += static_cast<char>(c - vn::sjis::kEscapeBase);
        } else {
            run += c == u'\\' ? u'/' : c;
        }
    }
    flush();
    return out;
}

std::string GamePath(std::string_view folder_view, const VNString& name) {
    const std::string folder(folder_view);
    const std::string native = NativeName(name);
    if (native.empty())
        return folder;
    const std::string exact = Join(folder, native);
    if (Exists(exact))
        return exact;

    // Component by component; once one is missing the rest is kept as written.
    std::string path = folder.empty() && native.front() == '/' ? "/" : folder;
    bool searching = true;
    size_t start = 0;
    while (start < native.size()) {
        size_t end = native.find('/', start);
        if (end == std::string::npos)
            end = native.size();
        const std::string component = native.substr(start, end - start);
        start = end + 1;
        if (component.empty())
            continue;
        std::string next = Join(path, component);
        if (searching && !Exists(next)) {
            const std::string match = FindIgnoringCase(path, component);
            if (match.empty())
                searching = false;
            else
                next = Join(path, match);
        }
        path = std::move(next);
    }
    return path;
}

std::vector<VNString> CdTrackNames(int32_t track) {
    std::vector<VNString> names;
    if (track <= 0)
        return names;
    // Ripping tools name tracks in these ways.
    static constexpr const char* kStems[] = {"track%02d", "track%d", "track %d"};
    static constexpr const char* kExtensions[] = {"ogg", "flac", "mp3", "wav"};
    for (const char* stem : kStems) {
        char name[48];
        std::snprintf(name, sizeof name, stem, static_cast<int>(track));
        for (const char* extension : kExtensions)
            names.push_back(VNString("cdda\\") + VNString(name) + VNString(".") +
                            VNString(extension));
    }
    return names;
}
