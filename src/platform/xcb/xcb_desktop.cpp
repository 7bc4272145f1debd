#include "platform/xcb/xcb_desktop.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdlib>
#include <map>
#include <unordered_map>
#include <vector>

#include <poll.h>
#include <unistd.h>

#include <xcb/res.h>
#include <xcb/xcb.h>
#include <xcb/xcb_ewmh.h>
#include <xcb/xcb_icccm.h>
#include <xcb/xcbext.h>
#include <xcb/xtest.h>

#include <QAbstractNativeEventFilter>
#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QMimeData>
#include <QScreen>
#include <QtGui/qguiapplication_platform.h>

#include "platform/cp1252.h"
#include "platform/process_names.h"

namespace platform {

namespace {

using Clock = std::chrono::steady_clock;

// The longest the program waits for the X server in one call.
constexpr auto ReplyLimit = std::chrono::milliseconds(500);

class Deadline {
public:
  Deadline() : end_(Clock::now() + ReplyLimit) {}
  bool passed() const { return Clock::now() >= end_; }
  int remainingMs() const {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(end_ - Clock::now());
    return static_cast<int>(std::max<std::int64_t>(0, left.count()));
  }

private:
  Clock::time_point end_;
};

struct FreeDeleter {
  void operator()(void* pointer) const { std::free(pointer); }
};
template <typename T> using Reply = std::unique_ptr<T, FreeDeleter>;

// Waits for the reply to one request until the deadline. Null for an error,
// a timeout or a broken connection; a reply that comes too late is dropped.
void* awaitRaw(xcb_connection_t* c, unsigned int sequence, const Deadline& deadline) {
  xcb_flush(c);
  for (;;) {
    void* reply = nullptr;
    xcb_generic_error_t* error = nullptr;
    if (xcb_poll_for_reply(c, sequence, &reply, &error)) {
      std::free(error);
      return reply;
    }
    if (xcb_connection_has_error(c) || deadline.passed()) {
      xcb_discard_reply(c, sequence);
      return nullptr;
    }
    // Another thread (Qt's event reader) may take the bytes off the socket,
    // so look again every couple of milliseconds rather than waiting on it.
    pollfd socket{xcb_get_file_descriptor(c), POLLIN, 0};
    ::poll(&socket, 1, std::min(2, deadline.remainingMs()));
  }
}

template <typename T>
Reply<T> await(xcb_connection_t* c, unsigned int sequence, const Deadline& deadline) {
  return Reply<T>(static_cast<T*>(awaitRaw(c, sequence, deadline)));
}

std::string latin1ToUtf8(std::string_view bytes) {
  std::string text;
  for (unsigned char byte : bytes) {
    if (byte < 0x80) {
      text += static_cast<char>(byte);
    } else {
      text += static_cast<char>(0xC0 | (byte >> 6));
      text += static_cast<char>(0x80 | (byte & 0x3F));
    }
  }
  return text;
}

// Title properties hold UTF-8 (_NET_WM_NAME, and WM_NAME of the type
// UTF8_STRING) or Latin-1 (WM_NAME of the type STRING); programs that set them
// do not always say which, so well-formed UTF-8 is read as UTF-8 and anything
// else as Latin-1, whatever the type claims.
std::string textOfProperty(std::string_view bytes) {
  return isValidUtf8(bytes) ? std::string(bytes) : latin1ToUtf8(bytes);
}

std::string_view bytesOf(const xcb_get_property_reply_t* reply) {
  if (!reply || reply->format != 8) return {};
  return {static_cast<const char*>(xcb_get_property_value(reply)),
          static_cast<std::size_t>(xcb_get_property_value_length(reply))};
}

// The first of a list of NUL-separated strings.
std::string_view firstString(std::string_view bytes) {
  return bytes.substr(0, bytes.find('\0'));
}

constexpr std::uint32_t WatchedEvents =
    XCB_EVENT_MASK_PROPERTY_CHANGE | XCB_EVENT_MASK_STRUCTURE_NOTIFY;
constexpr std::size_t MaxCachedWindows = 512;
constexpr std::uint32_t IconicState = 3;
constexpr std::uint32_t TextLength = 4096; // in 32-bit units

// The key symbols of the keys the program sends.
xcb_keysym_t keysymOf(Key key) {
  switch (key) {
  case Key::Control:
    return 0xffe3; // Control_L
  case Key::A:
    return 0x0061;
  case Key::C:
    return 0x0063;
  case Key::Right:
    return 0xff53;
  case Key::Home:
    return 0xff50;
  case Key::Shift:
    return 0xffe1; // Shift_L
  case Key::Alt:
    return 0xffe9; // Alt_L
  case Key::Super:
    return 0xffeb; // Super_L
  }
  return 0;
}

} // namespace

struct XcbDesktop::Connection : QAbstractNativeEventFilter {
  // What the program knows of a window it watches. An empty field is asked
  // for when needed; a property event empties it again.
  struct Window {
    std::optional<std::string> title;
    std::optional<std::string> className;
    std::optional<std::string> role;
    std::optional<int> processId;
    std::optional<std::vector<xcb_atom_t>> netState;
    std::optional<std::uint32_t> wmState;
    std::optional<std::array<std::uint32_t, 4>> frameExtents; // left, right, top, bottom
  };

