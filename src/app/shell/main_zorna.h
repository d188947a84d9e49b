#pragma once
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QShortcut>
#include <QTimer>
#include <QToolButton>
#include <QWidget>
#include <array>

#include "app/widgets/align_panel.h"
#include "app/widgets/image_control.h"
#include "artwork/background_tiles.h"
#include "picture/bitmap.h"

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
// Controls keep the program's state; the handlers below carry the logic.
class TMainZorna : public QWidget {
  Q_OBJECT
 public:
  TMainZorna();
  ~TMainZorna() override;

  // Start-up and closing.
  void FormCreate(QObject* sender);
  void FormClose();

  // Frame and panels.
  void ESCExecute(QObject* sender);
  void Button4Click(QObject* sender);
  void BtnLeftClick(QObject* sender);
  void BtnRightClick(QObject* sender);
  void BtnMinimizeClick(QObject* sender);
  void BtnInfoClick(QObject* sender);
  void HELPClick(QObject* sender);
  void BtnThemeClick(QObject* sender);
  void ImageVstupMinClick(QObject* sender);
  void ImageVstupHlavickaRightMouseMove(QObject* sender);
  void Timer1Timer();
  void Timer2Timer();
  void FormResize();
  void NastavVelkosti();

  // Picking from the screen picture.
  void bitmapaMouseMove(QObject* sender, int x, int y);
  void bitmapaMouseDown(QObject* sender);
  void ComboBox1Change(QObject* sender);
  void ComboBox2Change(QObject* sender);
  void ComboBox4Change(QObject* sender);
  void BtnZamknuteClick(QObject* sender);
  void BtnOdomknuteClick(QObject* sender);
  void Zvacs1Click(QObject* sender);
  void Zvacs2Click(QObject* sender);
  void BtnModClick(QObject* sender);
  void PlLeftExecute(QObject* sender);
  void PlRightExecute(QObject* sender);
  void PlUpExecute(QObject* sender);
  void PlDownExecute(QObject* sender);
  void Image2Click(QObject* sender);
  void Image2RightClick(QObject* sender);

  // The result's transforms.
  void BtnPreklopZvisloClick(QObject* sender);
  void BtnPreklopVodorovneClick(QObject* sender);
  void BtnOtocDolavaClick(QObject* sender);
  void BtnOtocDopravaClick(QObject* sender);

  // Finds a control of the window by its name, as the handlers that work from names do.
  QWidget* Control(const QString& name) const;
  ToolPanel& Panel(const QString& word);

  // The background list shows 32 x 32 pictures for small results, 64 x 64 otherwise.
  void FillBackgroundList(bool small);
  BackgroundLists& Backgrounds() { return backgrounds_; }
  bool BackgroundListIsSmall() const { return background_list_small_; }
  void Nastaviakopodklad2Click(QObject* sender);
  void ComboBoxEx1Change(QObject* sender);
  void BtnSaveClick(QObject* sender);
  void BtnCopyClick(QObject* sender);

  // Controls (named as the program's handlers know them).
  ImageControl* bitmapa = nullptr;
  QFrame* Bevel1 = nullptr;
  AlignPanel* Panel1 = nullptr;
  AlignPanel* PanelOkna = nullptr;
  AlignPanel* Panel6 = nullptr;
  ImageControl* ImageOkno = nullptr;
  ImageControl* ImageSkinVyrobil = nullptr;
  ImageControl* ImageSpodok = nullptr;
  ImageControl* ImageSpodok_End = nullptr;
  std::array<ToolPanel, 4> panels;  // Vstup, Lupa, Podklad, Vystup, top to bottom

  ImageControl* Image1 = nullptr;  // preview
  ImageControl* Image2 = nullptr;  // result
  ImageControl* Image3 = nullptr;  // magnifier
  QFrame* Bevel2 = nullptr;
  QFrame* Bevel3 = nullptr;
  QComboBox* ComboBox1 = nullptr;    // output size
  QComboBox* ComboBox2 = nullptr;    // input size
  QComboBox* ComboBox3 = nullptr;    // mode
  QComboBox* ComboBox4 = nullptr;    // magnifier size
  QComboBox* ComboBoxEx1 = nullptr;  // background picture
  QToolButton* BtnZamknute = nullptr;
  QToolButton* BtnOdomknute = nullptr;
  QToolButton* Zvacs1 = nullptr;
  QToolButton* Zvacs2 = nullptr;
  QToolButton* BtnMod = nullptr;
  QToolButton* BtnOtocDoprava = nullptr;
  QToolButton* BtnOtocDolava = nullptr;
  QToolButton* BtnPreklopZvislo = nullptr;
  QToolButton* BtnPreklopVodorovne = nullptr;

  QToolButton* BtnMinimize = nullptr;
  QToolButton* BtnClose = nullptr;
  QToolButton* BtnInfo = nullptr;
  QToolButton* BtnRight = nullptr;
  QToolButton* BtnLeft = nullptr;
  QToolButton* BtnCopy = nullptr;
  QToolButton* BtnSave = nullptr;
  QToolButton* BtnGallery = nullptr;
  QToolButton* BtnTheme = nullptr;

  QPlainTextEdit* NenajdeneVGalerii = nullptr;
  QFrame* Working = nullptr;
  QProgressBar* ProgressBar2 = nullptr;
  QFrame* PanelTajneMenu = nullptr;
  QProgressBar* ProgressBar1 = nullptr;
  QLabel* Label5 = nullptr;

  QTimer* Timer1 = nullptr;
  QTimer* Timer2 = nullptr;
  QMenu* PopupMenu1 = nullptr;
  QMenu* PopupMenu2 = nullptr;

  // Application-wide shortcuts, by action name ("ESC", "Save", "PlLeft", ...).
  QShortcut* Action(const QString& name) const;

  // The scratch picture that every handler may use.
  Bitmap PracovnyObrazok;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  void BuildFrame();
  void BuildToolPanel(ToolPanel& p, const QString& word, const QString& caption);
  void BuildInputPanel();
  void BuildMagnifierPanel();
  void BuildBackgroundPanel();
  void BuildOutputPanel();
  void BuildButtonStrip();
  void BuildOverlays();
  void BuildShortcuts();
  void BuildMenus();
  void ConnectSelection();
  void ComposeAt(int x, int y);
  void LoadNotFoundList();
  void SaveNotFoundList();
  bool Docked() const;

  QHash<QString, QShortcut*> actions_;
  BackgroundLists backgrounds_;
  bool background_list_small_ = true;
  bool closing_done_ = false;
  bool painted_ = false;
};

}  // namespace zorna::app
