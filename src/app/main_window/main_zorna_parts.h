#pragma once
// The main window's own parts: its controls, grouped by the concern file that makes them, and
// the bookkeeping of its run. Only the window's concern files (and tests of the window) include
// this; dialogs get what they need through their own interfaces.
#include <QComboBox>
#include <QFileDialog>
#include <QFrame>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMetaMethod>
#include <QPlainTextEdit>
#include <QPointer>
#include <QProgressBar>
#include <QShortcut>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/main_window/window_state.h"
#include "app/widgets/align_panel.h"
#include "app/widgets/font_dialog.h"
#include "app/widgets/image_control.h"
#include "app/widgets/picture_grid.h"
#include "app/widgets/picture_pane.h"
#include "app/widgets/square_marker.h"
#include "artwork/background_tiles.h"
#include "gallery/not_found_list.h"
#include "picture/image_list.h"

namespace zorna::app {

class TMainZorna;

// One collapsible tool panel of the column: caption bar with its three pictures and the body.
struct ToolPanel {
  QString word;                            // "Vstup", "Lupa", "Podklad" or "Vystup"
  AlignPanel* panel = nullptr;             // PanelX
  AlignPanel* hlavicka = nullptr;          // PanelXHlavicka, the caption bar
  ImageControl* hlavicka_image = nullptr;  // ImageXHlavicka
  ImageControl* right = nullptr;           // ImageXHlavickaRight, the bar's end
  ImageControl* min = nullptr;             // ImageXMin, the collapse picture
  AlignPanel* okno = nullptr;              // PanelXOkno, the body
  ImageControl* okno_image = nullptr;      // ImageXOkno
};

// One connection of a control's signal to a window handler, as the window made it.
struct Wiring {
  QPointer<QObject> sender;
  QByteArray signal;    // the signal's name, "clicked"
  const char* handler;  // the handler's name, "BtnSaveClick"
};

struct MainZornaParts {
  // Every signal the window's concerns connected to their handlers, in the order made.
  std::vector<Wiring> wiring;

  // The tool panel of a word ("Vstup", "Lupa", "Podklad", "Vystup"); throws for any other.
  ToolPanel& Panel(const QString& word);

  // What the window is in.
  WindowState state;

  // --- Start-up and closing (startup.cpp) ---
  QPlainTextEdit* NenajdeneVGalerii = nullptr;  // search texts that found nothing
  std::optional<NotFoundList> not_found_file;   // the list as start-up read it
  bool closing_done = false;
  bool painted = false;
  bool update_after_first_paint = false;

  // --- The frame: container, column of panels, timers (frame.cpp) ---
  AlignPanel* Panel1 = nullptr;             // the floating container
  AlignPanel* PanelOkna = nullptr;          // the column of tool panels
  ImageControl* ImageSpodok = nullptr;      // the column's bottom edge
  ImageControl* ImageSpodok_End = nullptr;  // its end
  std::array<ToolPanel, 4> panels;          // Vstup, Lupa, Podklad, Vystup, top to bottom
  QTimer* Timer2 = nullptr;            // puts the caption bars back after the pointer left them
  QHash<QString, QShortcut*> actions;  // window-wide keyboard actions by name

  // --- The screen picture: picking, the marker, nudging (screen.cpp) ---
  ImageControl* bitmapa = nullptr;  // one picture pixel per device pixel
  SquareMarker* Bevel1 = nullptr;   // the marker of the picking square, in picture pixels
  QImage desktop_copy;              // every screen, while the desktop has not yet placed the window

  // --- Input panel "Vstup" (input_panel.cpp) ---
  ImageControl* Image1 = nullptr;       // the pick's preview
  QFrame* Bevel2 = nullptr;             // its frame
  QComboBox* ComboBox2 = nullptr;       // input size
  QToolButton* BtnZamknute = nullptr;   // shown while the size is locked; a click unlocks
  QToolButton* BtnOdomknute = nullptr;  // shown while unlocked; a click locks
  QToolButton* Zvacs1 = nullptr;        // smooth enlarging is on; a click turns it off
  QToolButton* Zvacs2 = nullptr;        // smooth enlarging is off; a click turns it on
  QToolButton* BtnMod = nullptr;        // the shrink mode

  // --- Magnifier panel "Lupa" (magnifier_panel.cpp) ---
  ImageControl* Image3 = nullptr;  // magnifier
  QComboBox* ComboBox4 = nullptr;  // magnifier size

  // --- Background panel "Podklad" (background_panel.cpp) ---
  QComboBox* ComboBox3 = nullptr;     // mode
  QComboBox* ComboBoxEx1 = nullptr;   // background picture
  BackgroundLists backgrounds;        // the tiles at 32 x 32 and 64 x 64
  bool background_list_small = true;  // the list shows 32 x 32 tiles (small results)

  // --- Result panel "Výsledok" and its menu (result_panel.cpp) ---
  ImageControl* Image2 = nullptr;              // result
  QFrame* Bevel3 = nullptr;                    // its frame
  QComboBox* ComboBox1 = nullptr;              // output size
  QToolButton* BtnOtocDoprava = nullptr;       // turn right
  QToolButton* BtnOtocDolava = nullptr;        // turn left
  QToolButton* BtnPreklopZvislo = nullptr;     // flip upside down
  QToolButton* BtnPreklopVodorovne = nullptr;  // flip left to right
  QMenu* PopupMenu2 = nullptr;                 // the result's menu
  QAction* result_menu_line =
      nullptr;  // its line: picture files below                 // the result's menu