  xcb_connection_t* c = nullptr;
  xcb_window_t root = 0;
  int screenNumber = 0;
  xcb_ewmh_connection_t ewmh{};
  bool ewmhReady = false;
  xcb_atom_t wmStateAtom = XCB_ATOM_NONE;
  xcb_atom_t wmRoleAtom = XCB_ATOM_NONE;
  bool hasResources = false;
  bool hasTest = false;
  bool rootWatched = false;
  std::optional<WindowId> active;
  std::unordered_map<xcb_window_t, Window> windows;
  std::optional<std::array<xcb_keycode_t, KeyCount>> keycodes;
  // The keys of each modifier found held by the last look, to be released.
  std::map<Key, std::vector<xcb_keycode_t>> heldCodes;

  explicit Connection(xcb_connection_t* connection);
  ~Connection() override;

  bool usable() const { return c && !xcb_connection_has_error(c); }
  bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;
  void propertyChanged(xcb_window_t window, xcb_atom_t atom);

  // The watched window's cache entry, watching it first; null when the window
  // cannot be watched (it is gone, or the server does not answer).
  Window* watched(xcb_window_t window, const Deadline& deadline);
  Reply<xcb_get_property_reply_t> property(xcb_window_t window, xcb_atom_t atom,
                                           const Deadline& deadline);
  std::optional<xcb_keycode_t> keycodeOf(Key key);
};

XcbDesktop::Connection::Connection(xcb_connection_t* connection) {
  if (!connection || xcb_connection_has_error(connection)) return;
  const xcb_setup_t* setup = xcb_get_setup(connection);
  xcb_screen_iterator_t screens = xcb_setup_roots_iterator(setup);
  if (!screens.rem) return;
  root = screens.data->root;

  xcb_prefetch_extension_data(connection, &xcb_res_id);
  xcb_prefetch_extension_data(connection, &xcb_test_id);
  const auto stateCookie = xcb_intern_atom(connection, 0, 8, "WM_STATE");
  const auto roleCookie = xcb_intern_atom(connection, 0, 14, "WM_WINDOW_ROLE");
  xcb_intern_atom_cookie_t* ewmhCookies = xcb_ewmh_init_atoms(connection, &ewmh);
  const auto rootCookie = xcb_get_window_attributes(connection, root);

  // Once the last reply is in, every earlier one is too: the replies below
  // are then read without waiting.
  Deadline deadline;
  auto rootAttributes =
      await<xcb_get_window_attributes_reply_t>(connection, rootCookie.sequence, deadline);
  if (!rootAttributes) {
    std::free(ewmhCookies);
    xcb_discard_reply(connection, stateCookie.sequence);
    xcb_discard_reply(connection, roleCookie.sequence);
    return;
  }
  ewmhReady = ewmhCookies && xcb_ewmh_init_atoms_replies(&ewmh, ewmhCookies, nullptr);
  Reply<xcb_intern_atom_reply_t> state(xcb_intern_atom_reply(connection, stateCookie, nullptr));
  Reply<xcb_intern_atom_reply_t> role(xcb_intern_atom_reply(connection, roleCookie, nullptr));
  if (state) wmStateAtom = state->atom;
  if (role) wmRoleAtom = role->atom;
  const xcb_query_extension_reply_t* res = xcb_get_extension_data(connection, &xcb_res_id);
  const xcb_query_extension_reply_t* test = xcb_get_extension_data(connection, &xcb_test_id);
  hasResources = res && res->present;
  hasTest = test && test->present;

  const std::uint32_t mask = rootAttributes->your_event_mask | XCB_EVENT_MASK_PROPERTY_CHANGE;
  xcb_change_window_attributes(connection, root, XCB_CW_EVENT_MASK, &mask);
  xcb_flush(connection);
  rootWatched = true;
  c = connection;
  if (QCoreApplication* app = QCoreApplication::instance()) app->installNativeEventFilter(this);
}

XcbDesktop::Connection::~Connection() {
  if (QCoreApplication* app = QCoreApplication::instance()) app->removeNativeEventFilter(this);
  if (ewmhReady) xcb_ewmh_connection_wipe(&ewmh);
}

bool XcbDesktop::Connection::nativeEventFilter(const QByteArray& eventType, void* message,
                                               qintptr*) {
  if (!c || eventType != "xcb_generic_event_t") return false;
  const auto* event = static_cast<const xcb_generic_event_t*>(message);
  switch (event->response_type & 0x7f) {
  case XCB_PROPERTY_NOTIFY: {
    const auto* notify = reinterpret_cast<const xcb_property_notify_event_t*>(event);
    propertyChanged(notify->window, notify->atom);
    break;
  }
  case XCB_DESTROY_NOTIFY: {
    const auto* notify = reinterpret_cast<const xcb_destroy_notify_event_t*>(event);
    windows.erase(notify->window);
    if (active && *active == static_cast<WindowId>(notify->window)) active.reset();
    break;
  }
  case XCB_MAPPING_NOTIFY:
    keycodes.reset();
    break;
  default:
    break;
  }
  return false; // Qt handles every event as usual
}

void XcbDesktop::Connection::propertyChanged(xcb_window_t window, xcb_atom_t atom) {
  if (window == root) {
    if (ewmhReady && atom == ewmh._NET_ACTIVE_WINDOW) active.reset();
    return;
  }
  const auto it = windows.find(window);
  if (it == windows.end()) return;
  Window& w = it->second;
  // Both title properties feed the one title.
  if (atom == XCB_ATOM_WM_NAME || (ewmhReady && atom == ewmh._NET_WM_NAME)) w.title.reset();
  if (atom == XCB_ATOM_WM_CLASS) w.className.reset();
  if (atom == wmRoleAtom) w.role.reset();
  if (ewmhReady && atom == ewmh._NET_WM_PID) w.processId.reset();
  if (ewmhReady && atom == ewmh._NET_WM_STATE) w.netState.reset();
  if (atom == wmStateAtom) w.wmState.reset();
  if (ewmhReady && atom == ewmh._NET_FRAME_EXTENTS) w.frameExtents.reset();
}

XcbDesktop::Connection::Window* XcbDesktop::Connection::watched(xcb_window_t window,
                                                                const Deadline& deadline) {
  if (!usable()) return nullptr;
  if (const auto it = windows.find(window); it != windows.end()) return &it->second;
  auto attributes = await<xcb_get_window_attributes_reply_t>(
      c, xcb_get_window_attributes(c, window).sequence, deadline);
  if (!attributes) return nullptr;
  // Add to what this connection (Qt, for the program's own windows) already selects.
  const std::uint32_t mask = attributes->your_event_mask | WatchedEvents;
  const auto cookie = xcb_change_window_attributes_checked(c, window, XCB_CW_EVENT_MASK, &mask);
  xcb_discard_reply(c, cookie.sequence); // a window gone meanwhile is no error to report
  if (windows.size() >= MaxCachedWindows) windows.clear();
  return &windows[window];
}

Reply<xcb_get_property_reply_t>
XcbDesktop::Connection::property(xcb_window_t window, xcb_atom_t atom, const Deadline& deadline) {
  if (atom == XCB_ATOM_NONE) return nullptr;
  const auto cookie =
      xcb_get_property(c, 0, window, atom, XCB_GET_PROPERTY_TYPE_ANY, 0, TextLength);
  return await<xcb_get_property_reply_t>(c, cookie.sequence, deadline);
}

std::optional<xcb_keycode_t> XcbDesktop::Connection::keycodeOf(Key key) {
  if (!keycodes) {
    const xcb_setup_t* setup = xcb_get_setup(c);
    const int count = setup->max_keycode - setup->min_keycode + 1;
    Deadline deadline;
    auto mapping = await<xcb_get_keyboard_mapping_reply_t>(
        c, xcb_get_keyboard_mapping(c, setup->min_keycode, count).sequence, deadline);
    if (!mapping || mapping->keysyms_per_keycode == 0) return std::nullopt;
    const xcb_keysym_t* symbols = xcb_get_keyboard_mapping_keysyms(mapping.get());
    const int perKey = mapping->keysyms_per_keycode;
    const int length = xcb_get_keyboard_mapping_keysyms_length(mapping.get());
    std::array<xcb_keycode_t, KeyCount> found{};
    for (int k = 0; k < KeyCount; ++k) {
      const xcb_keysym_t wanted = keysymOf(static_cast<Key>(k));
      for (int i = 0; i < length && !found[k]; ++i) {
        if (symbols[i] == wanted)
          found[k] = static_cast<xcb_keycode_t>(setup->min_keycode + i / perKey);
      }
    }
    keycodes = found;
  }
  const xcb_keycode_t code = (*keycodes)[static_cast<int>(key)];
  if (!code) return std::nullopt;
  return code;
}

XcbDesktop::XcbDesktop(xcb_connection_t* connection)
    : x_(std::make_unique<Connection>(connection)) {}

XcbDesktop::~XcbDesktop() = default;

bool XcbDesktop::available() const {
  return x_->usable();
}

Rect XcbDesktop::workArea() const {
  if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) return {};
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return {};
  const QRect area = screen->availableGeometry();
  return {area.x(), area.y(), area.width(), area.height()};
}

