#pragma once

namespace zorna::app {

class TMainZorna;
class TDlgRozmer;
class TDlgSkin;
class TDlgPozadie;

// The program's windows, each created once at start-up in a fixed order and kept for the run.
struct Forms {
  TMainZorna* MainZorna = nullptr;
  TDlgRozmer* DlgRozmer = nullptr;
  TDlgPozadie* DlgPozadie = nullptr;
  TDlgSkin* DlgSkin = nullptr;
};

Forms& AllForms();

// Creates every window in order (their creation handlers run as they are created).
void CreateForms();
// Destroys them in reverse order.
void DestroyForms();

}  // namespace zorna::app
