#include "app/main_window/plain_look.h"

#include <QFont>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include "app/platform/qt_bitmap.h"

namespace zorna::app {
namespace {

QImage CaptionBackground(int width) {
  QImage image(width, kPlainCaptionHeight, QImage::Format_RGB32);
  QPainter p(&image);
  QLinearGradient g(0, 0, 0, kPlainCaptionHeight);
  g.setColorAt(0, QColor(0x3A, 0x6E, 0xA5));
  g.setColorAt(1, QColor(0x1F, 0x45, 0x7A));
  p.fillRect(image.rect(), g);
  p.setPen(QColor(0x12, 0x2C, 0x52));
  p.drawLine(0, kPlainCaptionHeight - 1, width, kPlainCaptionHeight - 1);
  return image;
}

}  // namespace

Bitmap PlainCaptionPicture(const QString& caption, int width) {
  QImage image = CaptionBackground(width);
  QPainter p(&image);
  QFont font;
  font.setPixelSize(11);
  font.setBold(true);
  p.setFont(font);
  p.setPen(Qt::white);
  p.drawText(QRect(6, 0, width - 6, kPlainCaptionHeight), Qt::AlignVCenter | Qt::AlignLeft,
             caption);
  return FromQImage(image);
}

Bitmap PlainCaptionEndPicture() {
  QImage image = CaptionBackground(16);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0xDD, 0xE6, 0xF2));
  const QPointF arrow[3] = {{4.5, 6.5}, {11.5, 6.5}, {8, 10.5}};
  p.drawPolygon(arrow, 3);
  return FromQImage(image);
}

Bitmap PlainCollapsePicture() {
  QImage image = CaptionBackground(16);
  QPainter p(&image);
  p.setPen(QColor(0xF0, 0xF4, 0xFA));
  p.drawRect(3, 3, 9, 9);
  p.fillRect(5, 7, 6, 2, QColor(0xF0, 0xF4, 0xFA));
  return FromQImage(image);
}

Bitmap PlainBodyPicture(int width, int height) {
  return Bitmap(width, height, Rgb(0xD4, 0xD0, 0xC8));
}

QIcon PlainLockGlyph(bool locked) {
  QPixmap pixmap(13, 13);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(0x30, 0x30, 0x30), 1.4));
  QPainterPath shackle;
  shackle.moveTo(3.5, 6);
  shackle.lineTo(3.5, 3.5);
  shackle.arcTo(3.5, 0.8, 6, 5.4, 180, -180);
  if (locked) shackle.lineTo(9.5, 6);
  p.drawPath(shackle);
  p.setPen(Qt::NoPen);
  p.setBrush(locked ? QColor(0xC8, 0x9A, 0x20) : QColor(0x90, 0x90, 0x90));
  p.drawRoundedRect(QRectF(1.5, 6, 10, 6.5), 1.2, 1.2);
  return QIcon(pixmap);
}

QIcon PlainEnlargeGlyph(bool on) {
  QPixmap pixmap(13, 13);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setPen(QPen(on ? QColor(Qt::white) : QColor(0x20, 0x40, 0x80), 1.2));
  p.drawRect(1, 6, 5, 5);
  p.drawRect(4, 1, 8, 8);
  return QIcon(pixmap);
}

// Switched on, the enlargement button looks pressed in: a dark sunken face with a light glyph.
const char* const kPressedSwitchStyle =
    "QToolButton:enabled { background-color: #2a4f86; border: 1px solid #0f1e36;"
    " border-top-color: #050a12; border-left-color: #050a12; }";

}  // namespace zorna::app
