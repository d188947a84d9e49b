// The library panel "Kniznica": the gallery's picture menu and the progress of a gallery update.
#include "app/shell/main_zorna.h"

namespace zorna::app {

void TMainZorna::SetUpLibrary() {
  PopupMenu1 = new QMenu(this);
  PopupMenu1->setObjectName("PopupMenu1");
  // The gallery's pictures come with the library; until then its commands stay disabled.
  for (auto [name, text] : {std::pair{"Pouiobrzok1", "Použiť obrázok"},
                            std::pair{"Daobrzoklennaplochu1", "Dať obrázok len na plochu"},
                            std::pair{"Nastaviakopodklad1", "Nastaviť ako podklad"}}) {
    QAction* a = PopupMenu1->addAction(QString::fromUtf8(text));
    a->setObjectName(name);
    a->setEnabled(false);
  }
  Working = new QFrame(this);
  Working->setObjectName("Working");
  Working->setFrameStyle(QFrame::Panel | QFrame::Raised);
  Working->setAutoFillBackground(true);
  Working->setGeometry(200, 200, 320, 60);
  ProgressBar2 = new QProgressBar(Working);
  ProgressBar2->setObjectName("ProgressBar2");
  ProgressBar2->setGeometry(10, 20, 300, 20);
  Working->hide();
  AddAction("Gallery", "Ctrl+G");
}

}  // namespace zorna::app
