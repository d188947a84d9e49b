#pragma once
#include <QWidget>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/dialogs/dialogs.h"
#include "app/dialogs/user_backgrounds.h"
#include "app/platform/handler_guard.h"

class QAction;
class QFileDialog;
class QMimeData;
class QScreen;
class QShortcut;
class QToolButton;
class QTreeWidgetItem;

namespace zorna {
struct BackgroundLists;
struct Progress;
class ImageList;
}  // namespace zorna

namespace zorna::app {

struct MainZornaParts;
struct ToolPanel;
struct WindowState;
class TextFontDialog;

// The main window: the screen picture with the floating container of tool panels over it.
// Its controls and what it is in are its own (main_zorna_parts.h, window_state.h); what others
// may do with it is below: the handlers, grouped by concern, and a few calls. Each concern lives
// in its own file, which builds its controls, connects them and holds its handlers.
class TMainZorna : public QWidget, protected GuardedConnections {
  Q_OBJECT
  using GuardedConnections::connect;  // every handler it connects runs guarded
 public:
  // --- Its dialogs and what they get of it (dialogs.cpp); the skin it wears (skin.cpp) ---
  // The program records the dialogs it makes in `dialogs`, which outlives the window; the about
  // box, its mailing-list form and the shadow editor are made here when first asked for.
  explicit TMainZorna(Dialogs& dialogs);
  TMailList* MailListForm();
  TOPrograme* OProgrameForm();
  TUpravit* UpravitForm();
  // The user's background pictures, as the background dialog shows them.
  UserBackgrounds UserBackgroundPictures() const;
  // Dresses the container in the skin of that folder. A required picture that is missing or
  // damaged throws zorna::Error there; what was not yet done keeps the previous look.
  void DressInSkin(const std::filesystem::path& folder);
  // At start-up, once the stored skin is on: the panels' stored heights and the column's side.
  void RestorePanels();

  ~TMainZorna() override;

  // Finds a control of this window (not of its dialogs) by name, as the handlers that work
  // from names do. An unknown name is a programming error and throws std::logic_error.
  QWidget* Control(const QString& name) const;
  // Window-wide keyboard actions by name ("ESC", "Save", "PlLeft", ...); throws when unknown.
  QShortcut* Action(const QString& name) const;
  // What the window is in.
  const WindowState& State() const;

  // --- Panels made when first needed: the first frame shows none of them ---
  // The library panel with its search bar and picture menu (and the maintenance panel, which
  // holds the current category's number); nothing happens once they are there.
  void EnsureLibrary();
  // The maintenance panel; nothing happens once it is there.
  void EnsureMaintenance();

  // --- Start-up and closing (startup.cpp) ---
  void FormCreate(QObject* sender);
  // Shows the window over the screen whose copy it shows (screen.cpp).
  void ShowOverScreen();
  void FormClose();
  // The lines of the list of search texts that found nothing, without empty ones; setting them
  // replaces the whole list.
  std::vector<std::string> NotFoundLines() const;
  void SetNotFoundLines(const std::vector<std::string>& lines);

  // --- The frame: container, column of panels, timer, job progress (frame.cpp) ---
  void ESCExecute(QObject* sender);
  void ImageVstupMinClick(QObject* sender);
  void ImageVstupHlavickaRightMouseMove(QObject* sender);
  void Timer2Timer();
  void ShowJobProgress(const Progress& progress);  // given to the long jobs
  void FormResize();
  void NastavVelkosti();

  // --- The screen picture: picking, the marker, nudging (screen.cpp) ---
  void bitmapaMouseMove(QObject* sender, int x, int y);
  void bitmapaMouseDown(QObject* sender);
  void PlLeftExecute(QObject* sender);
  void PlRightExecute(QObject* sender);
  void PlUpExecute(QObject* sender);
  void PlDownExecute(QObject* sender);

  // --- Input panel "Vstup" (input_panel.cpp) ---
  void ComboBox2Change(QObject* sender);
  void BtnZamknuteClick(QObject* sender);
  void BtnOdomknuteClick(QObject* sender);
  void Zvacs1Click(QObject* sender);
  void Zvacs2Click(QObject* sender);
  void BtnModClick(QObject* sender);

  // --- Magnifier panel "Lupa" (magnifier_panel.cpp) ---
  void ComboBox4Change(QObject* sender);

