#include "app/dialogs/mail_list.h"

#include "app/widgets/dialog_buttons.h"
#include "app/widgets/screen_centre.h"

namespace zorna::app {
namespace {

// Liberation Sans runs wider than the face this layout was measured for: a text that would
// reach past its room gets a smaller size.
void FitToWidth(QLabel* label, int width) {
  QFont font = label->font();
  while (font.pixelSize() > 8 && QFontMetrics(font).horizontalAdvance(label->text()) > width) {
    font.setPixelSize(font.pixelSize() - 1);
  }
  label->setFont(font);
}

}  // namespace

TMailList::TMailList(QWidget* parent) : QDialog(parent) {
  MakeFixedDialog(this, "MailList", tr("Pridanie do mailinglistu."), QSize(333, 88));
  Label1 =
      new QLabel(tr("Chcem dostávať pravidelné informácie o novinkách tohoto programu."), this);
  Label1->setObjectName("Label1");
  Label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  FitToWidth(Label1, 326);
  Label1->setGeometry(0, 8, 326, Label1->sizeHint().height());
  Label2 = new QLabel(tr("Posielajte mi ich na e-mail:"), this);
  Label2->setObjectName("Label2");
  Label2->move(8, 32);
  FitToWidth(Label2, 124);
  Label2->adjustSize();
  Edit = new QLineEdit(this);
  Edit->setObjectName("Edit");
  Edit->setGeometry(136, 24, 193, 21);
  const OkCancelButtons buttons = MakeOkCancelButtons(this);
  BitBtn1 = buttons.ok;
  BitBtn1->setObjectName("BitBtn1");
  BitBtn1->setGeometry(80, 55, 75, 25);
  BitBtn2 = buttons.cancel;
  BitBtn2->setObjectName("BitBtn2");
  BitBtn2->setGeometry(176, 55, 75, 25);
  connect(Edit, &QLineEdit::textChanged, this, [this] { EditChange(); });
  EditChange();
}

void TMailList::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  EditChange();
  MoveToScreenCentre(this);
  Edit->setFocus();
}

void TMailList::EditChange() {
  const QString text = Edit->text();
  BitBtn1->setEnabled(text.contains('@') && text.contains('.'));
}

}  // namespace zorna::app
