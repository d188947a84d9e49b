#pragma once
#include <QStringList>
#include <string_view>

namespace zorna::app {

// A "description|patterns|description|patterns" filter list as the file dialogs take it. Qt reads
// a filter's patterns from its last parentheses, separated by spaces, so each description is
// followed by its patterns in that form; a dialog with HideNameFilterDetails then shows the
// description exactly as written. Patterns are trimmed ("*.jpg; *.jpeg" gives two).
QStringList QtNameFilters(std::string_view filter);
// The descriptions alone, in the same order.
QStringList FilterDescriptions(std::string_view filter);

}  // namespace zorna::app
