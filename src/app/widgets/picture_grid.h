#pragma once
#include <QToolButton>
#include <QWidget>
#include <vector>

#include "picture/image_list.h"

namespace zorna::app {

// A toolbar of a fixed number of flat picture buttons of one size, in index order from the top
// left, as many to a row as its width holds whole (at least one), so that the rows wrap within
// whatever width the toolbar is given. Button i shows picture i of the attached image list, its
// masked (white) pixels letting the toolbar show through; where the list is shorter, or no list
// is attached, a button shows no picture but still takes clicks.
class PictureGrid : public QWidget {
  Q_OBJECT
 public:
  PictureGrid(const QString& name, int count, QSize button_size, QWidget* parent = nullptr);

  // Attaches a list (nullptr detaches) and shows it as it is now. A list that was cleared is
  // attached again, so that none of its old pictures stays on a button.
  void SetImages(const ImageList* list);
  const ImageList* Images() const { return images_; }
  // Brings the buttons up to the attached list and paints each changed button at once: a list
  // that grew shows its new pictures, one that shrank loses the pictures it no longer has.
  void Repaint();

  int ButtonCount() const { return static_cast<int>(buttons_.size()); }
  QToolButton* Button(int index) const { return buttons_.at(static_cast<size_t>(index)); }
  // The image index of one of this grid's buttons, -1 for anything else.
  int IndexOf(const QObject* button) const;
  // How many buttons show a picture.
  int PicturesShown() const { return shown_; }

  // The height of all the rows at a width.
  int HeightFor(int width) const;
  // Places the buttons in rows at the toolbar's width. A resize does it; a toolbar resized
  // while its window is hidden gets its resize event only when shown, and is placed this way.
  void PlaceButtons();

 signals:
  void ButtonClicked(QToolButton* button);

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void ShowPicture(int index);
  int PerRow(int width) const;  // the buttons to a row at a width

  QSize button_size_;
  std::vector<QToolButton*> buttons_;
  const ImageList* images_ = nullptr;
  int shown_ = 0;
};

}  // namespace zorna::app