  // --- Background panel "Podklad" (background_panel.cpp) ---
  // The background list shows 32 x 32 pictures for small results, 64 x 64 otherwise.
  void FillBackgroundList(bool small);
  BackgroundLists& Backgrounds();
  bool BackgroundListIsSmall() const;
  void ComboBoxEx1Change(QObject* sender);
  void Nastaviakopodklad2Click(QObject* sender);

  // --- Result panel "Výsledok" and its menu (result_panel.cpp) ---
  void ComboBox1Change(QObject* sender);
  void Image2Click(QObject* sender);
  void Image2RightClick(QObject* sender);
  void BtnPreklopZvisloClick(QObject* sender);
  void BtnPreklopVodorovneClick(QObject* sender);
  void BtnOtocDolavaClick(QObject* sender);
  void BtnOtocDopravaClick(QObject* sender);

  // --- Editing the result: shadow and frame, the paint program (editing.cpp) ---
  void Upraviobrzok1Click(QObject* sender);
  void Upraviobrzok2Click(QObject* sender);

  // --- The button strip (strip.cpp) ---
  void Button4Click(QObject* sender);
  void BtnLeftClick(QObject* sender);
  void BtnRightClick(QObject* sender);
  void BtnMinimizeClick(QObject* sender);
  void BtnInfoClick(QObject* sender);
  void HELPClick(QObject* sender);
  void BtnThemeClick(QObject* sender);
  void ImageSkinVyrobilClick(QObject* sender);  // the skin author's link
  void BtnSaveClick(QObject* sender);
  void BtnCopyClick(QObject* sender);
  // The container's height below which the strip's lowest button would be cut.
  int StripHeightNeeded() const;

  // --- Placing pictures on the screen picture (placement.cpp) ---
  void Vloiobrzokzosboru1Click(QObject* sender);
  void Daobrzoknaplochu1Click(QObject* sender);
  // Paints the placement slot blank at the output side; the blank tile stays in the scratch
  // picture.
  void PaintSlotBlank();
  // Paints the slot blank, then copies the top-left output-side corner of the picture file to
  // the small picture's point; only that corner is read. A file that cannot be read throws, and
  // the slot stays blank.
  void PlacePictureFile(const std::string& file);
  QFileDialog* OpenPictureDialog1();  // made on first use

  // --- Pictures from outside: the one opened with the program, drops (picture_in.cpp) ---
  // Lays the picture file one to one at the top-left corner of the screen picture; throws when
  // it cannot be read, and the screen picture stays as it was.
  void OpenPictureFile(const std::string& file);
  void bitmapaMouseWheel(QObject* sender, int dx, int dy, Qt::KeyboardModifiers modifiers);
  void bitmapaDragDrop(QObject* sender, const QString& file, int x, int y);

  // --- Dragging the result out of its panel (result_drag.cpp) ---
  void Image2StartDrag(QObject* sender);
  // What a drag of the result offers: its PNG bytes and a PNG file named after the output size
  // ("zorna-64.png") in a folder of the program's own, removed when the window goes. Throws
  // when the file cannot be written.
  std::unique_ptr<QMimeData> ResultDragData();

  // --- The library panel "Kniznica": category tree and picture toolbars (library.cpp) ---
  void BtnGalleryClick(QObject* sender);
  void TreeView1Change(QTreeWidgetItem* node);
  void FillCategory(QTreeWidgetItem* node);
  void SpeedButton16Click(QObject* sender);
  // A node's category number: its pre-order index in the whole tree; -1 for no node.
  static int CategoryOf(const QTreeWidgetItem* node);

  // --- The search bar above the tree: search and typed text (search_bar.cpp) ---
  void SpeedButton13Click(QObject* sender);  // search mode on and off
  void SpeedButton14Click(QObject* sender);  // text mode on and off
  // Searches the tree (search mode, any sender) or, with sender SpeedButton8 in text mode,
  // renders the text into the screen picture.
  void Edit2Change(QObject* sender);
  void Edit2KeyUp(int key);
  void Edit2Enter(QObject* sender);
  void Edit2Exit(QObject* sender);
  void SpeedButton15Click(QObject* sender);  // the text's font

  // --- The library's picture menu (library_pictures.cpp) ---
  void ToolButton1Click(QObject* sender);
  void ToolButton27Click(QObject* sender);
  void Pouiobrzok1Click(QObject* sender);
  void Daobrzoklennaplochu1Click(QObject* sender);
  void Nastaviakopodklad1Click(QObject* sender);

