// The screen picture: hovering composes the square under the pointer into the preview and the
// magnifier, a click takes it into the result, and the arrow keys nudge the pick.
#include <QScreen>
#include <QWindow>

#include "app/main_window/main_zorna.h"
#include "app/main_window/main_zorna_parts.h"
#include "app/main_window/settings_access.h"
#include "app/platform/cursor.h"
#include "app/platform/messages.h"
#include "app/platform/screen_picture.h"
#include "app/widgets/device_pixels.h"
#include "app/widgets/tool_widgets.h"
#include "composition/preview.h"

namespace zorna::app {

void TMainZorna::SetUpScreen() {
  d->bitmapa = new ImageControl("bitmapa", this);
  d->bitmapa->SetDevicePixels(true);
  d->bitmapa->move(0, 0);
  d->Bevel1 = new SquareMarker("Bevel1", this);
  Wire(d->bitmapa, &ImageControl::MouseMoved, "bitmapaMouseMove",
       [this](int x, int y) { bitmapaMouseMove(d->bitmapa, x, y); });
  Wire(d->bitmapa, &ImageControl::MousePressed, "bitmapaMouseDown",
       [this](Qt::MouseButton, int, int) { bitmapaMouseDown(d->bitmapa); });
  AddAction("PlLeft", "Left", "PlLeftExecute", [this] { PlLeftExecute(nullptr); });
  AddAction("PlRight", "Right", "PlRightExecute", [this] { PlRightExecute(nullptr); });
  AddAction("PlUp", "Up", "PlUpExecute", [this] { PlUpExecute(nullptr); });
  AddAction("PlDown", "Down", "PlDownExecute", [this] { PlDownExecute(nullptr); });
}

void TMainZorna::ShowScreenCopy(Bitmap picture, const QScreen* screen) {
  const QSize device(picture.Width(), picture.Height());
  SetWindowDeviceScale(
      *this, screen ? CopyScale(device, screen->geometry().size(), screen->devicePixelRatio())
                    : std::nullopt);
  d->bitmapa->resize(LogicalCover(QRect(QPoint(0, 0), device), WindowDeviceScale(*this)).size());
  d->bitmapa->SetPicture(std::move(picture));
  LayOpenedPicture();  // a picture the program was opened with lies over every copy shown
  d->Bevel1->MoveTo(d->Bevel1->Square().x(), d->Bevel1->Square().y());  // placed at this scale
}

void TMainZorna::ShowOverScreen() {
  if (QScreen* s = screen()) setGeometry(s->geometry());
  if (d->desktop_copy.isNull()) {
    showFullScreen();
    return;
  }
  // Maximised, on no screen named: the desktop chooses, and the window then covers the screen
  // it came to and shows that screen's copy. A window left on the first screen is told
  // nothing and stays maximised there, showing the first screen's copy.
  showMaximized();
  connect(windowHandle(), &QWindow::screenChanged, this, [this](QScreen* s) {
    if (d->desktop_copy.isNull() || !s) return;
    ShowScreenCopy(ScreenOfDesktop(d->desktop_copy, s), s);
    d->desktop_copy = QImage();
    showFullScreen();
  });
}

void TMainZorna::bitmapaMouseMove(QObject*, int x, int y) {
  d->Bevel1->MoveTo(x + 1, y + 1);
  ComposeAt(x, y);
  d->Image3->SetPicture(d->Image1->Picture());
}

void TMainZorna::ComposeAt(int x, int y) {
  PickSettings pick;
  pick.input = SizeOf(d->ComboBox2);
  pick.output = SizeOf(d->ComboBox1);
  pick.mode = d->ComboBox3->currentIndex();
  pick.background = d->ComboBoxEx1->currentIndex();
  pick.smooth = d->state.smooth_enlarging;
  pick.shrink_mode1 = d->state.shrink_mode == 1;
  pick.x = x;
  pick.y = y;
  ComposePreview(d->bitmapa->Picture(), Backgrounds().ForOutput(pick.output), pick,
                 d->Image1->MutablePicture(), d->state.scratch);
  d->Image1->Changed();
}

void TMainZorna::bitmapaMouseDown(QObject*) {
  ToolPanel& vystup = d->Panel("Vystup");
  if (vystup.panel->height() == vystup.hlavicka->height()) ImageVstupMinClick(vystup.right);
  d->Image2->SetPicture(d->Image1->Picture());
  d->BtnSave->setEnabled(true);
  d->BtnCopy->setEnabled(true);
  d->BtnOtocDoprava->show();
  d->BtnOtocDolava->show();
  d->BtnPreklopZvislo->show();
  d->BtnPreklopVodorovne->show();
  if (!UzZobrazene(2)) {
    ShowPlainMessage(
        tr("Kliknutím na ikonku z disketou obrázok uložíte.\rKliknutím na ikonku vedľa obrázok "
           "skopírujete (do schránky)."));
  } else if (!UzZobrazene(5)) {
    ShowPlainMessage(tr("Výsledný obrázok môžete ešte ďalej upravovať kliknutím naň vo výsledku."));
  }
}

void TMainZorna::PlLeftExecute(QObject*) {
  Nudge(-1, 0);
}
void TMainZorna::PlRightExecute(QObject*) {
  Nudge(1, 0);
}
void TMainZorna::PlUpExecute(QObject*) {
  Nudge(0, -1);
}
void TMainZorna::PlDownExecute(QObject*) {
  Nudge(0, 1);
}

// Moving the pointer by one pixel re-picks through the mouse move, but only where the pointer
// can be moved and one of its pixels is one picture pixel. Elsewhere (Wayland, a scaled
// desktop) the pick itself moves by one picture pixel and the pointer stays; the next real
// move of the pointer picks where it is again. Either way nothing is re-picked while the
// pointer is away from the screen picture (over a panel).
void TMainZorna::Nudge(int dx, int dy) {
  if (PointerPositionKnown() && d->bitmapa->devicePixelRatioF() == 1) {
    SetCursorPos(GetCursorPos() + QPoint(dx, dy));
    return;
  }
  if (childAt(mapFromGlobal(GetCursorPos())) != d->bitmapa) return;
  const QPoint pick = d->Bevel1->Square().topLeft() - QPoint(1, 1);
  bitmapaMouseMove(d->bitmapa, pick.x() + dx, pick.y() + dy);
}

}  // namespace zorna::app
