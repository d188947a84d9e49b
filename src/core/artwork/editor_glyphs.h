#pragma once
#include "composition/shadow_frame.h"
#include "picture/drawing.h"

// The 16 x 16 glyphs of the shadow editor's buttons, drawn with a transparent surround.
namespace zorna {

constexpr int kEditorGlyphSide = 16;

// A shaded ball, with a grey shadow falling in the direction (none: the ball alone).
Canvas ShadowGlyph(ShadowDirection direction);
// The ball alone, or, framed, inside a dotted outline along the glyph's edges.
Canvas FrameGlyph(bool framed);

}  // namespace zorna
