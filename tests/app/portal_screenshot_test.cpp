// The screen copy through the desktop portal, against a portal of the test's own on a private
// session bus: a copy taken, refused, never answered, and no portal at all.
#include "app/platform/portal_screenshot.h"

#include <gtest/gtest.h>

#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>
#include <QVariantMap>
#include <cstring>

#include "app/platform/screen_picture.h"

namespace zorna::app::testing {
namespace {

// The portal's side of the exchange: answers each request on its request object, as the
// real portal does, after the call has returned.
class FakePortal : public QObject, protected QDBusContext {
  Q_OBJECT
  Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Screenshot")
 public:
  enum class Answer { kPicture, kRefuse, kSilence };
  FakePortal(QDBusConnection bus, QString uri) : bus_(std::move(bus)), uri_(std::move(uri)) {}
  Answer answer = Answer::kPicture;
  QVariantMap options_seen;

 public slots:
  QDBusObjectPath Screenshot(const QString&, const QVariantMap& options) {
    options_seen = options;
    QString sender = message().service().mid(1);
    sender.replace('.', '_');
    const QString handle = "/org/freedesktop/portal/desktop/request/" + sender + "/" +
                           options.value("handle_token").toString();
    if (answer != Answer::kSilence) {
      QTimer::singleShot(20, this, [this, handle] {
        QDBusMessage response =
            QDBusMessage::createSignal(handle, "org.freedesktop.portal.Request", "Response");
        response << uint(answer == Answer::kPicture ? 0 : 1)
                 << QVariantMap{{"uri", answer == Answer::kPicture ? uri_ : QString()}};
        bus_.send(response);
      });
    }
    return QDBusObjectPath(handle);
  }

 private:
  QDBusConnection bus_;
  QString uri_;
};

class PortalScreenshotTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const QString daemon = QStandardPaths::findExecutable("dbus-daemon");
    if (daemon.isEmpty()) GTEST_SKIP() << "no dbus-daemon";
    // A bus of our own that starts no services: a name asked for that nobody holds stays
    // missing, as on a desktop without a portal.
    QFile config(folder_.filePath("bus.conf"));
    ASSERT_TRUE(config.open(QIODevice::WriteOnly));
    config.write(
        "<busconfig><type>session</type><listen>unix:tmpdir=/tmp</listen>"
        "<auth>EXTERNAL</auth><policy context=\"default\"><allow send_destination=\"*\"/>"
        "<allow receive_sender=\"*\"/><allow own=\"*\"/></policy></busconfig>");
    config.close();
    bus_daemon_.start(daemon,
                      {"--config-file=" + config.fileName(), "--nofork", "--print-address=1"});
    ASSERT_TRUE(bus_daemon_.waitForReadyRead(10000));
    const QString address = QString::fromUtf8(bus_daemon_.readLine()).trimmed();
    ASSERT_FALSE(address.isEmpty()) << bus_daemon_.readAllStandardError().toStdString();
    client_ = std::make_unique<QDBusConnection>(
        QDBusConnection::connectToBus(address, "zorna-test-client"));
    portal_bus_ = std::make_unique<QDBusConnection>(
        QDBusConnection::connectToBus(address, "zorna-test-portal"));
    ASSERT_TRUE(client_->isConnected() && portal_bus_->isConnected());
    QImage picture(40, 30, QImage::Format_RGB32);
    picture.fill(QColor(10, 20, 30));
    picture.setPixel(39, 29, qRgb(200, 100, 50));
    ASSERT_TRUE(picture.save(folder_.filePath("copy.png")));
    portal_ = std::make_unique<FakePortal>(
        *portal_bus_, QUrl::fromLocalFile(folder_.filePath("copy.png")).toString());
  }
  void TearDown() override {
    portal_.reset();
    client_.reset();
    portal_bus_.reset();
    QDBusConnection::disconnectFromBus("zorna-test-client");
    QDBusConnection::disconnectFromBus("zorna-test-portal");
    bus_daemon_.kill();
    bus_daemon_.waitForFinished();
  }
  void OfferPortal() {
    ASSERT_TRUE(portal_bus_->registerService("org.freedesktop.portal.Desktop"));
    ASSERT_TRUE(portal_bus_->registerObject("/org/freedesktop/portal/desktop", portal_.get(),
                                            QDBusConnection::ExportAllSlots));
  }

  QProcess bus_daemon_;
  QTemporaryDir folder_;
  std::unique_ptr<QDBusConnection> client_;
  std::unique_ptr<QDBusConnection> portal_bus_;
  std::unique_ptr<FakePortal> portal_;
};

TEST_F(PortalScreenshotTest, TheAnsweredFileIsTheCopyAskedForWithoutADialog) {
  OfferPortal();
  const PortalScreenshot shot = TakePortalScreenshot(*client_, 5000);
  ASSERT_EQ(shot.outcome, PortalOutcome::kTaken) << shot.detail.toStdString();
  EXPECT_EQ(shot.picture.size(), QSize(40, 30));
  EXPECT_EQ(shot.picture.pixel(39, 29), qRgb(200, 100, 50));
  EXPECT_EQ(portal_->options_seen.value("interactive"), QVariant(false));
}

TEST_F(PortalScreenshotTest, ARefusalOrSilenceOrNoPortalIsNoCopy) {
  QElapsedTimer clock;
  clock.start();
  EXPECT_EQ(TakePortalScreenshot(*client_, 5000).outcome, PortalOutcome::kMissing);
  OfferPortal();
  portal_->answer = FakePortal::Answer::kRefuse;
  EXPECT_EQ(TakePortalScreenshot(*client_, 5000).outcome, PortalOutcome::kRefused);
  EXPECT_LT(clock.elapsed(), 4000);  // neither waited for the time limit
  portal_->answer = FakePortal::Answer::kSilence;
  clock.restart();
  const PortalScreenshot silent = TakePortalScreenshot(*client_, 300);
  EXPECT_EQ(silent.outcome, PortalOutcome::kTimedOut);
  EXPECT_GE(clock.elapsed(), 290);
  EXPECT_LT(clock.elapsed(), 3000);
  EXPECT_TRUE(silent.picture.isNull());
}

// Refused, or silent for ZORNA_PORTAL_TIMEOUT seconds: the user learns what happened and what to
// do.
TEST_F(PortalScreenshotTest, NoCopySaysWhatHappenedAndWhatToDo) {
  OfferPortal();
  qputenv("ZORNA_PORTAL_TIMEOUT", "1");
  for (const char* told : {"odmietlo", "do 1 sekundy"}) {
    portal_->answer = *told == 'o' ? FakePortal::Answer::kRefuse : FakePortal::Answer::kSilence;
    try {
      CopyScreenThroughPortal(QGuiApplication::primaryScreen(), *client_);
      ADD_FAILURE() << "a copy";
    } catch (const NoScreenCopy& e) {
      EXPECT_TRUE(std::strstr(e.what(), told) && std::strstr(e.what(), "povoľte")) << e.what();
    }
  }
  qunsetenv("ZORNA_PORTAL_TIMEOUT");
}

}  // namespace
}  // namespace zorna::app::testing

#include "portal_screenshot_test.moc"
