#pragma once
#include <vector>

#include "picture/alpha_picture.h"

// The program's own icon for the desktop (menus, launchers, the software centre): a piece of a
// screen, a landscape under the sky, with the square that the program picks out of it and the
// pointer that picks it.
namespace zorna {

// The sizes the desktop looks for in its icon theme, in pixels a side.
const std::vector<int>& ProgramIconSizes();

// The icon drawn for one size (16 to 256): every size is drawn anew, not scaled, and the
// smallest ones keep their lines at least a pixel wide. The surround is transparent.
AlphaPicture DrawProgramIcon(int side);

}  // namespace zorna
