#include "player/VNDBackLog.h"

#include "player/VNBackLog.h"
#include "resources/PlayerResources.h"
#include "scenario/VNAssert.h"

int VNDBackLog::Show(platform::WindowHandle owner) {
    return ShowModal(VNString(u8"バックログ"), "IDD_BACKLOG", owner);
}

bool VNDBackLog::OnInit() {
    VN_ASSERT(backlog_ != nullptr);
    Controls().SetText(resources::backlog_id::Text, backlog_->AllText());
    // The newest message is the one the player wants back: it opens in view
    // and selected, the older ones above it.
    Controls().EditSelectLastLine(resources::backlog_id::Text);
    return true;
}
