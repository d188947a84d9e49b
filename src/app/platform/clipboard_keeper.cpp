#include "app/platform/clipboard_keeper.h"

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <unistd.h>

#include <QBuffer>
#include <QClipboard>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <csignal>
#include <cstdint>

#include "app/build_settings.h"
#include "app/platform/messages.h"

extern char** environ;

namespace zorna::app {
namespace {

QByteArray Encoded(const QImage& image, const char* format) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, format);
  return bytes;
}

void AppendBlock(QByteArray& message, const QByteArray& block) {
  const auto size = static_cast<std::uint32_t>(block.size());
  for (int shift = 0; shift < 32; shift += 8) message.append(char((size >> shift) & 0xFF));
  message.append(block);
}

bool WriteAll(int fd, const QByteArray& data) {
  qsizetype done = 0;
  while (done < data.size()) {
    const ssize_t n = write(fd, data.constData() + done, static_cast<size_t>(data.size() - done));
    if (n <= 0) return false;
    done += n;
  }
  return true;
}

// The helper's one line, or nothing after the time limit.
QByteArray AwaitAnswer(int fd, int timeout_ms) {
  pollfd p{fd, POLLIN, 0};
  if (poll(&p, 1, timeout_ms) <= 0) return {};
  char answer[16];
  const ssize_t n = read(fd, answer, sizeof answer);
  return n > 0 ? QByteArray(answer, n).trimmed() : QByteArray();
}

// Beside the program when it runs from the build, in its helpers' folder when installed.
QString ClipboardHelper() {
  const QString here = QCoreApplication::applicationDirPath();
  for (const QString& folder :
       {here, here + "/" + QString::fromUtf8(build_settings::kInstalledHelpersFromExecutable)}) {
    const QString helper = folder + "/zorna-clipboard";
    if (QFileInfo(helper).isExecutable()) return helper;
  }
  return {};
}

}  // namespace

void KeepClipboardAfterExit() {
  const QString platform = QGuiApplication::platformName();
  if (platform != "xcb" && platform != "wayland") return;
  QClipboard* clipboard = QGuiApplication::clipboard();
  if (!clipboard->ownsClipboard()) return;
  const QImage image = clipboard->image();
  if (image.isNull()) return;
  const QString helper = ClipboardHelper();
  if (helper.isEmpty()) return;
  QByteArray message;
  AppendBlock(message, Encoded(image, "PNG"));
  AppendBlock(message, Encoded(image, "BMP"));

  int to_helper[2], from_helper[2];
  if (pipe2(to_helper, O_CLOEXEC) != 0) return;
  if (pipe2(from_helper, O_CLOEXEC) != 0) {
    close(to_helper[0]);
    close(to_helper[1]);
    return;
  }
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, to_helper[0], STDIN_FILENO);
  posix_spawn_file_actions_adddup2(&actions, from_helper[1], STDOUT_FILENO);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
  // A session of its own: the helper outlives the program and its terminal.
  posix_spawnattr_t attributes;
  posix_spawnattr_init(&attributes);
  posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSID);
  const QByteArray path = helper.toLocal8Bit();
  char desktop[] = "x11";
  char wayland[] = "wayland";
  char* argv[] = {const_cast<char*>(path.constData()), platform == "wayland" ? wayland : desktop,
                  nullptr};
  pid_t pid = 0;
  const int started = posix_spawn(&pid, path.constData(), &actions, &attributes, argv, environ);
  posix_spawn_file_actions_destroy(&actions);
  posix_spawnattr_destroy(&attributes);
  close(to_helper[0]);
  close(from_helper[1]);
  if (started == 0) {
    // A helper that ends early must not end the program with a broken pipe.
    const auto previous = std::signal(SIGPIPE, SIG_IGN);
    const bool sent = WriteAll(to_helper[1], message);
    close(to_helper[1]);
    std::signal(SIGPIPE, previous);
    if (sent && AwaitAnswer(from_helper[0], 3000) == "unsupported")
      ShowPlainMessage(QCoreApplication::translate(
          "ClipboardKeeper",
          "Skopírovaný obrázok po skončení programu zo schránky zmizne: tento desktop "
          "nedovolí inému programu podržať ho v schránke."));
  } else {
    close(to_helper[1]);
  }
  close(from_helper[0]);
}

}  // namespace zorna::app