WindowId XcbDesktop::queryForeground() {
  if (!x_->usable() || !x_->ewmhReady) return FailedWindow;
  if (x_->active) return *x_->active;
  Deadline deadline;
  auto reply = await<xcb_get_property_reply_t>(
      x_->c, xcb_ewmh_get_active_window(&x_->ewmh, x_->screenNumber).sequence, deadline);
  if (!reply) return FailedWindow;
  xcb_window_t window = XCB_WINDOW_NONE;
  if (!xcb_ewmh_get_active_window_from_reply(&window, reply.get())) window = XCB_WINDOW_NONE;
  x_->active = static_cast<WindowId>(window);
  return *x_->active;
}

std::string XcbDesktop::queryTitle(WindowId window) {
  Deadline deadline;
  const auto id = static_cast<xcb_window_t>(window);
  Connection::Window* w = x_->watched(id, deadline);
  if (!w) return {};
  if (!w->title) {
    xcb_connection_t* c = x_->c;
    const auto netName = xcb_get_property(
        c, 0, id, x_->ewmhReady ? x_->ewmh._NET_WM_NAME : xcb_atom_t{XCB_ATOM_NONE},
        XCB_GET_PROPERTY_TYPE_ANY, 0, TextLength);
    const auto name =
        xcb_get_property(c, 0, id, XCB_ATOM_WM_NAME, XCB_GET_PROPERTY_TYPE_ANY, 0, TextLength);
    auto netReply = await<xcb_get_property_reply_t>(c, netName.sequence, deadline);
    auto nameReply = await<xcb_get_property_reply_t>(c, name.sequence, deadline);
    if (!nameReply) return {};
    const std::string_view netTitle = firstString(bytesOf(netReply.get()));
    w->title = textOfProperty(netTitle.empty() ? firstString(bytesOf(nameReply.get())) : netTitle);
  }
  return *w->title;
}

