// Builds the main window's control tree: the screen picture, the floating container with its
// four tool panels and the button strip, the hidden overlays, menus and shortcuts.
#include <QAbstractItemView>
#include <QApplication>
#include <QStyle>

#include "app/shell/main_zorna.h"
#include "app/shell/plain_look.h"

namespace zorna::app {
namespace {

constexpr int kBodyWidth = 400;  // wide enough for every column width

QToolButton* MakeButton(QWidget* parent, const QString& name, const QString& hint) {
  auto* b = new QToolButton(parent);
  b->setObjectName(name);
  b->setAutoRaise(true);
  b->setFocusPolicy(Qt::NoFocus);
  if (!hint.isEmpty()) b->setToolTip(hint);
  return b;
}

QComboBox* MakeList(QWidget* parent, const QString& name, const QStringList& items) {
  auto* c = new QComboBox(parent);
  c->setObjectName(name);
  c->addItems(items);
  c->setFocusPolicy(Qt::ClickFocus);
  return c;
}

const QStringList kSizeItems = {"8 x 8", "16 x 16", "32 x 32", "64 x 64", "128 x 128", "vlastný"};

}  // namespace

void TMainZorna::BuildToolPanel(ToolPanel& p, const QString& word, const QString& caption) {
  p.word = word;
  p.panel = new AlignPanel("Panel" + word);
  p.hlavicka = new AlignPanel("Panel" + word + "Hlavicka");
  p.hlavicka->resize(kBodyWidth, kPlainCaptionHeight);
  p.hlavicka_image = new ImageControl("Image" + word + "Hlavicka");
  p.hlavicka_image->SetPicture(PlainCaptionPicture(caption, kBodyWidth));
  p.right = new ImageControl("Image" + word + "HlavickaRight");
  p.right->resize(16, kPlainCaptionHeight);
  p.right->SetPicture(PlainCaptionEndPicture());
  p.min = new ImageControl("Image" + word + "Min");
  p.min->resize(16, kPlainCaptionHeight);
  p.min->SetPicture(PlainCollapsePicture());
  p.min->hide();
  p.hlavicka->AddAligned(p.right, Align::Right);
  p.hlavicka->AddAligned(p.min, Align::Right);
  p.hlavicka->AddAligned(p.hlavicka_image, Align::Client);
  p.okno = new AlignPanel("Panel" + word + "Okno");
  p.okno_image = new ImageControl("Image" + word + "Okno");
  p.okno_image->SetPicture(PlainBodyPicture(kBodyWidth, 300));
  p.okno->AddAligned(p.okno_image, Align::Client);
  p.panel->AddAligned(p.hlavicka, Align::Top);
  p.panel->AddAligned(p.okno, Align::Client);
  p.panel->resize(kBodyWidth, 100);
  for (ImageControl* image : {p.hlavicka_image, p.right, p.min}) {
    connect(image, &ImageControl::Clicked, this,
            [this, image](Qt::MouseButton) { ImageVstupMinClick(image); });
  }
  connect(p.right, &ImageControl::MouseMoved, this,
          [this, image = p.right](int, int) { ImageVstupHlavickaRightMouseMove(image); });
  PanelOkna->AddAligned(p.panel, Align::Top);
}

void TMainZorna::BuildInputPanel() {
  QWidget* body = Panel("Vstup").okno;
  Bevel2 = new QFrame(body);
  Bevel2->setObjectName("Bevel2");
  Bevel2->setFrameStyle(QFrame::Box | QFrame::Raised);
  Bevel2->setGeometry(88, 8, 34, 34);
  Image1 = new ImageControl("Image1", body);
  Image1->setGeometry(89, 9, 32, 32);
  ComboBox2 = MakeList(body, "ComboBox2", kSizeItems);
  ComboBox2->setGeometry(4, 9, 80, 21);
  BtnZamknute = MakeButton(body, "BtnZamknute", "");
  BtnZamknute->setIcon(PlainLockGlyph(true));
  BtnZamknute->setGeometry(4, 32, 17, 17);
  BtnOdomknute = MakeButton(body, "BtnOdomknute", "");
  BtnOdomknute->setIcon(PlainLockGlyph(false));
  BtnOdomknute->setGeometry(4, 32, 17, 17);
  BtnOdomknute->hide();
  Zvacs2 = MakeButton(body, "Zvacs2", "");
  Zvacs2->setIcon(PlainEnlargeGlyph());
  Zvacs2->setGeometry(24, 32, 17, 17);
  Zvacs1 = MakeButton(body, "Zvacs1", "");
  Zvacs1->setIcon(PlainEnlargeGlyph());
  Zvacs1->setCheckable(true);
  Zvacs1->setChecked(true);  // the pressed look of its group
  Zvacs1->setGeometry(25, 32, 17, 17);
  Zvacs1->setEnabled(false);
  Zvacs2->raise();  // the enabled one lies in front: a disabled one on top swallows clicks
  BtnMod = MakeButton(body, "BtnMod", "");
  BtnMod->setText("mód 1");
  BtnMod->setGeometry(44, 32, 40, 17);
}

void TMainZorna::BuildMagnifierPanel() {
  QWidget* body = Panel("Lupa").okno;
  ComboBox4 = MakeList(body, "ComboBox4", {"8 x 8", "16 x 16", "32 x 32", "64 x 64", "128 x 128"});
  ComboBox4->setGeometry(4, 9, 80, 21);
  Image3 = new ImageControl("Image3", body);
  Image3->SetStretch(true);
  Image3->setGeometry(89, 9, 32, 32);
}

void TMainZorna::BuildBackgroundPanel() {
  QWidget* body = Panel("Podklad").okno;
  ComboBox3 = MakeList(
      body, "ComboBox3",
      {"kombinovať farby", "prekryť obrázkom", "transparentne (biela)", "transparentne (pixel 1,1)",
       "transparentne (pixel max, max)", "orezať okraje (od 1,1)", "orezať okraje (od max, max)",
       "orezať okraje (od 1,1 a max, max)"});
  ComboBox3->setGeometry(4, 9, 72, 21);
  ComboBox3->view()->setMinimumWidth(210);
  ComboBoxEx1 = new QComboBox(body);
  ComboBoxEx1->setObjectName("ComboBoxEx1");
  ComboBoxEx1->setFocusPolicy(Qt::ClickFocus);
  ComboBoxEx1->move(78, 9);
}

void TMainZorna::BuildOutputPanel() {
  QWidget* body = Panel("Vystup").okno;
  Bevel3 = new QFrame(body);
  Bevel3->setObjectName("Bevel3");
  Bevel3->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  Bevel3->setLineWidth(1);
  Bevel3->setGeometry(88, 8, 34, 34);
  Image2 = new ImageControl("Image2", Bevel3);
  Image2->setGeometry(1, 1, 32, 32);
  Image2->setCursor(Qt::PointingHandCursor);
  ComboBox1 = MakeList(body, "ComboBox1", kSizeItems);
  ComboBox1->setGeometry(4, 9, 80, 21);
  BtnOtocDolava = MakeButton(body, "BtnOtocDolava", "Pootočiť");
  BtnOtocDolava->setText("↶");
  BtnOtocDolava->setGeometry(4, 32, 19, 17);
  BtnOtocDoprava = MakeButton(body, "BtnOtocDoprava", "Pootočiť");
  BtnOtocDoprava->setText("↷");
  BtnOtocDoprava->setGeometry(24, 32, 19, 17);
  BtnPreklopVodorovne = MakeButton(body, "BtnPreklopVodorovne", "Preklopiť vodorovne");
  BtnPreklopVodorovne->setText("⇆");
  BtnPreklopVodorovne->setGeometry(44, 32, 19, 17);
  BtnPreklopZvislo = MakeButton(body, "BtnPreklopZvislo", "Preklopiť zvislo");
  BtnPreklopZvislo->setText("⇅");
  BtnPreklopZvislo->setGeometry(64, 32, 19, 17);
}

void TMainZorna::BuildButtonStrip() {
  Panel6 = new AlignPanel("Panel6");
  Panel6->resize(81, 200);
  ImageOkno = new ImageControl("ImageOkno");
  ImageOkno->SetPicture(PlainBodyPicture(81, 600));
  ImageSkinVyrobil = new ImageControl("ImageSkinVyrobil");
  ImageSkinVyrobil->resize(81, 0);
  Panel6->AddAligned(ImageSkinVyrobil, Align::Bottom);
  Panel6->AddAligned(ImageOkno, Align::Client);
  QStyle* style = QApplication::style();
  struct ButtonSpec {
    QToolButton** button;
    const char* name;
    const char* hint;
    QStyle::StandardPixmap icon;
    int column, row;
  };
  const ButtonSpec buttons[] = {
      {&BtnMinimize, "BtnMinimize", "Minimalizovať", QStyle::SP_TitleBarMinButton, 0, 0},
      {&BtnClose, "BtnClose", "Ukončiť program", QStyle::SP_TitleBarCloseButton, 1, 0},
      {&BtnInfo, "BtnInfo", "O programe", QStyle::SP_MessageBoxInformation, 0, 1},
      {&BtnRight, "BtnRight", "Presunúť okno", QStyle::SP_ArrowRight, 1, 1},
      {&BtnLeft, "BtnLeft", "Presunúť okno", QStyle::SP_ArrowLeft, 1, 1},
      {&BtnCopy, "BtnCopy", "Kopírovať do schránky", QStyle::SP_FileDialogContentsView, 0, 2},
      {&BtnSave, "BtnSave", "Uložiť do súboru", QStyle::SP_DialogSaveButton, 1, 2},
      {&BtnGallery, "BtnGallery", "Obrázok z galérie", QStyle::SP_DirOpenIcon, 0, 3},
      {&BtnTheme, "BtnTheme", "Zmeniť vzhľad", QStyle::SP_DesktopIcon, 1, 3},
  };
  for (const ButtonSpec& s : buttons) {
    QToolButton* b = MakeButton(Panel6, s.name, s.hint);
    b->setIcon(style->standardIcon(s.icon));
    b->setIconSize(QSize(20, 20));
    b->setGeometry(6 + s.column * 36, 6 + s.row * 30, 32, 28);
    *s.button = b;
  }
  BtnLeft->hide();
  Panel1->AddAligned(Panel6, Align::Right);
}

void TMainZorna::BuildFrame() {
  bitmapa = new ImageControl("bitmapa", this);
  bitmapa->move(0, 0);
  Bevel1 = new QFrame(this);
  Bevel1->setObjectName("Bevel1");
  Bevel1->setFrameStyle(QFrame::Box | QFrame::Raised);
  Bevel1->setAttribute(Qt::WA_TransparentForMouseEvents);
  Bevel1->setGeometry(1, 1, 31, 31);

  Panel1 = new AlignPanel("Panel1", this);
  Panel1->setAutoFillBackground(true);
  QPalette silver = Panel1->palette();
  silver.setColor(QPalette::Window, QColor(0xC0, 0xC0, 0xC0));
  Panel1->setPalette(silver);
  Panel1->setGeometry(8, 8, 300, 400);
  BuildButtonStrip();
  PanelOkna = new AlignPanel("PanelOkna");
  PanelOkna->resize(170, 400);
  Panel1->AddAligned(PanelOkna, Align::Left);
  const QString words[4] = {"Vstup", "Lupa", "Podklad", "Vystup"};
  const QString captions[4] = {"Vstup", "Lupa", "Podklad", "Výsledok"};
  for (int i = 0; i < 4; ++i) BuildToolPanel(panels[i], words[i], captions[i]);
  ImageSpodok_End = new ImageControl("ImageSpodok_End");
  ImageSpodok_End->resize(16, 0);
  ImageSpodok = new ImageControl("ImageSpodok");
  PanelOkna->AddAligned(ImageSpodok_End, Align::Right);
  PanelOkna->AddAligned(ImageSpodok, Align::Client);
  BuildInputPanel();
  BuildMagnifierPanel();
  BuildBackgroundPanel();
  BuildOutputPanel();
  BuildOverlays();
  BuildMenus();
  BuildShortcuts();
}

void TMainZorna::BuildOverlays() {
  NenajdeneVGalerii = new QPlainTextEdit(this);
  NenajdeneVGalerii->setObjectName("NenajdeneVGalerii");
  NenajdeneVGalerii->setPlainText("NenajdeneVGalerii");
  NenajdeneVGalerii->hide();
  Label5 = new QLabel(this);
  Label5->setObjectName("Label5");
  Label5->hide();
  Working = new QFrame(this);
  Working->setObjectName("Working");
  Working->setFrameStyle(QFrame::Panel | QFrame::Raised);
  Working->setAutoFillBackground(true);
  Working->setGeometry(200, 200, 320, 60);
  ProgressBar2 = new QProgressBar(Working);
  ProgressBar2->setObjectName("ProgressBar2");
  ProgressBar2->setGeometry(10, 20, 300, 20);
  Working->hide();
  PanelTajneMenu = new QFrame(this);
  PanelTajneMenu->setObjectName("PanelTajneMenu");
  PanelTajneMenu->setFrameStyle(QFrame::Panel | QFrame::Raised);
  PanelTajneMenu->setAutoFillBackground(true);
  PanelTajneMenu->setGeometry(200, 300, 320, 60);
  ProgressBar1 = new QProgressBar(PanelTajneMenu);
  ProgressBar1->setObjectName("ProgressBar1");
  ProgressBar1->setGeometry(10, 20, 300, 20);
  PanelTajneMenu->hide();
  Timer1 = new QTimer(this);
  Timer1->setObjectName("Timer1");
  Timer1->setInterval(1000);
  connect(Timer1, &QTimer::timeout, this, &TMainZorna::Timer1Timer);
  Timer1->start();
  Timer2 = new QTimer(this);
  Timer2->setObjectName("Timer2");
  Timer2->setInterval(1000);
  connect(Timer2, &QTimer::timeout, this, &TMainZorna::Timer2Timer);
}

void TMainZorna::BuildMenus() {
  PopupMenu2 = new QMenu(this);
  PopupMenu2->setObjectName("PopupMenu2");
  auto add = [](QMenu* menu, const char* name, const QString& text, const QString& keys) {
    QAction* a = menu->addAction(text);
    a->setObjectName(name);
    if (!keys.isEmpty()) a->setShortcut(QKeySequence(keys));
    a->setShortcutVisibleInContextMenu(true);
    return a;
  };
  connect(add(PopupMenu2, "Nastaviakopodklad2", "Nastaviť ako podklad", "Ctrl+Backspace"),
          &QAction::triggered, this, [this] { Nastaviakopodklad2Click(PopupMenu2); });
  add(PopupMenu2, "Daobrzoknaplochu1", "Dať obrázok na plochu", "Ctrl+P");
  add(PopupMenu2, "Upraviobrzok1", "Tieň a obrys obrázka", "Ctrl+T");
  add(PopupMenu2, "Upraviobrzok2", "Upraviť obrázok", "Ctrl+U");
  PopupMenu2->addSeparator();
  add(PopupMenu2, "Vloiobrzokzosboru1", "Vložiť obrázok zo súboru", "Ctrl+O");
  PopupMenu1 = new QMenu(this);
  PopupMenu1->setObjectName("PopupMenu1");
  add(PopupMenu1, "Pouiobrzok1", "Použiť obrázok", "");
  add(PopupMenu1, "Daobrzoklennaplochu1", "Dať obrázok len na plochu", "");
  add(PopupMenu1, "Nastaviakopodklad1", "Nastaviť ako podklad", "");
  // Commands whose windows come later stay disabled rather than doing nothing when chosen.
  for (QMenu* menu : {PopupMenu1, PopupMenu2}) {
    for (QAction* a : menu->actions()) {
      if (!a->isSeparator() && a->objectName() != "Nastaviakopodklad2") a->setEnabled(false);
    }
  }
}

void TMainZorna::BuildShortcuts() {
  struct ShortcutSpec {
    const char* name;
    const char* keys;
    std::function<void()> handler;
  };
  const ShortcutSpec shortcuts[] = {
      {"ESC", "Esc", [this] { ESCExecute(nullptr); }},
      {"Open", "Ctrl+O", {}},
      {"Save", "Ctrl+S", [this] { BtnSaveClick(nullptr); }},
      {"CopyImage", "Ctrl+C", [this] { BtnCopyClick(nullptr); }},
      {"Information", "Ctrl+I", [this] { BtnInfoClick(nullptr); }},
      {"Left", "Ctrl+Left", [this] { BtnLeftClick(nullptr); }},
      {"Right", "Ctrl+Right", [this] { BtnRightClick(nullptr); }},
      {"Up", "Ctrl+Up", {}},
      {"Down", "Ctrl+Down", {}},
      {"Security", "Ctrl+M", {}},
      {"Gallery", "Ctrl+G", {}},
      {"Help", "F1", [this] { HELPClick(nullptr); }},
      {"Podklad", "Ctrl+Backspace", [this] { Nastaviakopodklad2Click(nullptr); }},
      {"Plocha", "Ctrl+P", {}},
      {"Tien_obrys", "Ctrl+T", {}},
      {"UpravitObrazok", "Ctrl+U", {}},
      {"PlLeft", "Left", [this] { PlLeftExecute(nullptr); }},
      {"PlRight", "Right", [this] { PlRightExecute(nullptr); }},
      {"PlUp", "Up", [this] { PlUpExecute(nullptr); }},
      {"PlDown", "Down", [this] { PlDownExecute(nullptr); }},
  };
  for (const ShortcutSpec& s : shortcuts) {
    auto* shortcut = new QShortcut(QKeySequence(s.keys), this);
    shortcut->setObjectName(s.name);
    shortcut->setContext(Qt::ApplicationShortcut);
    if (s.handler) connect(shortcut, &QShortcut::activated, this, s.handler);
    actions_.insert(s.name, shortcut);
  }
}

}  // namespace zorna::app
