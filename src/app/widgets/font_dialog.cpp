#include "app/widgets/font_dialog.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "app/platform/qt_bitmap.h"
#include "app/widgets/dialog_buttons.h"
#include "picture/standard_colors.h"

namespace zorna::app {
namespace {

// The grid's index of a colour; a colour that is not one of the sixteen marks none of them
// until one is chosen (black is marked).
int StandardIndexOf(const QColor& colour) {
  for (size_t i = 0; i < kStandardColors.size(); ++i) {
    if (ToQColor(kStandardColors[i]) == colour) return static_cast<int>(i);
  }
  return 0;
}

// The dialog finds a font's style in the face's list by its name, and a font given by weight and
// slant alone is named by the translated "Normal", which no face lists: it would open on the
// list's first style (often bold italic). The font is named here after the face's own style of
// that weight and slant.
QFont NamedAfterItsStyle(QFont font) {
  if (!font.styleName().isEmpty()) return font;
  const QString family = QFontInfo(font).family();
  for (const QString& style : QFontDatabase::styles(family)) {
    if (QFontDatabase::weight(family, style) == font.weight() &&
        QFontDatabase::italic(family, style) == font.italic()) {
      font.setStyleName(style);
      break;
    }
  }
  return font;
}

}  // namespace

TextFontDialog::TextFontDialog(const QString& name, const QFont& font, const QColor& colour,
                               QWidget* parent)
    : QDialog(parent) {
  setObjectName(name);
  setWindowTitle(tr("Písmo"));
  Font = new QFontDialog(this);
  Font->setObjectName(name + "Font");
  Font->setOptions(QFontDialog::DontUseNativeDialog | QFontDialog::NoButtons);
  Font->setWindowFlags(Qt::Widget);
  Colour = new ColorGrid(name + "Colour", 0, this);
  SetSelection(font, colour);
  connect(Colour, &ColorGrid::Changed, this,
          [this] { colour_ = ToQColor(Colour->ForegroundColor()); });

  const OkCancelButtons buttons = MakeOkCancelButtons(this);
  auto* colour_row = new QHBoxLayout;
  colour_row->addWidget(new QLabel(tr("Farba:"), this));
  colour_row->addWidget(Colour);
  colour_row->addStretch();
  colour_row->addWidget(buttons.ok);
  colour_row->addWidget(buttons.cancel);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Font);
  layout->addLayout(colour_row);
}

void TextFontDialog::SetSelection(const QFont& font, const QColor& colour) {
  Font->setCurrentFont(NamedAfterItsStyle(font));
  colour_ = colour;
  const QSignalBlocker quiet(Colour);
  Colour->SetForegroundIndex(StandardIndexOf(colour));
}

}  // namespace zorna::app