std::string XcbDesktop::queryClassName(WindowId window) {
  Deadline deadline;
  const auto id = static_cast<xcb_window_t>(window);
  Connection::Window* w = x_->watched(id, deadline);
  if (!w) return {};
  if (!w->className) {
    auto reply = x_->property(id, XCB_ATOM_WM_CLASS, deadline);
    if (!reply) return {};
    xcb_icccm_get_wm_class_reply_t wmClass{};
    if (xcb_icccm_get_wm_class_from_reply(&wmClass, reply.get())) {
      reply.release(); // the class reply owns it now
      w->className = textOfProperty(wmClass.class_name ? wmClass.class_name : "");
      xcb_icccm_get_wm_class_reply_wipe(&wmClass);
    } else {
      w->className = std::string();
    }
  }
  return *w->className;
}

std::string XcbDesktop::queryRole(WindowId window) {
  Deadline deadline;
  const auto id = static_cast<xcb_window_t>(window);
  Connection::Window* w = x_->watched(id, deadline);
  if (!w) return {};
  if (!w->role) {
    auto reply = x_->property(id, x_->wmRoleAtom, deadline);
    if (!reply && x_->wmRoleAtom != XCB_ATOM_NONE) return {};
    w->role = textOfProperty(firstString(bytesOf(reply.get())));
  }
  return *w->role;
}

