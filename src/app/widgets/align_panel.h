#pragma once
#include <QFrame>
#include <QHash>

namespace zorna::app {

enum class Align { None, Top, Bottom, Left, Right, Client };

// A panel that places its aligned children as the window layout of the program expects: top
// children stacked from the top in order keeping their heights, then bottom, left and right
// ones, and one client child filling what is left. Hidden children take no room. Changing a
// child's size re-aligns at once, so setting a panel's height moves the panels below it.
class AlignPanel : public QFrame {
  Q_OBJECT
 public:
  explicit AlignPanel(const QString& name, QWidget* parent = nullptr);

  // Adds an aligned child (in alignment order).
  void AddAligned(QWidget* child, Align align);
  // Docks an aligned child another way (a toolbar that fills the panel or sits at its bottom).
  void SetAlign(QWidget* child, Align align);
  Align AlignOf(QWidget* child) const { return align_.value(child, Align::None); }
  void Realign();

 protected:
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QList<QWidget*> order_;
  QHash<QWidget*, Align> align_;
  bool aligning_ = false;
};

// Sets a widget's height (keeping its width), as the layout code changes panel heights.
void SetHeight(QWidget* widget, int height);
void SetWidth(QWidget* widget, int width);

}  // namespace zorna::app
