// The run of vnparedit after start-up: checks the command line, loads the
// named file and shows the editor. Returns the exit code.
#pragma once

#include <string>
#include <vector>

// `args` are the command-line arguments after the program name; only the
// first is used (the flag-data file to open).
int RunParamEditor(const std::vector<std::string>& args);
