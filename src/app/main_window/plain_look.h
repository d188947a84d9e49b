#pragma once
#include <QIcon>
#include <QString>

#include "picture/bitmap.h"

namespace zorna::app {

// The container's own plain look, used until a skin paints it: legible caption bars with the
// panel's name, the bar's end and collapse pictures, and the bodies' background.
constexpr int kPlainCaptionHeight = 17;
Bitmap PlainCaptionPicture(const QString& caption, int width);
Bitmap PlainCaptionEndPicture();
Bitmap PlainCollapsePicture();
Bitmap PlainBodyPicture(int width, int height);
// Small glyphs of the input panel: a padlock (closed or open) and the enlargement arrows.
QIcon PlainLockGlyph(bool locked);
QIcon PlainEnlargeGlyph(bool on);
// The style of the enlargement switch's "on" button, so that its pressed state is plain to see.
extern const char* const kPressedSwitchStyle;

}  // namespace zorna::app
