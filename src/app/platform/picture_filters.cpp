#include "app/platform/picture_filters.h"

#include "output/save_routing.h"

namespace zorna::app {

QStringList QtNameFilters(std::string_view filter) {
  QStringList filters;
  for (const FilterEntry& entry : ParseFilterList(filter)) {
    QStringList patterns;
    for (const std::string& p : entry.patterns) patterns << QString::fromStdString(p).trimmed();
    filters << QString::fromStdString(entry.description) + " (" + patterns.join(' ') + ")";
  }
  return filters;
}

}  // namespace zorna::app
