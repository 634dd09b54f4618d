// The run of vnevedit after start-up: checks the command line and shows the
// editor. Returns the exit code.
#pragma once

#include <string>
#include <vector>

// `args` are the command-line arguments after the program name; only the
// first is used (the event file to open).
int RunEventEditor(const std::vector<std::string>& args);
