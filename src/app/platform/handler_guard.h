#pragma once
#include <QObject>
#include <QString>
#include <exception>
#include <string>
#include <type_traits>
#include <utility>

namespace zorna::app {

// What the window says of anything thrown, in its language (zorna::MessageFor).
QString MessageOf(const std::exception& error);
// Of a failure that the core tells in both languages, the wording the window speaks.
QString ShownWording(const std::string& english, const std::string& slovak);

// The error box for anything a handler threw, worded as MessageOf says.
void ShowErrorOf(const std::exception& error);
// The error box for something thrown that is no exception.
void ShowUnknownError();

// Runs a handler as the window runs every handler: whatever it throws ends it and is shown in
// the error box, and the program goes on. Nothing thrown by a handler reached through a signal
// may unwind through Qt's own code, which is not written for it. Every event passes through it,
// so the handler is called as it is, never wrapped in anything that allocates.
template <typename Handler>
void RunGuarded(Handler&& handler) {
  try {
    std::forward<Handler>(handler)();
  } catch (const std::exception& e) {
    ShowErrorOf(e);
  } catch (...) {
    ShowUnknownError();
  }
}

// A slot for connect() that runs its handler guarded. It takes the signal's arguments that the
// handler takes (Qt tries fewer until one fits), so any handler a plain connect takes fits.
template <typename Handler>
class GuardedSlot {
 public:
  explicit GuardedSlot(Handler handler) : handler_(std::move(handler)) {}
  template <typename... Args>
  auto operator()(Args&&... args) const
      -> decltype(std::declval<const Handler&>()(std::forward<Args>(args)...), void()) {
    RunGuarded([&] { handler_(std::forward<Args>(args)...); });
  }

 private:
  Handler handler_;
};

// The connect() of the program's windows: a handler given as a function object runs guarded; a
// member function slot (a timer's tick, a tooltip setter) goes to Qt as it is. A window class
// derives from it and says `using GuardedConnections::connect;`, which hides QObject::connect
// in its own code, so that no connection it makes can forget the guard.
class GuardedConnections {
 protected:
  template <typename Sender, typename Signal, typename Context, typename Handler>
  static QMetaObject::Connection connect(const Sender* sender, Signal signal,
                                         const Context* context, Handler handler) {
    if constexpr (std::is_member_function_pointer_v<Handler>) {
      return QObject::connect(sender, signal, context, handler);
    } else {
      return QObject::connect(sender, signal, context, GuardedSlot<Handler>(std::move(handler)));
    }
  }
};

}  // namespace zorna::app
