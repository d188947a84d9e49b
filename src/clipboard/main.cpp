// zorna-clipboard: when Zorna ends while its picture is on the clipboard and no clipboard
// manager takes it, this small process keeps the picture on the clipboard until another
// program puts something there, then ends. Zorna starts it detached and writes the picture to
// its standard input; it answers "served", "manager" or "failed" on its standard output once
// Zorna may end, or "unsupported" where the desktop lets no other program keep it. Its one argument
// names the desktop: "x11" (the default) or "wayland".
#include <unistd.h>

#include <cstdio>
#include <cstring>

#include "payload.h"
#include "wayland_clipboard.h"
#include "x11_clipboard.h"

namespace {

void Tell(zorna::clipboard::Handover handover) {
  using zorna::clipboard::Handover;
  const char* word = handover == Handover::kServed         ? "served\n"
                     : handover == Handover::kManagerThere ? "manager\n"
                     : handover == Handover::kUnsupported  ? "unsupported\n"
                                                           : "failed\n";
  std::fputs(word, stdout);
  std::fflush(stdout);
  // Zorna reads one line; the descriptor goes so that nothing ties the two any more.
  std::fclose(stdout);
}

}  // namespace

int main(int argc, char** argv) {
  const auto payload = zorna::clipboard::ReadPayload(stdin);
  if (!payload) {
    Tell(zorna::clipboard::Handover::kFailed);
    return 2;
  }
  std::fclose(stdin);
  const bool wayland = argc > 1 && std::strcmp(argv[1], "wayland") == 0;
  const auto handover = wayland ? zorna::clipboard::ServeOnWayland(*payload, Tell)
                                : zorna::clipboard::ServeOnX11(*payload, Tell);
  return handover == zorna::clipboard::Handover::kFailed ? 1 : 0;
}