int XcbDesktop::queryProcessId(WindowId window) {
  Deadline deadline;
  const auto id = static_cast<xcb_window_t>(window);
  Connection::Window* w = x_->watched(id, deadline);
  if (!w) return 0;
  if (!w->processId) {
    xcb_connection_t* c = x_->c;
    std::optional<xcb_res_query_client_ids_cookie_t> resCookie;
    if (x_->hasResources) {
      const xcb_res_client_id_spec_t client{id, XCB_RES_CLIENT_ID_MASK_LOCAL_CLIENT_PID};
      resCookie = xcb_res_query_client_ids(c, 1, &client);
    }
    std::optional<xcb_get_property_cookie_t> pidCookie;
    if (x_->ewmhReady) pidCookie = xcb_ewmh_get_wm_pid(&x_->ewmh, id);
    int found = 0;
    bool answered = false;
    if (resCookie) {
      auto ids = await<xcb_res_query_client_ids_reply_t>(c, resCookie->sequence, deadline);
      answered = answered || ids;
      if (ids) {
        for (auto it = xcb_res_query_client_ids_ids_iterator(ids.get()); it.rem && !found;
             xcb_res_client_id_value_next(&it)) {
          if ((it.data->spec.mask & XCB_RES_CLIENT_ID_MASK_LOCAL_CLIENT_PID) &&
              xcb_res_client_id_value_value_length(it.data) >= 1) {
            found = static_cast<int>(*xcb_res_client_id_value_value(it.data));
          }
        }
      }
    }
    if (pidCookie) {
      auto reply = await<xcb_get_property_reply_t>(c, pidCookie->sequence, deadline);
      answered = answered || reply;
      std::uint32_t pid = 0;
      if (!found && reply && xcb_ewmh_get_wm_pid_from_reply(&pid, reply.get())) {
        found = static_cast<int>(pid);
      }
    }
    if (!answered) return 0;
    w->processId = found;
  }
  return *w->processId;
}

std::string XcbDesktop::queryExecutable(int processId) {
  return executableNameOfProcess(processId);
}

int XcbDesktop::ownProcessId() {
  return static_cast<int>(::getpid());
}

