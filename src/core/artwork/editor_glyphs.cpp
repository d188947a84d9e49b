#include "artwork/editor_glyphs.h"

#include <cmath>

namespace zorna {
namespace {

constexpr int kBallSide = 11;
constexpr Colorref kShadowGrey = Rgb(128, 128, 128);

// Lit from the upper left: light near the highlight, darker towards the far edge.
void DrawBall(Canvas& canvas, const Rect& r) {
  const double hx = r.left + kBallSide * 0.35, hy = r.top + kBallSide * 0.35;
  const Shader shade = [hx, hy](int x, int y) {
    const double d = std::hypot(x + 0.5 - hx, y + 0.5 - hy) / (kBallSide * 0.85);
    return Mix(Rgb(190, 215, 255), Rgb(20, 50, 170), d > 1.0 ? 1.0 : d);
  };
  FillEllipse(canvas, r, shade);
  FrameEllipse(canvas, r, Rgb(10, 30, 110));
}

// Where the ball's left (or top) edge goes: pushed away from the shadow so both fit.
int BallStart(int shadow_step) {
  return shadow_step > 0 ? 1 : shadow_step < 0 ? 4 : 2;
}

Rect Square(int left, int top) {
  return Rect{left, top, left + kBallSide, top + kBallSide};
}

}  // namespace

Canvas ShadowGlyph(ShadowDirection direction) {
  Canvas canvas(kEditorGlyphSide, kEditorGlyphSide);
  const ShadowOffset shift = OffsetOf(direction, 3);
  const Rect ball = Square(BallStart(shift.dx), BallStart(shift.dy));
  if (shift.dx != 0 || shift.dy != 0)
    FillEllipse(canvas, Square(ball.left + shift.dx, ball.top + shift.dy), kShadowGrey);
  DrawBall(canvas, ball);
  return canvas;
}

Canvas FrameGlyph(bool framed) {
  Canvas canvas(kEditorGlyphSide, kEditorGlyphSide);
  DrawBall(canvas, Square(BallStart(0), BallStart(0)));
  if (framed) DottedFrame(canvas, Rect{0, 0, kEditorGlyphSide, kEditorGlyphSide}, kBlack);
  return canvas;
}

}  // namespace zorna
