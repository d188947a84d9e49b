#include "app/dialogs/save_result.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>

#include "app/dialogs/dlg_ikona.h"
#include "app/dialogs/dlg_jpeg.h"
#include "app/platform/localized_dialogs.h"
#include "app/platform/messages.h"
#include "app/platform/picture_filters.h"
#include "app/platform/qt_bitmap.h"
#include "app/platform/user_folders.h"
#include "output/alpha_icon_file.h"
#include "output/button_strip.h"
#include "output/icon_file.h"
#include "output/transparent_result.h"
#include "picture/picture_file.h"

namespace zorna::app {

SaveResult::SaveResult(QWidget* parent, const std::string& remembered_type, TDlgIkona* dlg_ikona,
                       TDlgJpeg* dlg_jpeg, RememberType remember)
    : QObject(parent),
      parent_(parent),
      filter_(SaveFilterFor(remembered_type)),
      dlg_ikona_(dlg_ikona),
      dlg_jpeg_(dlg_jpeg),
      remember_(std::move(remember)) {
  // The dialog hides the pattern part, so it names the chosen type by its description.
  name_filters_ = QtNameFilters(filter_);
  for (const FilterEntry& entry : ParseFilterList(filter_)) {
    descriptions_ << ShownDescription(entry);
  }
}

QFileDialog* SaveResult::SavePictureDialog1() {
  if (save_dialog_) return save_dialog_;
  save_dialog_ = new QFileDialog(parent_);
  save_dialog_->setObjectName("SavePictureDialog1");
  save_dialog_->setOption(QFileDialog::HideNameFilterDetails, true);
  save_dialog_->setAcceptMode(QFileDialog::AcceptSave);
  save_dialog_->setFileMode(QFileDialog::AnyFile);
  PrepareFileDialog(save_dialog_);
  save_dialog_->setNameFilters(name_filters_);
  FollowChosenType();
  // A name typed without an extension gets the chosen type's first one.
  connect(save_dialog_, &QFileDialog::filterSelected, this, [this] { FollowChosenType(); });
  return save_dialog_;
}

int SaveResult::ChosenFilterIndex() const {
  if (!save_dialog_) return 1;  // each run offers the first type first
  // With the pattern part hidden the dialog names the type by its description alone.
  const QString selected = save_dialog_->selectedNameFilter();
  for (qsizetype i = 0; i < name_filters_.size(); ++i) {
    if (selected == name_filters_[i] || selected == descriptions_[i])
      return static_cast<int>(i) + 1;
  }
  return 0;
}

void SaveResult::FollowChosenType() {
  SavePictureDialog1()->setDefaultSuffix(
      QString::fromStdString(DefaultExtension(filter_, ChosenFilterIndex())));
}

namespace {

// A result of side 0 (the custom size dialog was cancelled) has no pixels: no reader accepts
// such a bitmap, JPEG or icon, so nothing is written and the user is told why.
bool RefusedAsEmpty(const Bitmap& result, const QString& action) {
  if (result.Width() > 0 && result.Height() > 0) return false;
  DlgChyba(
      QCoreApplication::translate("SaveResult",
                                  "Výsledný obrázok je prázdny (0 x 0 bodov), a preto sa nedá %1. "
                                  "Zvoľte veľkosť výsledného obrázka a kliknite na obrazovku.")
          .arg(action));
  return true;
}

QString SaveWord() {
  return QCoreApplication::translate("SaveResult", "uložiť", "what an empty result cannot be");
}

}  // namespace

std::optional<SaveKind> SaveResult::BtnSaveClick(const Bitmap& result) {
  if (RefusedAsEmpty(result, SaveWord())) return std::nullopt;
  FollowChosenType();
  if (RunModal(SavePictureDialog1()) != QDialog::Accepted) return std::nullopt;
  const QStringList files = SavePictureDialog1()->selectedFiles();
  if (files.isEmpty()) return std::nullopt;
  // The dialog keeps the chosen folder, name and type for the next save of this run.
  SavePictureDialog1()->selectFile(files.front());
  return SaveChosen(result, files.front().toStdString(), ChosenFilterIndex());
}

std::optional<SaveKind> SaveResult::SaveChosen(const Bitmap& result, const std::string& file_name,
                                               int filter_index) {
  if (RefusedAsEmpty(result, SaveWord())) return std::nullopt;
  const std::string name = WithDefaultExtension(file_name, filter_, filter_index);
  const SaveKind kind = RouteSave(name, filter_, filter_index);
  // The icon dialog asks how the icon, or the PNG, is to be transparent.
  auto transparency = [&]() -> std::optional<IconTransparency> {
    dlg_ikona_->AskFor(kind);
    dlg_ikona_->SetResultPicture(result);
    if (RunModal(dlg_ikona_) != QDialog::Accepted) return std::nullopt;
    return dlg_ikona_->Transparency();
  };
  switch (kind) {
    case SaveKind::kIcon: {
      const auto choice = transparency();
      if (!choice) return std::nullopt;
      WriteIconFile(name, MakeIcon(result, *choice));
      break;
    }
    case SaveKind::kAlphaIcon: {
      const auto choice = transparency();
      if (!choice) return std::nullopt;
      WriteAlphaIconFile(name, TransparentResult(result, *choice), AlphaIconSides(result.Width()));
      break;
    }
    case SaveKind::kPng: {
      const auto choice = transparency();
      if (!choice) return std::nullopt;
      WritePngFile(name, TransparentResult(result, *choice));
      break;
    }
    case SaveKind::kButton:
      pracovny_obrazok_ = ZmenNaBtn(result);
      WriteBmpFile(name, pracovny_obrazok_);
      break;
    case SaveKind::kBitmap:
      WriteBmpFile(name, result);
      break;
    case SaveKind::kJpeg:
      dlg_jpeg_->SetResultPicture(result);
      if (RunModal(dlg_jpeg_) != QDialog::Accepted) return std::nullopt;
      WriteJpegFile(name, result, dlg_jpeg_->Quality());
      break;
  }
  // Only after the file is complete: a failed write has thrown above.
  if (const auto remembered = RememberedTypeAfterSave(kind); remembered && remember_) {
    remember_(*remembered);
  }
  return kind;
}

void CopyResultToClipboard(const Bitmap& result) {
  if (RefusedAsEmpty(result, QCoreApplication::translate("SaveResult", "skopírovať",
                                                         "what an empty result cannot be")))
    return;
  QGuiApplication::clipboard()->setImage(ToQImage(result));
}

}  // namespace zorna::app
