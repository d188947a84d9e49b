// Editing the result: the shadow and frame editor, and the desktop's paint program, whose
// edited picture comes back through the placement slot as if the user had picked it there.
#include <QDialog>
#include <filesystem>

#include "app/dialogs/dlg_upravit.h"
#include "app/main_window/main_zorna.h"
#include "app/main_window/main_zorna_parts.h"
#include "app/platform/handler_guard.h"
#include "app/platform/messages.h"
#include "app/platform/paint_program.h"
#include "app/platform/program_folder.h"
#include "composition/placement.h"
#include "gallery/gallery_files.h"
#include "picture/picture_file.h"
#include "support/error.h"
#include "support/files.h"

namespace zorna::app {
namespace {

// The bitmap handed to the paint program is the program's own scratch file in "Data": it goes
// however the edit ends.
class ScratchFile {
 public:
  explicit ScratchFile(std::string path) : path_(std::move(path)) {}
  ScratchFile(const ScratchFile&) = delete;
  ScratchFile& operator=(const ScratchFile&) = delete;
  ~ScratchFile() {
    try {
      ZmazSubor(path_);
    } catch (const Error&) {
      // Nothing more can be done about a file that cannot be deleted.
    }
  }
  const std::string& Path() const { return path_; }

 private:
  std::string path_;
};

}  // namespace

void TMainZorna::SetUpEditing() {
  Wire(AddResultMenuItem("Upraviobrzok1", tr("Tieň a obrys obrázka"), "Ctrl+T",
                         ResultMenuPlace::kAboveLine),
       &QAction::triggered, "Upraviobrzok1Click", [this] { Upraviobrzok1Click(d->PopupMenu2); });
  Wire(AddResultMenuItem("Upraviobrzok2", tr("Upraviť obrázok"), "Ctrl+U",
                         ResultMenuPlace::kAboveLine),
       &QAction::triggered, "Upraviobrzok2Click", [this] { Upraviobrzok2Click(d->PopupMenu2); });
  AddAction("Tien_obrys", "Ctrl+T", "Upraviobrzok1Click", [this] { Upraviobrzok1Click(nullptr); });
  AddAction("UpravitObrazok", "Ctrl+U", "Upraviobrzok2Click",
            [this] { Upraviobrzok2Click(nullptr); });
}

void TMainZorna::Upraviobrzok1Click(QObject*) {
  RunModal(UpravitForm());
}

void TMainZorna::Upraviobrzok2Click(QObject* sender) {
  // Without a paint program nothing would be edited: say so rather than re-take the result.
  const PaintProgram paint = FindPaintProgram();
  if (paint.program.isEmpty()) {
    ShowErrorMessage(paint.problem);
    return;
  }
  const ScratchFile file((GalleryFolder(AdresarProgramu) / "upravuje sa obrázok.bmp").string());
  try {
    WriteBmpFile(file.Path(), d->Image2->Picture());
    if (const QString problem = EditInPaintProgram(paint, QString::fromStdString(file.Path()));
        !problem.isEmpty()) {
      ShowErrorMessage(problem);
      return;
    }
    // A picture the paint program left unreadable stops the edit here.
    PlacePictureFile(file.Path());
  } catch (const Error& e) {
    ShowErrorOf(e);
    return;
  }
  bitmapaMouseMove(sender, kSmallPictureX, kSmallPictureY);
  bitmapaMouseDown(sender);
}

}  // namespace zorna::app
