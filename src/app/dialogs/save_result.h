#pragma once
#include <QFileDialog>
#include <QObject>
#include <functional>
#include <optional>
#include <string>

#include "app/platform/handler_guard.h"
#include "output/save_routing.h"
#include "picture/bitmap.h"

namespace zorna::app {

class TDlgIkona;
class TDlgJpeg;

// The save command of the result picture: the save dialog `SavePictureDialog1`, whose file
// types are ordered once, at start-up, by the remembered type; the routing to an icon, a
// button strip, a bitmap, a JPEG, a PNG or an icon with alpha; the icon dialog (also asked for
// PNG and the icon with alpha) and the JPEG dialog; the file write. Failing writes
// throw zorna::Error ("Cannot create file %s") to the caller and remember nothing.
class SaveResult : public QObject, protected GuardedConnections {
  Q_OBJECT
  using GuardedConnections::connect;  // every handler it connects runs guarded
 public:
  // Called with "ico", "btn", "bmp", "png" or "ico32" after each successful save of that
  // kind; the caller writes it to "Obrázok"/"Uložiť ako".
  using RememberType = std::function<void(const std::string& value)>;

  // remembered_type: the stored "Obrázok"/"Uložiť ako" ("jpg" when missing). The dialogs are
  // the program's own, kept for the run.
  SaveResult(QWidget* parent, const std::string& remembered_type, TDlgIkona* dlg_ikona,
             TDlgJpeg* dlg_jpeg, RememberType remember);

  // BtnSaveClick: runs the save dialog and, unless it is cancelled, saves the result picture.
  // The kind saved, or nothing when any dialog was cancelled.
  std::optional<SaveKind> BtnSaveClick(const Bitmap& result);

  // The part after the save dialog: the chosen name (the default extension is added here when
  // missing) and the 1-based index of the chosen file type.
  std::optional<SaveKind> SaveChosen(const Bitmap& result, const std::string& file_name,
                                     int filter_index);

  // The filter list in its "description|pattern" form, as fixed at start-up.
  const std::string& Filter() const { return filter_; }
  // 1-based index of the type the save dialog has selected.
  int ChosenFilterIndex() const;
  // The picture written by the last button save: the two-state strip.
  const Bitmap& PracovnyObrazok() const { return pracovny_obrazok_; }

  // The save dialog, made on its first use: a file dialog costs a noticeable part of the
  // start-up, and most runs never save.
  QFileDialog* SavePictureDialog1();

 private:
  void FollowChosenType();

  QWidget* parent_;
  QFileDialog* save_dialog_ = nullptr;
  std::string filter_;
  QStringList name_filters_;
  QStringList descriptions_;
  TDlgIkona* dlg_ikona_;
  TDlgJpeg* dlg_jpeg_;
  RememberType remember_;
  Bitmap pracovny_obrazok_;
};

// BtnCopyClick: puts the result picture on the clipboard as a bitmap.
void CopyResultToClipboard(const Bitmap& result);

}  // namespace zorna::app
