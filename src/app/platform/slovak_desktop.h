#pragma once
class QApplication;
class QCoreApplication;

namespace zorna::app {

// The file dialogs and message boxes speak Slovak like the rest of the program, and every
// window uses the program's font (UseProgramFont).
void UseSlovakDesktop(QApplication& app);
// Every window uses the small, narrow font that the fixed dialog layouts are made for.
void UseProgramFont(QApplication& app);
// The captions of the desktop's standard buttons (Áno, Nie, Zrušiť, ...), which Qt's own Slovak
// catalogue lacks: the file dialog's overwrite question would otherwise ask "Yes"/"No".
void InstallSlovakButtonCaptions(QCoreApplication& app);

}  // namespace zorna::app
