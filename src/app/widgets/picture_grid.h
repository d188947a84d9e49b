#pragma once
#include <QToolButton>
#include <QWidget>
#include <vector>

#include "picture/image_list.h"

namespace zorna::app {

// A toolbar of flat picture buttons laid out from a fixed table: `count` buttons of one size,
// `per_row` to a row, in index order. Button i shows picture i of the attached image list, its
// masked (white) pixels letting the toolbar show through; where the list is shorter, or no list
// is attached, a button shows no picture but still takes clicks.
class PictureGrid : public QWidget {
  Q_OBJECT
 public:
  PictureGrid(const QString& name, int count, QSize button_size, int per_row,
              QWidget* parent = nullptr);

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

 signals:
  void ButtonClicked(QToolButton* button);

 private:
  void ShowPicture(int index);

  std::vector<QToolButton*> buttons_;
  const ImageList* images_ = nullptr;
  int shown_ = 0;
};

}  // namespace zorna::app
