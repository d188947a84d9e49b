#pragma once
#include <QComboBox>
#include <QFileDialog>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QShortcut>
#include <QSpinBox>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <QWidget>
#include <array>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/dialogs/dialogs.h"
#include "app/dialogs/user_backgrounds.h"
#include "app/platform/handler_guard.h"
#include "app/widgets/align_panel.h"
#include "app/widgets/font_dialog.h"
#include "app/widgets/image_control.h"
#include "app/widgets/picture_grid.h"
#include "app/widgets/picture_pane.h"
#include "app/widgets/square_marker.h"
#include "artwork/background_tiles.h"
#include "gallery/not_found_list.h"
#include "picture/bitmap.h"
#include "picture/image_list.h"

namespace zorna::app {

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

// The main window: the screen picture with the floating container of tool panels over it.
// Controls keep the program's state; the handlers carry the logic. Each concern below lives in
// its own file, main_zorna_<concern>.cpp, which builds its controls, connects them and holds
// its handlers.
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
  // The tool panel of a word ("Vstup", "Lupa", "Podklad", "Vystup"); throws for any other.
  ToolPanel& Panel(const QString& word);
  // Window-wide keyboard actions by name ("ESC", "Save", "PlLeft", ...); throws when unknown.
  QShortcut* Action(const QString& name) const;

  // The scratch picture that every handler may use.
  Bitmap PracovnyObrazok;

  // --- Start-up and closing (main_zorna_startup.cpp) ---
  void FormCreate(QObject* sender);
  void FormClose();
  QPlainTextEdit* NenajdeneVGalerii = nullptr;  // search texts that found nothing
  // NenajdeneVGalerii's lines, without empty ones; setting them replaces the whole list.
  std::vector<std::string> NotFoundLines() const;
  void SetNotFoundLines(const std::vector<std::string>& lines);

  // --- The frame: container, column of panels, timers (main_zorna_frame.cpp) ---
  void ESCExecute(QObject* sender);
  void ImageVstupMinClick(QObject* sender);
  void ImageVstupHlavickaRightMouseMove(QObject* sender);
  void Timer1Timer();
  void Timer2Timer();
  void FormResize();
  void NastavVelkosti();
  AlignPanel* Panel1 = nullptr;
  AlignPanel* PanelOkna = nullptr;
  ImageControl* ImageSpodok = nullptr;
  ImageControl* ImageSpodok_End = nullptr;
  std::array<ToolPanel, 4> panels;  // Vstup, Lupa, Podklad, Vystup, top to bottom
  QTimer* Timer1 = nullptr;
  QTimer* Timer2 = nullptr;

  // --- The screen picture: picking, the marker, nudging (main_zorna_screen.cpp) ---
  void bitmapaMouseMove(QObject* sender, int x, int y);
  void bitmapaMouseDown(QObject* sender);
  void PlLeftExecute(QObject* sender);
  void PlRightExecute(QObject* sender);
  void PlUpExecute(QObject* sender);
  void PlDownExecute(QObject* sender);
  ImageControl* bitmapa = nullptr;  // one picture pixel per device pixel
  SquareMarker* Bevel1 = nullptr;   // the marker of the picking square, in picture pixels

  // --- Input panel "Vstup" (main_zorna_input.cpp) ---
  void ComboBox2Change(QObject* sender);
  void BtnZamknuteClick(QObject* sender);
  void BtnOdomknuteClick(QObject* sender);
  void Zvacs1Click(QObject* sender);
  void Zvacs2Click(QObject* sender);
  void BtnModClick(QObject* sender);
  ImageControl* Image1 = nullptr;  // preview
  QFrame* Bevel2 = nullptr;
  QComboBox* ComboBox2 = nullptr;  // input size
  QToolButton* BtnZamknute = nullptr;
  QToolButton* BtnOdomknute = nullptr;
  QToolButton* Zvacs1 = nullptr;
  QToolButton* Zvacs2 = nullptr;
  QToolButton* BtnMod = nullptr;

  // --- Magnifier panel "Lupa" (main_zorna_magnifier.cpp) ---
  void ComboBox4Change(QObject* sender);
  ImageControl* Image3 = nullptr;  // magnifier
  QComboBox* ComboBox4 = nullptr;  // magnifier size

