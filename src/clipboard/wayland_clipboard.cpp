#include "wayland_clipboard.h"

#include <unistd.h>
#include <wayland-client.h>

#include <csignal>
#include <cstring>
#include <string>

#include "data-control-v1-client.h"

namespace zorna::clipboard {
namespace {

struct Session {
  const Payload* payload = nullptr;
  wl_seat* seat = nullptr;
  zwlr_data_control_manager_v1* manager = nullptr;
  bool keeps_clipboard = false;  // GNOME's compositor
  bool cancelled = false;
};

void Global(void* data, wl_registry* registry, uint32_t name, const char* interface, uint32_t) {
  auto* s = static_cast<Session*>(data);
  if (!s->seat && std::strcmp(interface, wl_seat_interface.name) == 0) {
    s->seat = static_cast<wl_seat*>(wl_registry_bind(registry, name, &wl_seat_interface, 1));
  } else if (std::strcmp(interface, zwlr_data_control_manager_v1_interface.name) == 0) {
    s->manager = static_cast<zwlr_data_control_manager_v1*>(
        wl_registry_bind(registry, name, &zwlr_data_control_manager_v1_interface, 1));
  } else if (std::strcmp(interface, "gtk_shell1") == 0) {
    s->keeps_clipboard = true;
  }
}
void GlobalRemove(void*, wl_registry*, uint32_t) {}
const wl_registry_listener kRegistry{Global, GlobalRemove};

// A paste: the other program reads the picture from the descriptor.
void Send(void* data, zwlr_data_control_source_v1*, const char* mime_type, int32_t fd) {
  const auto* s = static_cast<Session*>(data);
  const std::string& bytes =
      std::strcmp(mime_type, "image/png") == 0 ? s->payload->png : s->payload->bmp;
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
    if (n <= 0) break;
    done += static_cast<std::size_t>(n);
  }
  close(fd);
}
void Cancelled(void* data, zwlr_data_control_source_v1*) {
  static_cast<Session*>(data)->cancelled = true;  // another program has the clipboard
}
const zwlr_data_control_source_v1_listener kSource{Send, Cancelled};

// What others put on the clipboard is of no interest; their offers are let go.
void DataOffer(void*, zwlr_data_control_device_v1*, zwlr_data_control_offer_v1*) {}
void Selection(void*, zwlr_data_control_device_v1*, zwlr_data_control_offer_v1* offer) {
  if (offer) zwlr_data_control_offer_v1_destroy(offer);
}
void Finished(void* data, zwlr_data_control_device_v1*) {
  static_cast<Session*>(data)->cancelled = true;
}
const zwlr_data_control_device_v1_listener kDevice{DataOffer, Selection, Finished};

}  // namespace

Handover ServeOnWayland(const Payload& payload, void (*ready)(Handover)) {
  wl_display* display = wl_display_connect(nullptr);
  if (!display) {
    ready(Handover::kFailed);
    return Handover::kFailed;
  }
  Session s;
  s.payload = &payload;
  wl_registry* registry = wl_display_get_registry(display);
  wl_registry_add_listener(registry, &kRegistry, &s);
  wl_display_roundtrip(display);
  if (!s.seat || !s.manager) {
    wl_display_disconnect(display);
    const Handover handover = !s.seat             ? Handover::kFailed
                              : s.keeps_clipboard ? Handover::kManagerThere
                                                  : Handover::kUnsupported;
    ready(handover);
    return handover;
  }
  std::signal(SIGPIPE, SIG_IGN);  // a reader that goes away early
  zwlr_data_control_source_v1* source = zwlr_data_control_manager_v1_create_data_source(s.manager);
  zwlr_data_control_source_v1_add_listener(source, &kSource, &s);
  zwlr_data_control_source_v1_offer(source, "image/png");
  zwlr_data_control_source_v1_offer(source, "image/bmp");
  zwlr_data_control_device_v1* device =
      zwlr_data_control_manager_v1_get_data_device(s.manager, s.seat);
  zwlr_data_control_device_v1_add_listener(device, &kDevice, &s);
  zwlr_data_control_device_v1_set_selection(device, source);
  wl_display_roundtrip(display);
  ready(s.cancelled ? Handover::kFailed : Handover::kServed);
  while (!s.cancelled && wl_display_dispatch(display) != -1) {
  }
  wl_display_disconnect(display);
  return Handover::kServed;
}

}  // namespace zorna::clipboard
