// The magnifier panel "Lupa": the pick enlarged to the chosen magnifier size.
#include "app/main_window/main_zorna.h"
#include "app/widgets/tool_widgets.h"

namespace zorna::app {

void TMainZorna::SetUpMagnifierPanel() {
  QWidget* body = Panel("Lupa").okno;
  ComboBox4 =
      MakeDropDown(body, "ComboBox4", {"8 x 8", "16 x 16", "32 x 32", "64 x 64", "128 x 128"});
  ComboBox4->setGeometry(4, 9, 80, 21);
  Image3 = new ImageControl("Image3", body);
  Image3->SetStretch(true);
  Image3->setGeometry(89, 9, 32, 32);
  connect(ComboBox4, &QComboBox::activated, this, [this] { ComboBox4Change(ComboBox4); });
}

void TMainZorna::ComboBox4Change(QObject* sender) {
  const int m = SizeOf(ComboBox4);
  Image3->resize(m, m);
  NastavVelkosti();
  ImageVstupMinClick(nullptr);
  if (Docked()) BtnRightClick(sender);
}

}  // namespace zorna::app
