// The files of one game folder as the player finds them: names from event
// data resolved through GamePath (noting when only another letter case
// matches), pictures judged by the player's image readers, and the listing
// of the game's folders. Answers are kept, so a name used by many events is
// looked up once.
#pragma once

#include "graphics/ImageProbe.h"
#include "scenario/VNString.h"

#include <functional>
#include <string>
#include <unordered_map>

namespace gamecheck {

class GameFiles {
public:
    // `folder` is the game folder as a native path ("" for the current one).
    explicit GameFiles(std::string folder);

    struct Name {
        std::string path;     // native path, as the player opens it
        std::string relative; // the same without the game folder in front
        bool exists = false;
        bool caseDiffers = false; // found only by ignoring letter case
    };
    // A Windows-style name inside the game folder, such as "cg\\a.bmp".
    const Name& Resolve(const VNString& name);

    // What the image readers make of the file at a native path.
    const ImageFacts& Probe(const std::string& path);

    // The path of a native path relative to the game folder.
    std::string Relative(const std::string& path) const;
    // True when the game folder holds a folder of that name in any letter case.
    bool HasFolder(const char* name);
    // Calls `visit` with the native path of every file and folder below the
    // folder `name` (any letter case), recursively.
    void ForEachEntry(const char* name, const std::function<void(const std::string&)>& visit);

private:
    std::string folder_;
    std::unordered_map<std::string, Name> names_;
    std::unordered_map<std::string, ImageFacts> images_;
};

// True when event data (Shift-JIS, through GamePath) can name a file whose
// name on disk is `native`: the name is UTF-8, every character has a
// Shift-JIS form and it holds no "\", which GamePath reads as a separator.
bool NameHasShiftJisForm(const std::string& native);

} // namespace gamecheck
