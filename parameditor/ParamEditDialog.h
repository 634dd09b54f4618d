// The window of vnparedit: the parameters of one flag-data file as a list
// of "name　value" lines, with open, save, save as, exit, add, rename, set
// value and delete, and files dropped on it.
#pragma once

#include "platform/FileFollower.h"
#include "scenario/FileStamp.h"
#include "scenario/VNParamFile.h"
#include "window/VNDialog.h"

#include <memory>
#include <string>

class VNDParamEdit : public VNDialog {
public:
    // Menu commands of IDR_MENU.
    static constexpr int ID_OPEN = 40001;
    static constexpr int ID_SAVE = 40002;
    static constexpr int ID_SAVEAS = 40003;
    static constexpr int ID_EXIT = 40004;
    static constexpr int ID_ADD = 40005;
    static constexpr int ID_RENAME = 40006;
    static constexpr int ID_SETVALUE = 40007;
    static constexpr int ID_DELETE = 40008;
    static constexpr int IDC_LIST = 1011;

    // `fileName` is the native path Save writes ("" for none); `read` is
    // the stamp of the file taken before `table` was read from it (taken
    // now when not given).
    VNDParamEdit(std::unique_ptr<VNParamFile> table, std::string fileName,
                 vn::FileStamp read = vn::FileStamp());

    // Shows the window until it is closed.
    int Run();

    const VNParamFile& Table() const { return *table_; }
    const std::string& FileName() const { return fileName_; }
    bool IsModified() const { return modified_; }

    // The file on disk was changed by another program: an unmodified table
    // is read again, a modified one is noted in the title (and the save
    // asks before writing over the file). The watch calls it; tests too.
    void CheckFileOnDisk() { disk_.Check(); }

    bool OnInit() override;
    void OnClose() override;
    void OnDropFiles(const platform::DropFiles& drop) override;
    void OnCommand(platform::WPARAM wParam, platform::LPARAM lParam) override;

private:
    // Asks whether to save unsaved changes first; false when saving fails or
    // is cancelled, which stops the command, so nothing is lost.
    bool AskAboutChanges();
    void Open();
    void LoadFile(const std::string& path, const char8_t* failureCaption);
    bool Save();
    bool SaveAs();
    bool WriteTable();
    void Exit();
    void AddParameter();
    void RenameParameter();
    void SetParameterValue();
    void DeleteParameter();

    VNString LineOf(int n) const;
    void FillList();
    // Reads the file at `path` again into the table; false when it does not load.
    bool Reload(const std::string& path);
    void UpdateTitle();

    std::unique_ptr<VNParamFile> table_;
    std::string fileName_;
    bool modified_ = false;
    // The file as it was read or last saved; none for a table never read.
    platform::FileFollower disk_;
};

// The line of one parameter: the name, an ideographic space, the value.
VNString ParamLine(const VNString& name, int32_t value);

// The message for a file that could not be written: its path and the
// system's text for `error` (an errno value).
VNString SaveFailureText(const std::string& native, int error);
