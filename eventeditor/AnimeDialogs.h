// The animation dialog and its two layer sub-dialogs. The animation dialog
// lists the eleven layers; "設定" edits the selected layer's setting in the
// background or character sub-dialog, "クリア" removes it. On OK the time,
// the layer count and the layer list are rebuilt from the table.
#pragma once

#include "eventeditor/AnimeLayers.h"
#include "eventeditor/VNDEventForm.h"

class VNDAnime : public VNDEventForm {
public:
    using VNDEventForm::VNDEventForm;
    bool Run(int32_t& time, int32_t& count, VNString& list, platform::WindowHandle owner);

protected:
    void InitMore() override;
    void CommandMore(int id) override;

private:
    void FillList(int selection);
    void SetLayer();
    void ClearLayer();

    AnimeLayerTable table_;
};

// The background layer: image name and one of nine effects.
class VNDAnimeBack : public VNDEventForm {
public:
    using VNDEventForm::VNDEventForm;
    bool Run(VNString& setting, platform::WindowHandle owner);
};

// A character layer: the eleven fields, numbers kept as typed; shear and
// rotation are shown read-only and keep what the setting held.
class VNDAnimeChara : public VNDEventForm {
public:
    using VNDEventForm::VNDEventForm;
    bool Run(VNString& setting, platform::WindowHandle owner);
};