  // --- The gallery update delivered as "Data/zorna.mk" (gallery_update.cpp) ---
  void ImportGalleryUpdate();
  void RecoverGalleryUpdateAtStart();

  // --- The maintenance panel (maintenance.cpp, built in maintenance_panel.cpp) ---
  void Button666Click(QObject* sender);  // opens and closes the panel
  void Button8Click(QObject* sender);    // "Načítaj ListBox"
  void Button3Click(QObject* sender);    // "Posuň súbory"
  void Button2Click(QObject* sender);    // "Zakóduj obrázky"
  void Button6Click(QObject* sender);    // "Vytvor info.txt pre sťahovanie z netu"
  void Button12Click(QObject* sender);   // "Skomprimuj obrázky"
  void Button5Click(QObject* sender);    // "Skomprimuj skiny"
  void Button1Click(QObject* sender);    // "<----"
  void SpinEdit4Change(QObject* sender);
  void Button11Click(QObject* sender);  // "posuň"

 protected:
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  friend MainZornaParts& PartsOf(TMainZorna& window);

  Dialogs& dialogs_;  // see the constructor

  // Each concern's build-and-connect step, in the order the constructor runs them.
  void SetUpScreen();
  // The screen's copy as the screen picture, one picture pixel per device pixel of it.
  void ShowScreenCopy(Bitmap picture, const QScreen* screen);
  void SetUpContainer();
  void SetUpStrip();
  void SetUpColumn();
  void SetUpInputPanel();
  void SetUpMagnifierPanel();
  void SetUpBackgroundPanel();
  void SetUpResultPanel();
  void SetUpPlacement();
  void SetUpEditing();
  void SetUpPictureIn();
  void SetUpResultDrag();
  // The opened picture's part that lies over the screen picture, painted there.
  void LayOpenedPicture();
  // Where a concern's entry goes in the result's menu.
  enum class ResultMenuPlace { kTop, kAboveLine, kEnd };
  QAction* AddResultMenuItem(const char* name, const QString& text, const char* keys,
                             ResultMenuPlace place);
  void SetUpLibrary();
  void SetUpSearchBar();
  void SetUpLibraryMenu();
  void SetUpGalleryUpdate();
  void SetUpMaintenance();
  void BuildMaintenancePanel();
  void SetUpStartup();
  // The keys and buttons that open the panels made when first needed.
  void SetUpLibraryOpening();
  void SetUpMaintenanceKey();
  void GiveStandardIcons();  // to the strip's buttons that no skin dressed

  // Connects a control's signal to the named handler and records it (Parts::wiring).
  template <typename Sender, typename Signal, typename Handler>
  void Wire(Sender* sender, Signal signal, const char* handler_name, Handler handler);
  // Makes a window-wide keyboard action running the named handler; a handler may be left out
  // while its command waits.
  QShortcut* AddAction(const char* name, const char* keys, const char* handler_name = nullptr,
                       std::function<void()> handler = {});
  void BuildToolPanel(ToolPanel& p, const QString& word, const QString& caption);
  void ComposeAt(int x, int y);
  void ShowPlaceHint();
  void ToggleBarMode(QToolButton* mode, int home_x, QToolButton* other);
  void SearchTree();
  void RenderTypedText();
  TextFontDialog* FontDialog1();  // made on first use
  // The library panel along the bottom edge, as wide as the window and as tall as its pictures
  // need there.
  void DockLibrary();
  int LibraryRoom() const;  // the most the library panel may be tall
  // The list holding the picture last clicked and its index there; nullptr when the lists no
  // longer hold it.
  const ImageList* SelectedLibraryList(int& index) const;
  // Blanks the slot and pastes the picture last clicked at its place, at; false (and nothing
  // painted) when the lists no longer hold it.
  bool PlaceSelectedLibraryPicture(QPoint& at);
  void EnableLibraryBackgroundItem();
  QPoint LibraryMenuPoint(const QObject* button, int below) const;
  void ClearInputView();
  void LoadTree();
  void ShowCategory();
  void Nudge(int dx, int dy);
  void LoadNotFoundList();
  void SaveNotFoundList();
  bool Docked() const;

  std::unique_ptr<MainZornaParts> d;
};

}  // namespace zorna::app
