#pragma once
#include <cstdint>

namespace zorna {

// Progress of the running pack job (packing or unpacking), -1 in both when no job runs.
// Written by the pack routines, read by the window's progress timer.
extern int32_t PostupMaximum;
extern int32_t PostupPozicia;

}  // namespace zorna