std::optional<WindowGeometry> XcbDesktop::queryGeometry(WindowId window) {
  Deadline deadline;
  const auto id = static_cast<xcb_window_t>(window);
  Connection::Window* w = x_->watched(id, deadline);
  if (!w) return std::nullopt;
  xcb_connection_t* c = x_->c;
  const auto geometryCookie = xcb_get_geometry(c, id);
  const auto placeCookie = xcb_translate_coordinates(c, id, x_->root, 0, 0);
  std::optional<xcb_get_property_cookie_t> extentsCookie;
  if (!w->frameExtents && x_->ewmhReady) extentsCookie = xcb_ewmh_get_frame_extents(&x_->ewmh, id);

  auto geometry = await<xcb_get_geometry_reply_t>(c, geometryCookie.sequence, deadline);
  auto place = await<xcb_translate_coordinates_reply_t>(c, placeCookie.sequence, deadline);
  Reply<xcb_get_property_reply_t> extentsReply;
  if (extentsCookie)
    extentsReply = await<xcb_get_property_reply_t>(c, extentsCookie->sequence, deadline);
  if (!geometry || !place) return std::nullopt;
  if (extentsCookie && extentsReply) {
    xcb_ewmh_get_extents_reply_t extents{};
    if (xcb_ewmh_get_frame_extents_from_reply(&extents, extentsReply.get())) {
      w->frameExtents =
          std::array<std::uint32_t, 4>{extents.left, extents.right, extents.top, extents.bottom};
    } else {
      w->frameExtents = std::array<std::uint32_t, 4>{0, 0, 0, 0};
    }
  }
  WindowGeometry result;
  result.client = {place->dst_x, place->dst_y, geometry->width, geometry->height};
  const auto e = w->frameExtents.value_or(std::array<std::uint32_t, 4>{0, 0, 0, 0});
  result.outer = {result.client.left - static_cast<int>(e[0]),
                  result.client.top - static_cast<int>(e[2]),
                  result.client.width + static_cast<int>(e[0] + e[1]),
                  result.client.height + static_cast<int>(e[2] + e[3])};
  return result;
}

std::optional<WindowState> XcbDesktop::queryState(WindowId window) {
  Deadline deadline;
  const auto id = static_cast<xcb_window_t>(window);
  Connection::Window* w = x_->watched(id, deadline);
  if (!w) return std::nullopt;
  xcb_connection_t* c = x_->c;
  const auto attributesCookie = xcb_get_window_attributes(c, id);
  std::optional<xcb_get_property_cookie_t> netCookie, wmCookie;
  if (!w->netState && x_->ewmhReady) netCookie = xcb_ewmh_get_wm_state(&x_->ewmh, id);
  if (!w->wmState && x_->wmStateAtom != XCB_ATOM_NONE) {
    wmCookie = xcb_get_property(c, 0, id, x_->wmStateAtom, x_->wmStateAtom, 0, 2);
  }
  auto attributes =
      await<xcb_get_window_attributes_reply_t>(c, attributesCookie.sequence, deadline);
  Reply<xcb_get_property_reply_t> netReply, wmReply;
  if (netCookie) netReply = await<xcb_get_property_reply_t>(c, netCookie->sequence, deadline);
  if (wmCookie) wmReply = await<xcb_get_property_reply_t>(c, wmCookie->sequence, deadline);
  if (!attributes) return std::nullopt;
  if (netReply) {
    std::vector<xcb_atom_t> atoms;
    if (netReply->type == XCB_ATOM_ATOM && netReply->format == 32) {
      const auto* values = static_cast<const xcb_atom_t*>(xcb_get_property_value(netReply.get()));
      atoms.assign(values, values + xcb_get_property_value_length(netReply.get()) / 4);
    }
    w->netState = std::move(atoms);
  }
  if (wmReply) {
    std::uint32_t state = 0;
    if (wmReply->format == 32 && xcb_get_property_value_length(wmReply.get()) >= 4) {
      state = *static_cast<const std::uint32_t*>(xcb_get_property_value(wmReply.get()));
    }
    w->wmState = state;
  }
  const std::vector<xcb_atom_t> none;
  const auto& netState = w->netState ? *w->netState : none;
  const bool hidden = x_->ewmhReady && std::find(netState.begin(), netState.end(),
                                                 x_->ewmh._NET_WM_STATE_HIDDEN) != netState.end();
  WindowState state;
  state.mapped = attributes->map_state == XCB_MAP_STATE_VIEWABLE;
  state.hidden = hidden;
  state.minimised = hidden || w->wmState.value_or(0) == IconicState;
  return state;
}

