// Dragging the result out of its panel: other programs get it as PNG bytes and as a PNG file.
#include <QDrag>
#include <QMimeData>
#include <QPixmap>
#include <QUrl>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "app/main_window/main_zorna.h"
#include "app/main_window/main_zorna_parts.h"
#include "app/platform/qt_bitmap.h"
#include "output/transparent_result.h"
#include "picture/png_file.h"
#include "support/error.h"
#include "support/files.h"

namespace zorna::app {

void TMainZorna::SetUpResultDrag() {
  // A plain click still opens the result's menu: the drag starts only past the drag distance.
  d->Image2->SetDraggable(true);
  Wire(d->Image2, &ImageControl::DragStarted, "Image2StartDrag",
       [this] { Image2StartDrag(d->Image2); });
}

std::unique_ptr<QMimeData> TMainZorna::ResultDragData() {
  namespace fs = std::filesystem;
  const Bitmap& result = d->Image2->Picture();
  const std::vector<uint8_t> png = EncodePng(TransparentResult(result, IconTransparency::kOpaque));
  if (!d->drag_folder) {
    const std::string pattern = DocasnyPriecinok() + "zorna-XXXXXX";
    auto folder = std::make_unique<QTemporaryDir>(QString::fromStdString(pattern));
    if (!folder->isValid()) throw CannotCreateFile(pattern);
    d->drag_folder = std::move(folder);
  }
  // Each drag's file has a folder of its own: a program that reads it only later (a chat
  // window sending it) still finds the picture that was dragged to it.
  const fs::path folder =
      fs::path(d->drag_folder->path().toStdString()) / std::to_string(++d->drags);
  const fs::path file = folder / ("zorna-" + std::to_string(result.Width()) + ".png");
  std::error_code ec;
  fs::create_directory(folder, ec);
  if (ec) throw CannotCreateFile(file.string(), ec.value());
  WriteFileAtomically(file, png);
  auto data = std::make_unique<QMimeData>();
  data->setData("image/png",
                QByteArray(reinterpret_cast<const char*>(png.data()), qsizetype(png.size())));
  data->setUrls({QUrl::fromLocalFile(QString::fromStdString(file.string()))});
  return data;
}

void TMainZorna::Image2StartDrag(QObject*) {
  if (d->Image2->Picture().Empty()) return;
  auto* drag = new QDrag(d->Image2);
  drag->setMimeData(ResultDragData().release());
  drag->setPixmap(QPixmap::fromImage(ToQImage(d->Image2->Picture())));
  drag->exec(Qt::CopyAction);
}

}  // namespace zorna::app
