#pragma once
#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QTextBrowser>
#include <QToolButton>

#include "app/dialogs/not_found_searches.h"
#include "app/platform/handler_guard.h"
#include "app/widgets/link_label.h"

namespace zorna::app {

class TMailList;

// "O programe": the program's name and version, the author's web and mail links, the help
// page, the number of pictures in the gallery and the link for news of new versions.
class TOPrograme : public QDialog, protected GuardedConnections {
  Q_OBJECT
  using GuardedConnections::connect;  // every handler it connects runs guarded
 public:
  // The box mails the searches that found nothing and then forgets them; the new-versions link
  // asks for the address in the mailing-list form.
  TOPrograme(QWidget* parent, NotFoundSearches not_found, TMailList& mail_list);

  void Label14Click(QObject* sender);  // the web page
  void Label4Click(QObject* sender);   // a mail to the author, with the searches not found
  void Label9Click(QObject* sender);   // news of new versions
  // The help page, filling the box, which grows for it.
  void SpeedButton1Click(QObject* sender);
  // Counts the gallery's pictures into Label16, each time the box becomes the active window,
  // unless it shows the help page.
  void FormActivate();
  bool ShowsHelpPage() const;

  QLabel* Label2 = nullptr;   // "Zorna"
  QLabel* Label10 = nullptr;  // the version
  QLabel* Label13 = nullptr;
  LinkLabel* Label14 = nullptr;  // the web address
  QLabel* Label6 = nullptr;
  LinkLabel* Label4 = nullptr;  // the e-mail address
  QToolButton* SpeedButton1 = nullptr;
  QFrame* Bevel1 = nullptr;
  QLabel* Label15 = nullptr;
  QLabel* Label16 = nullptr;  // the gallery count
  QLabel* Label3 = nullptr;
  LinkLabel* Label9 = nullptr;
  QTextBrowser* WebBrowser1 = nullptr;

 protected:
  void changeEvent(QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  void WebBrowser1AnchorClicked(const QUrl& url);

  NotFoundSearches not_found_;
  TMailList& mail_list_;
  bool help_shown_ = false;
  bool counting_ = false;
  bool closed_while_counting_ = false;
};

}  // namespace zorna::app