  // --- The button strip (strip.cpp) ---
  AlignPanel* Panel6 = nullptr;              // the strip
  ImageControl* ImageOkno = nullptr;         // its skin picture
  ImageControl* ImageSkinVyrobil = nullptr;  // the skin author's link
  QToolButton* BtnMinimize = nullptr;
  QToolButton* BtnClose = nullptr;
  QToolButton* BtnInfo = nullptr;     // the about box
  QToolButton* BtnRight = nullptr;    // dock to the right edge
  QToolButton* BtnLeft = nullptr;     // dock to the left edge
  QToolButton* BtnCopy = nullptr;     // copy the result
  QToolButton* BtnSave = nullptr;     // save the result
  QToolButton* BtnGallery = nullptr;  // open and close the library
  QToolButton* BtnTheme = nullptr;    // the skin dialog

  // --- Placing pictures on the screen picture (placement.cpp) ---
  QFileDialog* open_picture_dialog = nullptr;  // made on first use

  // --- Dragging the result out (result_drag.cpp) ---
  std::unique_ptr<QTemporaryDir> drag_folder;  // the dragged results' files, removed at exit
  int drags = 0;                               // each drag's file has a folder of its own

  // --- The library panel "Kniznica": category tree and picture toolbars (library.cpp) ---
  AlignPanel* Kniznica = nullptr;            // the panel
  AlignPanel* Panel4 = nullptr;              // the left part: the search bar above the tree
  AlignPanel* Panel5 = nullptr;              // the search bar
  QToolButton* SpeedButton16 = nullptr;      // closes the library
  QTreeWidget* TreeView1 = nullptr;          // the category tree
  PicturePane* PictureArea = nullptr;        // right of the tree; scrolls Panel2 where it must
  AlignPanel* Panel2 = nullptr;              // the picture toolbars
  PictureGrid* ToolBar1 = nullptr;           // the small pictures
  PictureGrid* ToolBar2 = nullptr;           // the large pictures
  ImageList ImageList3{32, 32, 135};         // small pictures of the current category
  ImageList ImageList4{64, 64, 40};          // large pictures of the current category
  std::vector<QTreeWidgetItem*> tree_nodes;  // TreeView1's nodes by category number
  std::vector<std::string> tree_captions;    // their captions, which the tree never edits
  bool loading_tree = false;  // the tree's own selection reports during a load are ignored
  unsigned filling = 0;       // counts the fillings of the toolbars: the latest one adds

  // --- The search bar above the tree: search and typed text (search_bar.cpp) ---
  ImageControl* Image6 = nullptr;         // the bar's stretched background
  QToolButton* SpeedButton13 = nullptr;   // search mode on and off
  QToolButton* SpeedButton14 = nullptr;   // text mode on and off
  QLineEdit* Edit2 = nullptr;             // the searched or typed text
  QToolButton* SpeedButton8 = nullptr;    // go: search again or render the text
  QToolButton* SpeedButton15 = nullptr;   // on the main form, shown by the first rendering
  QLabel* Label12 = nullptr;              // paints the typed text in its font
  TextFontDialog* font_dialog = nullptr;  // made on first use

  // --- The library's picture menu (library_pictures.cpp) ---
  QMenu* PopupMenu1 = nullptr;

  // --- The gallery update delivered as "Data/zorna.mk" (gallery_update.cpp) ---
  QFrame* Working = nullptr;  // progress of a gallery update, then where the old gallery went
  QProgressBar* ProgressBar2 = nullptr;
  bool importing_update = false;
  bool update_kept = false;  // a pack kept after a failed install waits for the next start

  // --- The maintenance panel (maintenance.cpp, built in maintenance_panel.cpp) ---
  QFrame* PanelTajneMenu = nullptr;  // the panel
  QProgressBar* ProgressBar1 = nullptr;
  QLabel* Label5 = nullptr;         // current gallery category number
  QListWidget* ListBox1 = nullptr;  // the category's files
  QSpinBox* SpinEdit1 = nullptr;    // "od"
  QSpinBox* SpinEdit2 = nullptr;    // "po"
  QSpinBox* SpinEdit3 = nullptr;    // "o pozíciu"
  QLabel* Label17 = nullptr;        // remaining time
  QSpinBox* SpinEdit4 = nullptr;    // stepped selection: x, y, + x, + y
  QSpinBox* SpinEdit5 = nullptr;
  QSpinBox* SpinEdit6 = nullptr;
  QSpinBox* SpinEdit7 = nullptr;
  bool maintenance_busy = false;  // a maintenance job is letting events through
};

// The window's parts, for its tests.
MainZornaParts& PartsOf(TMainZorna& window);

template <typename Sender, typename Signal, typename Handler>
void TMainZorna::Wire(Sender* sender, Signal signal, const char* handler_name, Handler handler) {
  connect(sender, signal, this, std::move(handler));
  d->wiring.push_back({sender, QMetaMethod::fromSignal(signal).name(), handler_name});
}

}  // namespace zorna::app
