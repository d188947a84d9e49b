// The magnifier panel "Lupa": the pick enlarged to the chosen magnifier size.
#include "app/main_window/main_zorna.h"
#include "app/main_window/main_zorna_parts.h"
#include "app/widgets/tool_widgets.h"

namespace zorna::app {

void TMainZorna::SetUpMagnifierPanel() {
  QWidget* body = d->Panel("Lupa").okno;
  d->ComboBox4 =
      MakeDropDown(body, "ComboBox4", {"8 x 8", "16 x 16", "32 x 32", "64 x 64", "128 x 128"});
  d->ComboBox4->setGeometry(4, 9, 80, 21);
  d->Image3 = new ImageControl("Image3", body);
  d->Image3->SetStretch(true);
  d->Image3->setGeometry(89, 9, 32, 32);
  Wire(d->ComboBox4, &QComboBox::activated, "ComboBox4Change",
       [this] { ComboBox4Change(d->ComboBox4); });
}

void TMainZorna::ComboBox4Change(QObject* sender) {
  const int m = SizeOf(d->ComboBox4);
  d->Image3->resize(m, m);
  NastavVelkosti();
  ImageVstupMinClick(nullptr);
  if (Docked()) BtnRightClick(sender);
}

}  // namespace zorna::app
