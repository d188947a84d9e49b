#pragma once
#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "app/platform/handler_guard.h"
#include "app/widgets/image_control.h"
#include "output/icon_file.h"
#include "output/save_routing.h"
#include "picture/image_list.h"

namespace zorna::app {

// "Uloěnie obráku ako ikona": asks how the icon is to be transparent and previews each choice
// over picture 9 of the 64 x 64 background list. The choice starts over on every show. The PNG
// and the icon with alpha ask the same, under titles of their own.
class TDlgIkona : public QDialog, protected GuardedConnections {
  Q_OBJECT
  using GuardedConnections::connect;  // every handler it connects runs guarded
 public:
  explicit TDlgIkona(QWidget* parent = nullptr);

  // The main window's 64 x 64 background list; kept for the run.
  void SetImageList2(const ImageList* image_list2) { image_list2_ = image_list2; }
  // The result picture the next show previews (the main window's Image2).
  void SetResultPicture(const Bitmap& result) { result_ = result; }

  // Titles the dialog by the save that asks: the icon, the PNG or the icon with alpha.
  void AskFor(SaveKind kind);

  // Loads the preview background, selects RadioButton2 and runs its click step.
  void FormShow();
  void RadioButton1Click();
  void RadioButton2Click();
  void RadioButton3Click();
  void RadioButton4Click();

  // The choice the conversion uses once the dialog ended with OK.
  IconTransparency Transparency() const;

  static constexpr int kPreviewBackground = 9;

  QFrame* Bevel1 = nullptr;
  QLabel* Label1 = nullptr;
  QRadioButton* RadioButton1 = nullptr;
  QRadioButton* RadioButton2 = nullptr;
  QRadioButton* RadioButton3 = nullptr;
  QRadioButton* RadioButton4 = nullptr;
  ImageControl* Image1 = nullptr;
  QPushButton* OKBtn = nullptr;
  QPushButton* CancelBtn = nullptr;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  // The title of an icon save, also the one the dialog is made with.
  static QString IconTitle();
  void DrawPreview(IconTransparency choice);
  Bitmap PreviewBackground() const;

  const ImageList* image_list2_ = nullptr;
  Bitmap result_;
};

}  // namespace zorna::app
