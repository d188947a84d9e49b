#include "app/platform/file_dialog_filters.h"

#include "output/save_routing.h"

namespace zorna::app {

QStringList QtNameFilters(std::string_view filter) {
  QStringList filters;
  for (const FilterEntry& entry : ParseFilterList(filter)) {
    QStringList patterns;
    for (const std::string& p : entry.patterns) {
      const QString pattern = QString::fromStdString(p).trimmed();
      if (!pattern.isEmpty()) patterns << pattern;
    }
    filters << QString::fromStdString(entry.description) + " (" + patterns.join(' ') + ")";
  }
  return filters;
}

QStringList FilterDescriptions(std::string_view filter) {
  QStringList descriptions;
  for (const FilterEntry& entry : ParseFilterList(filter)) {
    descriptions << QString::fromStdString(entry.description);
  }
  return descriptions;
}

}  // namespace zorna::app
