#include "app/platform/picture_filters.h"

#include <QCoreApplication>

#include "output/save_routing.h"

namespace zorna::app {
namespace {

// The types' descriptions as the catalogue knows them; the lists themselves stay as they are,
// since the save routing reads the chosen type from its Slovak description.
[[maybe_unused]] constexpr const char* kDescriptions[] = {
    QT_TRANSLATE_NOOP("PictureFilters", "Bitmapy (*.bmp)"),
    QT_TRANSLATE_NOOP("PictureFilters", "Jpeg súbory (*.jpg, *.jpeg)"),
    QT_TRANSLATE_NOOP("PictureFilters", "JPEG súbory (*.jpg; *.jpeg)"),
    QT_TRANSLATE_NOOP("PictureFilters", "Zorna (*.ico)"),
    QT_TRANSLATE_NOOP("PictureFilters", "Tlačítko (*.bmp)"),
    QT_TRANSLATE_NOOP("PictureFilters", "Gif súbory (*.gif)"),
    QT_TRANSLATE_NOOP("PictureFilters", "PNG súbory (*.png)"),
    QT_TRANSLATE_NOOP("PictureFilters", "Ikona s priehľadnosťou (*.ico)"),
    QT_TRANSLATE_NOOP("PictureFilters", "Všetko (*.jpg;*.jpeg;*.bmp;*.png)"),
    QT_TRANSLATE_NOOP("PictureFilters", "Obrázky (*.bmp;*.jpg;*.jpeg;*.png)"),
};

}  // namespace

QString ShownDescription(const FilterEntry& entry) {
  return QCoreApplication::translate("PictureFilters", entry.description.c_str());
}

QStringList QtNameFilters(std::string_view filter) {
  QStringList filters;
  for (const FilterEntry& entry : ParseFilterList(filter)) {
    QStringList patterns;
    for (const std::string& p : entry.patterns) patterns << QString::fromStdString(p).trimmed();
    filters << ShownDescription(entry) + " (" + patterns.join(' ') + ")";
  }
  return filters;
}

}  // namespace zorna::app
