// The least a Qt Widgets program can do to show a screen-sized picture: one frameless full-screen
// window painting the picture named by ZORNA_SCREEN_IMAGE (or a made one when unset). It says
// "painted" after its first paint and ends, as the real program does for the start-up benchmark,
// so the two start-up times compare directly.
#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <utility>

namespace {

class PictureWindow : public QWidget {
 public:
  explicit PictureWindow(QImage picture) : picture_(std::move(picture)) {
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter(this).drawImage(0, 0, picture_);
    if (painted_) return;
    painted_ = true;
    QTimer::singleShot(0, this, [] {
      std::fputs("painted\n", stdout);
      std::fflush(stdout);
      QCoreApplication::exit(0);
    });
  }

 private:
  QImage picture_;
  bool painted_ = false;
};

QImage ScreenPicture() {
  const QString path = qEnvironmentVariable("ZORNA_SCREEN_IMAGE");
  QImage picture = path.isEmpty() ? QImage() : QImage(path);
  if (picture.isNull()) {
    picture = QImage(1920, 1080, QImage::Format_RGB32);
    picture.fill(QColor(0x80, 0x80, 0x80));
  }
  return picture;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  PictureWindow window(ScreenPicture());
  window.showFullScreen();
  return app.exec();
}