bool XcbDesktop::requestActivation(WindowId window) {
  if (!x_->usable() || !x_->ewmhReady) return false;
  const xcb_window_t current = x_->active && *x_->active > 0
                                   ? static_cast<xcb_window_t>(*x_->active)
                                   : xcb_window_t{XCB_WINDOW_NONE};
  xcb_ewmh_request_change_active_window(
      &x_->ewmh, x_->screenNumber, static_cast<xcb_window_t>(window),
      XCB_EWMH_CLIENT_SOURCE_TYPE_OTHER, XCB_CURRENT_TIME, current);
  return xcb_flush(x_->c) > 0;
}

bool XcbDesktop::requestKeepAbove(WindowId window) {
  if (!x_->usable() || !x_->ewmhReady) return false;
  const auto id = static_cast<xcb_window_t>(window);
  xcb_ewmh_request_change_wm_state(&x_->ewmh, x_->screenNumber, id, XCB_EWMH_WM_STATE_ADD,
                                   x_->ewmh._NET_WM_STATE_ABOVE, XCB_ATOM_NONE,
                                   XCB_EWMH_CLIENT_SOURCE_TYPE_OTHER);
  const std::uint32_t above = XCB_STACK_MODE_ABOVE;
  xcb_configure_window(x_->c, id, XCB_CONFIG_WINDOW_STACK_MODE, &above);
  return xcb_flush(x_->c) > 0;
}

void XcbDesktop::injectKey(Key key, bool down) {
  if (!x_->usable() || !x_->hasTest) return;
  const auto code = x_->keycodeOf(key);
  if (!code) return;
  xcb_test_fake_input(x_->c, down ? XCB_KEY_PRESS : XCB_KEY_RELEASE, *code, XCB_CURRENT_TIME,
                      XCB_WINDOW_NONE, 0, 0, 0);
  xcb_flush(x_->c);
}

std::optional<std::pair<int, int>> XcbDesktop::pointerPosition() {
  if (!x_->usable()) return std::nullopt;
  Deadline deadline;
  auto reply = await<xcb_query_pointer_reply_t>(x_->c, xcb_query_pointer(x_->c, x_->root).sequence,
                                                deadline);
  if (!reply) return std::nullopt;
  return std::pair<int, int>{reply->root_x, reply->root_y};
}

void XcbDesktop::injectPointerMove(int x, int y) {
  if (!x_->usable() || !x_->hasTest) return;
  xcb_test_fake_input(x_->c, XCB_MOTION_NOTIFY, 0, XCB_CURRENT_TIME, x_->root,
                      static_cast<std::int16_t>(x), static_cast<std::int16_t>(y), 0);
  xcb_flush(x_->c);
}

void XcbDesktop::injectLeftButton(bool down) {
  if (!x_->usable() || !x_->hasTest) return;
  xcb_test_fake_input(x_->c, down ? XCB_BUTTON_PRESS : XCB_BUTTON_RELEASE, XCB_BUTTON_INDEX_1,
                      XCB_CURRENT_TIME, XCB_WINDOW_NONE, 0, 0, 0);
  xcb_flush(x_->c);
}

std::string XcbDesktop::queryClipboardText() {
  if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) return {};
  const QMimeData* data = QGuiApplication::clipboard()->mimeData(QClipboard::Clipboard);
  if (!data || !data->hasText()) return {};
  return data->text().toStdString();
}

std::optional<std::string> XcbDesktop::queryClipboardHtml() {
  if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) return std::nullopt;
  const QMimeData* data = QGuiApplication::clipboard()->mimeData(QClipboard::Clipboard);
  if (!data || !data->hasHtml()) return std::nullopt;
  return data->html().toStdString();
}

ClipboardContents XcbDesktop::queryClipboardContents() {
  ClipboardContents contents;
  if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) return contents;
  const QMimeData* data = QGuiApplication::clipboard()->mimeData(QClipboard::Clipboard);
  if (!data) return contents;
  for (const QString& format : data->formats()) {
    const QByteArray bytes = data->data(format);
    contents.formats.emplace_back(
        format.toStdString(),
        std::string(bytes.constData(), static_cast<std::size_t>(bytes.size())));
  }
  return contents;
}

