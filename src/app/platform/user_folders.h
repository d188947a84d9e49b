#pragma once
#include <QFileDialog>
#include <QString>

namespace zorna::app {

// Where the file dialogs start: the user's pictures folder, as desktop programs do, else the
// home folder; never the program's own folder, which is usually read-only once installed.
QString UserPicturesFolder();

// Prepares a file dialog of the program: it starts in the user's pictures folder, every
// button speaks Slovak (Qt's own catalogue leaves "Cancel" untranslated) and its name
// completion list closes with it. Call it after the
// accept and file modes are set, since setting them resets the buttons' captions.
void PrepareFileDialog(QFileDialog* dialog);

}  // namespace zorna::app
