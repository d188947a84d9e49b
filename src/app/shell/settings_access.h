#pragma once
#include "shell/ini_file.h"

namespace zorna::app {

// A fresh settings object over "Zorna.ini", for one group of reads or writes.
IniFile OpenSettings();
// Saves the group; a failure is reported in one clear message and the program goes on.
// Returns whether the save succeeded.
bool SaveSettings(IniFile& settings);
// The hint counter through its own settings object.
bool UzZobrazene(int n);

}  // namespace zorna::app
