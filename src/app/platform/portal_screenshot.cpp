#include "app/platform/portal_screenshot.h"

#include <QCoreApplication>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QEventLoop>
#include <QTimer>
#include <QUrl>
#include <QVariantMap>

namespace zorna::app {
namespace {

const char kService[] = "org.freedesktop.portal.Desktop";
const char kPath[] = "/org/freedesktop/portal/desktop";
const char kScreenshot[] = "org.freedesktop.portal.Screenshot";
const char kRequest[] = "org.freedesktop.portal.Request";

// Receives the request's Response signal and ends the wait.
class ResponseCatcher : public QObject {
  Q_OBJECT
 public:
  explicit ResponseCatcher(QEventLoop& loop) : loop_(loop) {}
  bool answered = false;
  uint code = 0;
  QVariantMap results;

 public slots:
  void Response(uint response, const QVariantMap& answer) {
    answered = true;
    code = response;
    results = answer;
    loop_.quit();
  }

 private:
  QEventLoop& loop_;
};

// The request object's path is known before the call (the portal derives it from our bus
// name and the token), so the answer cannot slip past between the call and the subscription.
QString RequestPath(const QDBusConnection& bus, const QString& token) {
  QString sender = bus.baseService().mid(1);
  sender.replace('.', '_');
  return QString("%1/request/%2/%3").arg(kPath, sender, token);
}

bool Subscribe(QDBusConnection& bus, const QString& path, ResponseCatcher& catcher) {
  return bus.connect(QString(), path, kRequest, "Response", &catcher,
                     SLOT(Response(uint, QVariantMap)));
}

void Unsubscribe(QDBusConnection& bus, const QString& path, ResponseCatcher& catcher) {
  bus.disconnect(QString(), path, kRequest, "Response", &catcher,
                 SLOT(Response(uint, QVariantMap)));
}

PortalScreenshot Failed(PortalOutcome outcome, const QString& detail) {
  PortalScreenshot shot;
  shot.outcome = outcome;
  shot.detail = detail;
  return shot;
}

}  // namespace

PortalScreenshot TakePortalScreenshot(const QDBusConnection& connection, int timeout_ms) {
  QDBusConnection bus = connection;
  if (!bus.isConnected()) return Failed(PortalOutcome::kMissing, bus.lastError().message());
  static int counter = 0;
  const QString token =
      QString("zorna%1_%2").arg(QCoreApplication::applicationPid()).arg(++counter);
  QEventLoop loop;
  ResponseCatcher catcher(loop);
  QString path = RequestPath(bus, token);
  Subscribe(bus, path, catcher);

  QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kScreenshot, "Screenshot");
  call << QString() << QVariantMap{{"handle_token", token}, {"interactive", false}};
  QDBusPendingCallWatcher watcher(bus.asyncCall(call, timeout_ms));
  QObject::connect(&watcher, &QDBusPendingCallWatcher::finished, &loop, &QEventLoop::quit);
  bool expired = false;
  QTimer::singleShot(timeout_ms, &loop, [&] {
    expired = true;
    loop.quit();
  });
  while (!watcher.isFinished() && !expired) loop.exec();

  PortalScreenshot shot;
  if (!watcher.isFinished()) {
    shot = Failed(PortalOutcome::kTimedOut, QString());
  } else if (watcher.isError()) {
    const QDBusError error = watcher.error();
    shot = Failed(error.type() == QDBusError::NoReply || error.type() == QDBusError::Timeout ||
                          error.type() == QDBusError::TimedOut
                      ? PortalOutcome::kTimedOut
                      : PortalOutcome::kMissing,
                  error.message());
  } else {
    // Older portals choose the request's path themselves and say it in the reply.
    const QString handle = QDBusPendingReply<QDBusObjectPath>(watcher).value().path();
    if (!handle.isEmpty() && handle != path) {
      Unsubscribe(bus, path, catcher);
      path = handle;
      Subscribe(bus, path, catcher);
    }
    while (!catcher.answered && !expired) loop.exec();
    if (!catcher.answered) {
      bus.call(QDBusMessage::createMethodCall(kService, path, kRequest, "Close"), QDBus::NoBlock);
      shot = Failed(PortalOutcome::kTimedOut, QString());
    } else if (catcher.code != 0) {
      shot = Failed(PortalOutcome::kRefused, QString::number(catcher.code));
    } else {
      const QString uri = catcher.results.value("uri").toString();
      shot.picture = QImage(QUrl(uri).toLocalFile());
      shot.outcome = shot.picture.isNull() ? PortalOutcome::kUnreadable : PortalOutcome::kTaken;
      shot.detail = uri;
    }
  }
  Unsubscribe(bus, path, catcher);
  return shot;
}

}  // namespace zorna::app

#include "portal_screenshot.moc"
