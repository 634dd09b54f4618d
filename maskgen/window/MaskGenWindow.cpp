#include "maskgen/window/MaskGenWindow.h"

#include "maskgen/window/MaskGenResources.h"
#include "maskgen/window/VNDMaskGen.h"
#include "platform/Application.h"

namespace maskgen {

int RunMaskGenWindow(int& argc, char** argv) {
    platform::Application application(argc, argv, MaskGenResources());
    VNDMaskGen dialog;
    // Closing the window ends the program.
    return dialog.ShowModal(VNString(), "IDD_MAIN", nullptr) < 0 ? 1 : 0;
}

} // namespace maskgen
