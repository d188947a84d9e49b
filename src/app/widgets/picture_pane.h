#pragma once
#include <QScrollArea>

#include "app/widgets/align_panel.h"
#include "app/widgets/picture_grid.h"

namespace zorna::app {

// The library's picture area: a panel holding an upper and a lower toolbar of picture buttons,
// as wide as the area and as tall as the rows of its shown toolbars need at that width (the
// area's own height at least, so that the panel's aligning fills it). Where the area is lower
// than the rows, a scroll bar appears and the mouse wheel over any button scrolls.
class PicturePane : public QScrollArea {
  Q_OBJECT
 public:
  PicturePane(const QString& name, AlignPanel* panel, PictureGrid* upper, PictureGrid* lower,
              QWidget* parent = nullptr);

  // The height that shows every row of both toolbars, shown or not, at the area's width
  // `width`, without a scroll bar.
  int HeightFor(int width) const;
  // Sizes the panel and the lower toolbar to the area as it is now and places the buttons.
  // Runs at each resize of the area and each showing or hiding of a toolbar; the caller runs
  // it after docking a toolbar another way.
  void Arrange();

 protected:
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  int RowsHeight(int width) const;  // of the shown toolbars

  AlignPanel* panel_;
  PictureGrid* upper_;
  PictureGrid* lower_;
  bool arranging_ = false;
};

}  // namespace zorna::app
