#pragma once

namespace zorna::app {

class TDlgRozmer;
class TDlgIkona;
class TDlgPozadie;
class TDlgJpeg;
class SaveResult;
class TMailList;
class TOPrograme;
class TUpravit;
class TDlgSkin;

// The program's dialogs, each made once and kept for the run; the main window, their parent,
// deletes them. The program makes them at start-up in this order, after the main window, except
// the about box, its mailing-list form and the shadow editor, which the main window makes when
// they are first asked for, so that the screen picture shows sooner. Null until made.
struct Dialogs {
  TDlgRozmer* DlgRozmer = nullptr;
  TDlgIkona* DlgIkona = nullptr;
  TDlgPozadie* DlgPozadie = nullptr;
  TDlgJpeg* DlgJpeg = nullptr;
  SaveResult* Saving = nullptr;     // the save dialog and its flow
  TMailList* MailList = nullptr;    // made on first use
  TOPrograme* OPrograme = nullptr;  // made on first use
  TUpravit* Upravit = nullptr;      // made on first use
  TDlgSkin* DlgSkin = nullptr;
};

}  // namespace zorna::app