  // --- Background panel "Podklad" (main_zorna_background.cpp) ---
  // The background list shows 32 x 32 pictures for small results, 64 x 64 otherwise.
  void FillBackgroundList(bool small);
  BackgroundLists& Backgrounds() { return backgrounds_; }
  bool BackgroundListIsSmall() const { return background_list_small_; }
  void ComboBoxEx1Change(QObject* sender);
  void Nastaviakopodklad2Click(QObject* sender);
  QComboBox* ComboBox3 = nullptr;    // mode
  QComboBox* ComboBoxEx1 = nullptr;  // background picture

  // --- Result panel "Výsledok" and its menu (main_zorna_result.cpp) ---
  void ComboBox1Change(QObject* sender);
  void Image2Click(QObject* sender);
  void Image2RightClick(QObject* sender);
  void BtnPreklopZvisloClick(QObject* sender);
  void BtnPreklopVodorovneClick(QObject* sender);
  void BtnOtocDolavaClick(QObject* sender);
  void BtnOtocDopravaClick(QObject* sender);
  ImageControl* Image2 = nullptr;  // result
  QFrame* Bevel3 = nullptr;
  QComboBox* ComboBox1 = nullptr;  // output size
  QToolButton* BtnOtocDoprava = nullptr;
  QToolButton* BtnOtocDolava = nullptr;
  QToolButton* BtnPreklopZvislo = nullptr;
  QToolButton* BtnPreklopVodorovne = nullptr;
  QMenu* PopupMenu2 = nullptr;

  // --- Editing the result: shadow and frame, the paint program (main_zorna_editing.cpp) ---
  void Upraviobrzok1Click(QObject* sender);
  void Upraviobrzok2Click(QObject* sender);

  // --- The button strip (main_zorna_strip.cpp) ---
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
  AlignPanel* Panel6 = nullptr;
  ImageControl* ImageOkno = nullptr;
  ImageControl* ImageSkinVyrobil = nullptr;
  QToolButton* BtnMinimize = nullptr;
  QToolButton* BtnClose = nullptr;
  QToolButton* BtnInfo = nullptr;
  QToolButton* BtnRight = nullptr;
  QToolButton* BtnLeft = nullptr;
  QToolButton* BtnCopy = nullptr;
  QToolButton* BtnSave = nullptr;
  QToolButton* BtnGallery = nullptr;
  QToolButton* BtnTheme = nullptr;

  // --- Placing pictures on the screen picture (main_zorna_placement.cpp) ---
  void Vloiobrzokzosboru1Click(QObject* sender);
  void Daobrzoknaplochu1Click(QObject* sender);
  // Paints the placement slot blank at the output side; the blank tile stays in PracovnyObrazok.
  void PaintSlotBlank();
  // Paints the slot blank, then copies the top-left output-side corner of the picture file to
  // the small picture's point; only that corner is read. A file that cannot be read throws, and
  // the slot stays blank.
  void PlacePictureFile(const std::string& file);
  QFileDialog* OpenPictureDialog1();  // made on first use

  // --- The library panel "Kniznica": category tree and picture toolbars (main_zorna_library.cpp)
  void BtnGalleryClick(QObject* sender);
  void TreeView1Change(QTreeWidgetItem* node);
  void FillCategory(QTreeWidgetItem* node);
  void SpeedButton16Click(QObject* sender);
  // A node's category number: its pre-order index in the whole tree; -1 for no node.
  static int CategoryOf(const QTreeWidgetItem* node);
  AlignPanel* Kniznica = nullptr;
  AlignPanel* Panel4 = nullptr;  // the left part: the search bar above the tree
  AlignPanel* Panel5 = nullptr;  // the search bar
  QToolButton* SpeedButton16 = nullptr;
  QTreeWidget* TreeView1 = nullptr;
  PicturePane* PictureArea = nullptr;  // right of the tree; scrolls Panel2 where it must
  AlignPanel* Panel2 = nullptr;        // the picture toolbars
  PictureGrid* ToolBar1 = nullptr;
  PictureGrid* ToolBar2 = nullptr;
  ImageList ImageList3{32, 32, 135};  // small pictures of the current category
  ImageList ImageList4{64, 64, 40};   // large pictures of the current category

  // --- The search bar above the tree: search and typed text (main_zorna_search.cpp) ---
  void SpeedButton13Click(QObject* sender);  // search mode on and off
  void SpeedButton14Click(QObject* sender);  // text mode on and off
  // Searches the tree (search mode, any sender) or, with sender SpeedButton8 in text mode,
  // renders the text into the screen picture.
  void Edit2Change(QObject* sender);
  void Edit2KeyUp(int key);
  void Edit2Enter(QObject* sender);
  void Edit2Exit(QObject* sender);
  void SpeedButton15Click(QObject* sender);  // the text's font
  ImageControl* Image6 = nullptr;            // the bar's stretched background
  QToolButton* SpeedButton13 = nullptr;
  QToolButton* SpeedButton14 = nullptr;
  QLineEdit* Edit2 = nullptr;
  QToolButton* SpeedButton8 = nullptr;   // go: search again or render the text
  QToolButton* SpeedButton15 = nullptr;  // on the main form, shown by the first rendering
  TextFontDialog* FontDialog1();         // made on first use
  QLabel* Label12 = nullptr;             // paints the typed text in its font

