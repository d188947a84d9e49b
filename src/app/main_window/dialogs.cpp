// The dialogs the main window makes when they are first asked for, and what each dialog gets of
// the window: never the window itself, only the pictures and calls it works with.
#include "app/dialogs/dlg_upravit.h"
#include "app/dialogs/mail_list.h"
#include "app/dialogs/o_programe.h"
#include "app/main_window/main_zorna.h"
#include "app/main_window/main_zorna_parts.h"
#include "app/widgets/tool_widgets.h"
#include "artwork/background_tiles.h"

namespace zorna::app {

TMailList* TMainZorna::MailListForm() {
  if (!dialogs_.MailList) dialogs_.MailList = new TMailList(this);
  return dialogs_.MailList;
}

TOPrograme* TMainZorna::OProgrameForm() {
  if (!dialogs_.OPrograme) {
    NotFoundSearches not_found{
        [this] { return NotFoundLines(); },
        [this](const std::vector<std::string>& left) { SetNotFoundLines(left); }};
    dialogs_.OPrograme = new TOPrograme(this, std::move(not_found), *MailListForm());
  }
  return dialogs_.OPrograme;
}

TUpravit* TMainZorna::UpravitForm() {
  if (!dialogs_.Upravit) {
    EditedResult result{[this]() -> const Bitmap& { return d->Image2->Picture(); },
                        [this](const Bitmap& edited) { d->Image2->SetPicture(edited); },
                        [this] { return SizeOf(d->ComboBox1); },
                        [this] { return BackgroundListIsSmall(); },
                        [this]() -> Bitmap& { return d->state.scratch; }};
    dialogs_.Upravit = new TUpravit(this, std::move(result));
  }
  return dialogs_.Upravit;
}

UserBackgrounds TMainZorna::UserBackgroundPictures() const {
  return {[this](bool small) {
            return (small ? d->backgrounds.list1 : d->backgrounds.list2).Picture(kUserBackground);
          },
          [this] { return d->background_list_small; }};
}

}  // namespace zorna::app
