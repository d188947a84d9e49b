// Editing the result: the shadow and frame editor, and the desktop's paint program, whose
// edited picture comes back through the placement slot as if the user had picked it there.
#include <QDialog>
#include <filesystem>

#include "app/editor/dlg_upravit.h"
#include "app/platform/messages.h"
#include "app/platform/paint_program.h"
#include "app/platform/program_folder.h"
#include "app/shell/forms.h"
#include "app/shell/main_zorna.h"
#include "composition/placement.h"
#include "gallery/gallery_files.h"
#include "picture/picture_file.h"
#include "support/error.h"
#include "support/files.h"

namespace zorna::app {

void TMainZorna::Upraviobrzok1Click(QObject*) {
  if (TUpravit* dialog = UpravitForm()) RunModal(dialog);
}

void TMainZorna::Upraviobrzok2Click(QObject* sender) {
  // Without a paint program nothing would be edited: say so rather than re-take the result.
  const PaintProgram paint = FindPaintProgram();
  if (paint.program.isEmpty()) {
    ShowErrorMessage(paint.problem);
    return;
  }
  const std::string file = (GalleryFolder(AdresarProgramu) / "upravuje sa obrázok.bmp").string();
  try {
    WriteBmpFile(file, Image2->Picture());
    if (!EditInPaintProgram(paint, QString::fromStdString(file))) {
      ZmazSubor(file);
      ShowErrorMessage(CannotStartMessage(paint));
      return;
    }
    // A picture the paint program left unreadable stops the edit here; the file stays.
    PlacePictureFile(file);
  } catch (const Error& e) {
    ShowErrorMessage(QString::fromStdString(e.what()));
    return;
  }
  bitmapaMouseMove(sender, kSmallPictureX, kSmallPictureY);
  bitmapaMouseDown(sender);
  ZmazSubor(file);
}

}  // namespace zorna::app
