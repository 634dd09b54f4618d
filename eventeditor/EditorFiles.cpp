#include "eventeditor/EditorFiles.h"

const std::vector<platform::FileFilter>& EventFileFilters() {
    static const std::vector<platform::FileFilter> filters = {
        {VNString(u8"イベントファイル(*.evt)"), VNString(u8"*.evt")}};
    return filters;
}

std::string NativePathOf(const VNString& path) {
    std::string native;
    if (!path.ToUtf8(native))
        native = path.ToUtf8Lossy();
    return native;
}