  // --- The library's picture menu (main_zorna_library_pictures.cpp) ---
  void ToolButton1Click(QObject* sender);
  void ToolButton27Click(QObject* sender);
  void Pouiobrzok1Click(QObject* sender);
  void Daobrzoklennaplochu1Click(QObject* sender);
  void Nastaviakopodklad1Click(QObject* sender);
  // The picture last clicked: its index in ImageList3, or 1000 + its index in ImageList4.
  int SelectedLibraryPicture = 0;
  QMenu* PopupMenu1 = nullptr;

  // --- The gallery update delivered as "Data/zorna.mk" (main_zorna_gallery_update.cpp) ---
  void ImportGalleryUpdate();
  void RecoverGalleryUpdateAtStart();
  QFrame* Working = nullptr;  // progress of a gallery update, then where the old gallery went
  QProgressBar* ProgressBar2 = nullptr;

  // --- The maintenance panel (main_zorna_maintenance.cpp, built in
  // main_zorna_maintenance_panel.cpp) ---
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
  QFrame* PanelTajneMenu = nullptr;
  QProgressBar* ProgressBar1 = nullptr;
  QLabel* Label5 = nullptr;  // current gallery category number
  QListWidget* ListBox1 = nullptr;
  QSpinBox* SpinEdit1 = nullptr;  // "od"
  QSpinBox* SpinEdit2 = nullptr;  // "po"
  QSpinBox* SpinEdit3 = nullptr;  // "o pozíciu"
  QLabel* Label17 = nullptr;      // remaining time
  QSpinBox* SpinEdit4 = nullptr;  // stepped selection: x, y, + x, + y
  QSpinBox* SpinEdit5 = nullptr;
  QSpinBox* SpinEdit6 = nullptr;
  QSpinBox* SpinEdit7 = nullptr;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  Dialogs& dialogs_;  // see the constructor

  // Each concern's build-and-connect step, in the order the constructor runs them.
  void SetUpScreen();
  void SetUpContainer();
  void SetUpStrip();
  void SetUpColumn();
  void SetUpInputPanel();
  void SetUpMagnifierPanel();
  void SetUpBackgroundPanel();
  void SetUpResultPanel();
  void SetUpLibrary();
  void SetUpSearchBar();
  void SetUpLibraryMenu();
  void SetUpGalleryUpdate();
  void SetUpMaintenance();
  void BuildMaintenancePanel();
  void SetUpStartup();

  // Makes a window-wide keyboard action; a handler may be left out while its command waits.
  QShortcut* AddAction(const char* name, const char* keys, std::function<void()> handler = {});
  void BuildToolPanel(ToolPanel& p, const QString& word, const QString& caption);
  void ComposeAt(int x, int y);
  void ShowPlaceHint();
  void ToggleBarMode(QToolButton* mode, int home_x, QToolButton* other);
  void SearchTree();
  void RenderTypedText();
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
  void Nudge(int dx, int dy);
  void LoadNotFoundList();
  void SaveNotFoundList();
  bool Docked() const;

  QHash<QString, QShortcut*> actions_;
  BackgroundLists backgrounds_;
  bool background_list_small_ = true;
  QFileDialog* open_picture_dialog_ = nullptr;
  TextFontDialog* font_dialog_ = nullptr;
  bool closing_done_ = false;
  std::optional<NotFoundList> not_found_file_;  // the list as start-up read it
  bool painted_ = false;
  bool loading_tree_ = false;  // the tree's own selection reports during a load are ignored
  unsigned filling_ = 0;       // counts the fillings of the toolbars: the latest one adds
  bool importing_update_ = false;
  bool update_kept_ = false;  // a pack kept after a failed install waits for the next start
  bool update_after_first_paint_ = false;
  std::vector<QTreeWidgetItem*> tree_nodes_;  // TreeView1's nodes by category number
  bool maintenance_busy_ = false;             // a maintenance job is letting events through
  std::vector<std::string> tree_captions_;    // their captions, which the tree never edits
};

}  // namespace zorna::app
