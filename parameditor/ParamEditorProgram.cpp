#include "parameditor/ParamEditorProgram.h"

#include "parameditor/ParamEditDialog.h"
#include "platform/MessageBox.h"

#include <algorithm>
#include <filesystem>
#include <memory>
#include <system_error>

int RunParamEditor(const std::vector<std::string>& args) {
    std::string name = args.empty() ? std::string() : args.front();
    std::erase(name, '"');

    std::error_code error;
    if (!name.empty() && !std::filesystem::exists(name, error)) {
        platform::ShowMessage(nullptr, VNString(u8"指定されたファイルは存在しません。"),
                              VNString(u8"フラグエディタ"), platform::MsgButtons::Ok,
                              platform::MsgIcon::Warning);
        return 1;
    }

    // Taken before the read: a change made meanwhile is noticed later.
    const vn::FileStamp read = vn::FileStamp::Take(name);
    auto table = std::make_unique<VNParamFile>();
    if (!name.empty() && !table->Load(name)) {
        // A file that does not read is never overwritten by what was read of
        // it: the editor starts with an empty, unnamed table.
        platform::ShowMessage(nullptr, VNString(u8"ロードに失敗しました。"),
                              VNString(u8"vnparedit"), platform::MsgButtons::Ok,
                              platform::MsgIcon::Warning);
        table = std::make_unique<VNParamFile>();
        name.clear();
    }

    VNDParamEdit editor(std::move(table), name, name.empty() ? vn::FileStamp() : read);
    return editor.Run() < 0 ? 1 : 0;
}
