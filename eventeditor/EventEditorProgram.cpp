#include "eventeditor/EventEditorProgram.h"

#include "eventeditor/EventEditDlg.h"
#include "platform/MessageBox.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

int RunEventEditor(const std::vector<std::string>& args) {
    std::string name = args.empty() ? std::string() : args.front();
    std::erase(name, '"');

    std::error_code error;
    if (!name.empty() && !std::filesystem::exists(name, error)) {
        platform::ShowMessage(nullptr, VNString(u8"指定されたファイルは存在しません。"),
                              VNString(u8"vnevedit"), platform::MsgButtons::Ok,
                              platform::MsgIcon::Warning);
        return 1;
    }
    EventEditDlg editor;
    return editor.Run(name) < 0 ? 1 : 0;
}
