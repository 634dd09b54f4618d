// The button selection dialog and its button sub-dialog. The buttons are a
// list: "追加" appends one, "編集" changes the selected one and moves it to
// the end, "削除" removes it. On OK the three names, the count and the
// definition string are written back.
#pragma once

#include "eventeditor/ButtonDefinitions.h"
#include "eventeditor/VNDEventForm.h"

class VNDBtnSelect : public VNDEventForm {
public:
    using VNDEventForm::VNDEventForm;
    bool Run(VNString& baseImage, VNString& pointedImage, VNString& cancelLabel, int32_t& count,
             VNString& definitions, platform::WindowHandle owner);

protected:
    void InitMore() override;
    void CommandMore(int id) override;

private:
    void AddButton();
    void EditButton();
    void DeleteButton();

    std::vector<ButtonDefinition> buttons_;
};

// One button: its jump label and rectangle. `caption` tells adding from
// editing.
class VNDBtnAdd : public VNDEventForm {
public:
    using VNDEventForm::VNDEventForm;
    bool Run(ButtonDefinition& button, const VNString& caption, platform::WindowHandle owner);
};
