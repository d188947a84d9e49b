#pragma once
#include <QStringList>
#include <string_view>

namespace zorna {
struct FilterEntry;
}

namespace zorna::app {

// A type's description as the file dialogs show it: in the window's language.
QString ShownDescription(const FilterEntry& entry);

// A filter list in the platform's "description|patterns|description|patterns" form (patterns
// separated by ";") as Qt's file dialogs take it: one "description (patterns)" a type. Qt reads
// the patterns from the last parentheses; with QFileDialog::HideNameFilterDetails the dialog
// shows the description alone.
QStringList QtNameFilters(std::string_view filter);

// The open dialog of "Vložiť obrázok zo súboru": every picture type the program reads, PNG
// among them, then each type on its own.
inline constexpr std::string_view kPlacePictureOpenFilter =
    "Všetko (*.jpg;*.jpeg;*.bmp;*.png)|*.jpg;*.jpeg;*.bmp;*.png|JPEG súbory (*.jpg; *.jpeg)|"
    "*.jpg; *.jpeg|Bitmapy (*.bmp)|*.bmp|PNG súbory (*.png)|*.png";

// The open dialog of the background dialog's "Zmeniť obrázok", the same way.
inline constexpr std::string_view kBackgroundOpenFilter =
    "Obrázky (*.bmp;*.jpg;*.jpeg;*.png)|*.bmp;*.jpg;*.jpeg;*.png|Bitmapy (*.bmp)|*.bmp|"
    "Jpeg súbory (*.jpg, *.jpeg)|*.jpg;*.jpeg|PNG súbory (*.png)|*.png";

}  // namespace zorna::app
