#include "x11_clipboard.h"

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace zorna::clipboard {
namespace {

struct FreeDeleter {
  void operator()(void* p) const { std::free(p); }
};
template <typename T>
using Reply = std::unique_ptr<T, FreeDeleter>;

xcb_atom_t Atom(xcb_connection_t* c, const char* name) {
  Reply<xcb_intern_atom_reply_t> reply(
      xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, std::strlen(name), name), nullptr));
  return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

xcb_window_t Owner(xcb_connection_t* c, xcb_atom_t selection) {
  Reply<xcb_get_selection_owner_reply_t> reply(
      xcb_get_selection_owner_reply(c, xcb_get_selection_owner(c, selection), nullptr));
  return reply ? reply->owner : xcb_window_t{XCB_WINDOW_NONE};
}

// A server time for taking the selection, as the selection rules ask (not "current time"):
// the time stamp of a property change on our own window.
xcb_timestamp_t ServerTime(xcb_connection_t* c, xcb_window_t window, xcb_atom_t property) {
  xcb_change_property(c, XCB_PROP_MODE_APPEND, window, property, XCB_ATOM_STRING, 8, 0, "");
  xcb_flush(c);
  while (xcb_generic_event_t* event = xcb_wait_for_event(c)) {
    Reply<xcb_generic_event_t> owned(event);
    if ((event->response_type & 0x7F) == XCB_PROPERTY_NOTIFY)
      return reinterpret_cast<xcb_property_notify_event_t*>(event)->time;
  }
  return XCB_CURRENT_TIME;
}

struct Atoms {
  xcb_atom_t clipboard, manager, targets, timestamp, multiple, png, bmp, stamp;
};

// Answers one request: the list of targets, the time the selection was taken, or a picture.
void Answer(xcb_connection_t* c, const xcb_selection_request_event_t& request, const Atoms& a,
            const Payload& payload, xcb_timestamp_t taken) {
  xcb_atom_t property = request.property == XCB_ATOM_NONE ? request.target : request.property;
  const std::vector<xcb_atom_t> targets{a.targets, a.timestamp, a.png, a.bmp};
  if (request.target == a.targets) {
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, request.requestor, property, XCB_ATOM_ATOM, 32,
                        targets.size(), targets.data());
  } else if (request.target == a.timestamp) {
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, request.requestor, property, XCB_ATOM_INTEGER, 32,
                        1, &taken);
  } else if (request.target == a.png || request.target == a.bmp) {
    const std::string& data = request.target == a.png ? payload.png : payload.bmp;
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, request.requestor, property, request.target, 8,
                        data.size(), data.data());
  } else {
    property = XCB_ATOM_NONE;  // refused, MULTIPLE included
  }
  xcb_selection_notify_event_t notify{};
  notify.response_type = XCB_SELECTION_NOTIFY;
  notify.time = request.time;
  notify.requestor = request.requestor;
  notify.selection = request.selection;
  notify.target = request.target;
  notify.property = property;
  xcb_send_event(c, 0, request.requestor, XCB_EVENT_MASK_NO_EVENT,
                 reinterpret_cast<const char*>(&notify));
  xcb_flush(c);
}

}  // namespace

Handover ServeOnX11(const Payload& payload, void (*ready)(Handover)) {
  int screen_number = 0;
  xcb_connection_t* c = xcb_connect(nullptr, &screen_number);
  if (xcb_connection_has_error(c)) {
    xcb_disconnect(c);
    ready(Handover::kFailed);
    return Handover::kFailed;
  }
  const Atoms a{Atom(c, "CLIPBOARD"), Atom(c, "CLIPBOARD_MANAGER"),
                Atom(c, "TARGETS"),   Atom(c, "TIMESTAMP"),
                Atom(c, "MULTIPLE"),  Atom(c, "image/png"),
                Atom(c, "image/bmp"), Atom(c, "ZORNA_CLIPBOARD_TIME")};
  if (Owner(c, a.manager) != XCB_WINDOW_NONE) {
    xcb_disconnect(c);
    ready(Handover::kManagerThere);
    return Handover::kManagerThere;
  }
  xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
  const xcb_window_t window = xcb_generate_id(c);
  const uint32_t events = XCB_EVENT_MASK_PROPERTY_CHANGE;
  xcb_create_window(c, XCB_COPY_FROM_PARENT, window, screen->root, 0, 0, 1, 1, 0,
                    XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, XCB_CW_EVENT_MASK, &events);
  const xcb_timestamp_t taken = ServerTime(c, window, a.stamp);
  xcb_set_selection_owner(c, window, a.clipboard, taken);
  if (Owner(c, a.clipboard) != window) {
    xcb_disconnect(c);
    ready(Handover::kFailed);
    return Handover::kFailed;
  }
  ready(Handover::kServed);
  while (xcb_generic_event_t* event = xcb_wait_for_event(c)) {
    Reply<xcb_generic_event_t> owned(event);
    const uint8_t type = event->response_type & 0x7F;
    if (type == XCB_SELECTION_REQUEST) {
      Answer(c, *reinterpret_cast<xcb_selection_request_event_t*>(event), a, payload, taken);
    } else if (type == XCB_SELECTION_CLEAR) {
      break;  // another program has the clipboard now
    }
  }
  xcb_disconnect(c);
  return Handover::kServed;
}

}  // namespace zorna::clipboard
