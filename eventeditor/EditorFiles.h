// File names in vnevedit: the chooser filters of event files and the native
// path of a chosen file.
#pragma once

#include "platform/FileChooser.h"
#include "scenario/VNString.h"

#include <string>
#include <vector>

// "イベントファイル(*.evt)" with "*.evt".
const std::vector<platform::FileFilter>& EventFileFilters();

// The choosers give full paths in the suite's strings; files are opened by
// their native (UTF-8) name.
std::string NativePathOf(const VNString& path);
