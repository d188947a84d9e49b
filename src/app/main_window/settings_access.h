#pragma once
#include "settings/ini_file.h"

namespace zorna::app {

// A fresh settings object over "Zorna.ini", for one group of reads or writes. A file that
// exists but cannot be read is reported once per run; the program goes on with defaults.
IniFile OpenSettings();
// Saves the group; the first failure of a run is reported in one clear message and the program
// goes on. A file that could not be read is never written. Returns whether the save succeeded.
bool SaveSettings(IniFile& settings);
// The hint counter through its own settings object; the counts of this run hold even when the
// file cannot store them.
bool UzZobrazene(int n);
// Forgets what this run has reported and counted (for a new run in the same process).
void ForgetSettingsTrouble();

}  // namespace zorna::app