void XcbDesktop::setClipboardContents(const ClipboardContents& contents, bool keepOwnership) {
  if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) return;
  QClipboard* clipboard = QGuiApplication::clipboard();
  auto* data = new QMimeData;
  for (const auto& [format, bytes] : contents.formats)
    data->setData(QString::fromStdString(format),
                  QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
  // Qt lets the clipboard go only when it holds it, so it takes it first.
  clipboard->setMimeData(data, QClipboard::Clipboard);
  if (contents.empty() && !keepOwnership) clipboard->clear(QClipboard::Clipboard);
  xcb_flush(x_->c);
}

bool XcbDesktop::clipboardHeldByOthers() {
  if (!x_->usable()) return false;
  xcb_connection_t* c = x_->c;
  Deadline deadline;
  auto atom =
      await<xcb_intern_atom_reply_t>(c, xcb_intern_atom(c, 0, 9, "CLIPBOARD").sequence, deadline);
  if (!atom) return false;
  auto owner = await<xcb_get_selection_owner_reply_t>(
      c, xcb_get_selection_owner(c, atom->atom).sequence, deadline);
  if (!owner || owner->owner == XCB_WINDOW_NONE) return false;
  // Windows made on this connection carry its resource id base.
  const xcb_setup_t* setup = xcb_get_setup(c);
  return (owner->owner & ~setup->resource_id_mask) != setup->resource_id_base;
}

std::vector<Key> XcbDesktop::heldModifiers() {
  x_->heldCodes.clear();
  if (!x_->usable()) return {};
  xcb_connection_t* c = x_->c;
  Deadline deadline;
  const auto mappingCookie = xcb_get_modifier_mapping(c);
  const auto keymapCookie = xcb_query_keymap(c);
  auto mapping = await<xcb_get_modifier_mapping_reply_t>(c, mappingCookie.sequence, deadline);
  auto keymap = await<xcb_query_keymap_reply_t>(c, keymapCookie.sequence, deadline);
  if (!mapping || !keymap) return {};
  // The modifier rows as X numbers them: Shift, Lock, Control, Mod1 (Alt) to Mod5; Mod4 is Super.
  constexpr std::pair<int, Key> Rows[] = {
      {0, Key::Shift}, {2, Key::Control}, {3, Key::Alt}, {6, Key::Super}};
  const xcb_keycode_t* codes = xcb_get_modifier_mapping_keycodes(mapping.get());
  const int perRow = mapping->keycodes_per_modifier;
  std::vector<Key> held;
  for (const auto& [row, key] : Rows) {
    for (int i = 0; i < perRow; ++i) {
      const xcb_keycode_t code = codes[row * perRow + i];
      if (code && (keymap->keys[code / 8] & (1 << (code % 8)))) x_->heldCodes[key].push_back(code);
    }
    if (x_->heldCodes.count(key)) held.push_back(key);
  }
  return held;
}

void XcbDesktop::releaseModifier(Key key) {
  if (!x_->usable() || !x_->hasTest) return;
  for (const xcb_keycode_t code : x_->heldCodes[key])
    xcb_test_fake_input(x_->c, XCB_KEY_RELEASE, code, XCB_CURRENT_TIME, XCB_WINDOW_NONE, 0, 0, 0);
  xcb_flush(x_->c);
}

void XcbDesktop::idle(int milliseconds) {
  // Qt's clipboard learns of a new owner from the events it handles.
  QCoreApplication::processEvents();
  Desktop::idle(milliseconds);
  QCoreApplication::processEvents();
}

std::unique_ptr<Desktop> makeDesktop() {
  xcb_connection_t* connection = nullptr;
  if (auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
    if (auto* x11 = app->nativeInterface<QNativeInterface::QX11Application>()) {
      connection = x11->connection();
    }
  }
  return std::make_unique<XcbDesktop>(connection);
}

} // namespace platform
