#pragma once
#include <QColor>
#include <QDialog>
#include <QFontDialog>

#include "app/widgets/color_grid.h"

namespace zorna::app {

// The font dialog of typed text: face, size and style, and the colour among the sixteen
// standard ones, as the desktop's font dialog offers them. It keeps its choice between showings.
class TextFontDialog : public QDialog {
  Q_OBJECT
 public:
  TextFontDialog(const QString& name, const QFont& font, const QColor& colour, QWidget* parent);

  QFont SelectedFont() const { return Font->currentFont(); }
  QColor SelectedColour() const { return colour_; }
  void SetSelection(const QFont& font, const QColor& colour);

  QFontDialog* Font = nullptr;
  ColorGrid* Colour = nullptr;

 private:
  QColor colour_;
};

}  // namespace zorna::app
