#pragma once
#include <QString>
#include <QStringList>

namespace zorna::app {

// The desktop's paint program, in which the result picture is edited in place: the one named
// by $ZORNA_PAINT (a name looked up on PATH, or a path), else the first of kolourpaint,
// mtpaint, pinta and gimp found on PATH.
struct PaintProgram {
  QString program;        // the executable's full path; empty when there is none
  QStringList arguments;  // what goes before the file
  QString problem;        // why there is none, in words for the user
};
PaintProgram FindPaintProgram();

// Starts the program on the file and waits until it has ended. Meanwhile the program's
// windows keep repainting, while the user's input to them is dropped: the edit holds the
// program until the picture comes back. Empty once the program has ended, however it ended (the
// picture it left tells whether the edit took); else what the user is told: it could not start.
QString EditInPaintProgram(const PaintProgram& paint, const QString& file);

}  // namespace zorna::app
