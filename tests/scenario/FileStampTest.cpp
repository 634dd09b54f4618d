// Whether a file on disk still holds what a program read of it.
#include "scenario/FileStamp.h"

#include "TempFolder.h"

#include <cstdio>
#include <functional>
#include <gtest/gtest.h>

namespace {

TEST(FileStamp, AChangeOnDiskIsSeenWhateverTheFileTimesSay) {
    struct Case {
        const char* name;
        bool before; // the file exists when stamped
        std::function<void(const std::string&)> change;
        bool changed; // writing it now would replace bytes not read
    };
    const Case cases[] = {
        {"same bytes again", true, [](const std::string& p) { WriteBytes(p, "abcd"); }, false},
        // At once, so the file times may not tick: the bytes tell.
        {"same size, other bytes", true, [](const std::string& p) { WriteBytes(p, "abce"); }, true},
        {"replaced by renaming", true,
         [](const std::string& p) {
             WriteBytes(p + ".new", "xyz");
             std::rename((p + ".new").c_str(), p.c_str());
         },
         true},
        {"deleted", true, [](const std::string& p) { std::remove(p.c_str()); }, false},
        {"made where none was", false, [](const std::string& p) { WriteBytes(p, "abcd"); }, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder folder;
        const std::string path = folder / "a.evt";
        if (c.before)
            WriteBytes(path, "abcd");
        const vn::FileStamp read = vn::FileStamp::Take(path);
        c.change(path);
        EXPECT_EQ(read.ChangedOnDisk(), c.changed);
    }
}

} // namespace
