#include "platform/DropFiles.h"

#include "platform/NameWarning.h"
#include "platform/private/NativeName.h"

namespace platform {

DroppedFile DroppedFileFromNative(std::string native) {
    DroppedFile file;
    file.fitsShiftJis = detail::NativeToVNString(native, file.path);
    file.native = std::move(native);
    return file;
}

bool FirstDroppedFile(const DropFiles& drop, WindowHandle owner, const VNString& caption,
                      DroppedFile& file) {
    if (drop.files.empty())
        return false;
    if (!drop.files.front().fitsShiftJis) {
        WarnNameWithoutShiftJis(owner, VNString(u8"ファイル名"), caption);
        return false;
    }
    file = drop.files.front();
    return true;
}

} // namespace platform
