#include "platform/accessible_text.h"

#include <chrono>
#include <cstdlib>
#include <memory>

#include <atspi/atspi.h>

#include "platform/cp1252.h"

namespace platform {

namespace {

using Clock = std::chrono::steady_clock;

constexpr int QuestionLimitMs = 500;
constexpr auto SearchLimit = std::chrono::milliseconds(1500);
constexpr int MaxDepth = 40;
constexpr int MaxObjects = 5000;

struct Unref {
  void operator()(gpointer object) const {
    if (object) g_object_unref(object);
  }
};
template <typename T> using Ref = std::unique_ptr<T, Unref>;

struct Search {
  Clock::time_point end = Clock::now() + SearchLimit;
  int budget = MaxObjects;
  bool exhausted() { return --budget < 0 || Clock::now() >= end; }
};

bool hasState(AtspiAccessible* object, AtspiStateType state) {
  Ref<AtspiStateSet> states(atspi_accessible_get_state_set(object));
  return states && atspi_state_set_contains(states.get(), state);
}

bool isDocumentText(AtspiAccessible* object) {
  const AtspiRole role = atspi_accessible_get_role(object, nullptr);
  return (role == ATSPI_ROLE_TEXT || role == ATSPI_ROLE_DOCUMENT_TEXT) &&
         hasState(object, ATSPI_STATE_MULTI_LINE);
}

// The first multi-line text object under `object`, depth first.
Ref<AtspiAccessible> findDocumentText(AtspiAccessible* object, int depth, Search& search) {
  if (depth > MaxDepth || search.exhausted()) return nullptr;
  if (isDocumentText(object)) return Ref<AtspiAccessible>(ATSPI_ACCESSIBLE(g_object_ref(object)));
  const int children = atspi_accessible_get_child_count(object, nullptr);
  for (int i = 0; i < children; ++i) {
    Ref<AtspiAccessible> child(atspi_accessible_get_child_at_index(object, i, nullptr));
    if (!child) continue;
    if (auto found = findDocumentText(child.get(), depth + 1, search)) return found;
  }
  return nullptr;
}

// The application's active window, else the application itself.
Ref<AtspiAccessible> activeWindowOf(AtspiAccessible* application) {
  const int children = atspi_accessible_get_child_count(application, nullptr);
  for (int i = 0; i < children; ++i) {
    Ref<AtspiAccessible> window(atspi_accessible_get_child_at_index(application, i, nullptr));
    if (window && hasState(window.get(), ATSPI_STATE_ACTIVE)) return window;
  }
  return Ref<AtspiAccessible>(ATSPI_ACCESSIBLE(g_object_ref(application)));
}

std::optional<std::string> textOf(AtspiAccessible* object) {
  Ref<AtspiText> text(atspi_accessible_get_text_iface(object));
  if (!text) return std::nullopt;
  const gint count = atspi_text_get_character_count(text.get(), nullptr);
  if (count < 0) return std::nullopt;
  gchar* utf8 = atspi_text_get_text(text.get(), 0, count, nullptr);
  if (!utf8) return std::nullopt;
  std::string result = normaliseLineEnds(utf8ToCp1252(utf8));
  g_free(utf8);
  return result;
}

bool busToAsk() {
  const char* session = std::getenv("DBUS_SESSION_BUS_ADDRESS");
  const char* accessibility = std::getenv("AT_SPI_BUS_ADDRESS");
  return (session && *session) || (accessibility && *accessibility);
}

} // namespace

std::optional<std::string> accessibleDocumentText(int processId) {
  if (processId <= 0 || !busToAsk()) return std::nullopt;
  // 0 is a first start, 1 an earlier one; anything else failed.
  if (atspi_init() > 1) return std::nullopt;
  atspi_set_timeout(QuestionLimitMs, QuestionLimitMs);
  Ref<AtspiAccessible> desktop(atspi_get_desktop(0));
  if (!desktop) return std::nullopt;
  Search search;
  const int applications = atspi_accessible_get_child_count(desktop.get(), nullptr);
  for (int i = 0; i < applications && !search.exhausted(); ++i) {
    Ref<AtspiAccessible> application(
        atspi_accessible_get_child_at_index(desktop.get(), i, nullptr));
    if (!application ||
        static_cast<int>(atspi_accessible_get_process_id(application.get(), nullptr)) != processId)
      continue;
    const Ref<AtspiAccessible> window = activeWindowOf(application.get());
    if (const Ref<AtspiAccessible> text = findDocumentText(window.get(), 0, search))
      return textOf(text.get());
  }
  return std::nullopt;
}

} // namespace platform
