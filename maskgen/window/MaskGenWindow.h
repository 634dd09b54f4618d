// Runs vnmaskgen's drop window until it is closed.
#pragma once

namespace maskgen {

int RunMaskGenWindow(int& argc, char** argv);

} // namespace maskgen
