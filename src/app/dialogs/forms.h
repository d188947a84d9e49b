#pragma once

namespace zorna::app {

class TMainZorna;
class TDlgRozmer;
class TDlgSkin;
class TDlgPozadie;
class TDlgIkona;
class TDlgJpeg;
class SaveResult;
class TMailList;
class TOPrograme;
class TUpravit;

// The program's windows, each created once in a fixed order and kept for the run: at start-up,
// except the about box, its mailing-list form and the shadow editor, which are made when first
// asked for (see below), so that the screen picture shows sooner.
struct Forms {
  TMainZorna* MainZorna = nullptr;
  TDlgRozmer* DlgRozmer = nullptr;
  TDlgIkona* DlgIkona = nullptr;
  TDlgPozadie* DlgPozadie = nullptr;
  TDlgJpeg* DlgJpeg = nullptr;
  SaveResult* Saving = nullptr;  // the save dialog and its flow
  TMailList* MailList = nullptr;
  TOPrograme* OPrograme = nullptr;
  TUpravit* Upravit = nullptr;
  TDlgSkin* DlgSkin = nullptr;
};

Forms& AllForms();

// The windows made on first use; null while there is no main window to own them.
TMailList* MailListForm();
TOPrograme* OProgrameForm();
TUpravit* UpravitForm();

// Creates the start-up windows in order (their creation handlers run as they are created). False
// when the screen could not be copied: the user has been told, nothing was written, and the program
// must end (DestroyForms).
bool CreateForms();
// Destroys them in reverse order.
void DestroyForms();

}  // namespace zorna::app
