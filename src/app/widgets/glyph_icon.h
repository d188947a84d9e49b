#pragma once
#include <QIcon>

#include "picture/bitmap.h"

namespace zorna::app {

// A button's glyph as its icon. The colour of the glyph's bottom-left pixel is transparent, as
// the desktop's picture buttons have it. A glyph of two cells side by side gives the enabled
// look (left) and the disabled one (right). An empty glyph gives no icon.
QIcon GlyphIcon(const Bitmap& glyph, int cells);

}  // namespace zorna::app
