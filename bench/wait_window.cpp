// SPDX-FileCopyrightText: 2026 The Zeziru Ridaz team <team@zeziru-ridaz.example>
//
// SPDX-License-Identifier: MIT

// zr_wait_window [--settle MS] TITLE PROGRAM [ARGS...]
//
// Starts PROGRAM and reports how long it took until its top-level window titled TITLE was first
// painted in full, then, after MS milliseconds more (500 by default), the program's peak resident
// memory, and ends it. One line on standard output:
//   first_paint_ms=... map_ms=... vmhwm_kib=... rssanon_kib=...
// map_ms is when the window was mapped; rssanon_kib is the private memory (heap, stacks) at the
// end, the part of the resident set that is not pages of shared libraries and font files.
//
// "Painted" is taken from the X server itself: the DAMAGE extension reports every rectangle drawn
// into the window, and the window counts as painted once those rectangles cover all of it. An
// Expose or MapNotify would only say that the program was asked to paint, and the program's own
// view (its first frame handed over) comes up to 12 ms early. Expects no window manager (a private
// Xvfb): top-level windows are children of the root. Gives up after 20 s.

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

[[noreturn]] void Die(const std::string& message) {
  std::fprintf(stderr, "zr_wait_window: %s\n", message.c_str());
  std::exit(2);
}

std::string WindowTitle(xcb_connection_t* c, xcb_window_t window, xcb_atom_t netWmName) {
  for (const xcb_atom_t atom : {netWmName, static_cast<xcb_atom_t>(XCB_ATOM_WM_NAME)}) {
    const auto cookie = xcb_get_property(c, 0, window, atom, XCB_GET_PROPERTY_TYPE_ANY, 0, 256);
    std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> reply(
        xcb_get_property_reply(c, cookie, nullptr), &std::free);
    if (reply && xcb_get_property_value_length(reply.get()) > 0) {
      return {static_cast<const char*>(xcb_get_property_value(reply.get())),
              static_cast<std::size_t>(xcb_get_property_value_length(reply.get()))};
    }
  }
  return {};
}

xcb_atom_t Atom(xcb_connection_t* c, const char* name) {
  const auto cookie = xcb_intern_atom(c, 0, static_cast<std::uint16_t>(std::strlen(name)), name);
  std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
      xcb_intern_atom_reply(c, cookie, nullptr), &std::free);
  if (!reply)
    Die(std::string("cannot intern ") + name);
  return reply->atom;
}

// Which pixels of one window have been drawn so far.
class Coverage {
 public:
  void Resize(int width, int height) {
    width_ = width;
    height_ = height;
    drawn_.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), false);
    left_ = drawn_.size();
  }
  void Add(int x, int y, int width, int height) {
    for (int row = std::max(y, 0); row < std::min(y + height, height_); ++row) {
      for (int col = std::max(x, 0); col < std::min(x + width, width_); ++col) {
        const auto at = static_cast<std::size_t>(row) * static_cast<std::size_t>(width_) +
                        static_cast<std::size_t>(col);
        if (!drawn_[at]) {
          drawn_[at] = true;
          --left_;
        }
      }
    }
  }
  bool Full() const { return !drawn_.empty() && left_ == 0; }

 private:
  int width_ = 0;
  int height_ = 0;
  std::vector<bool> drawn_;
  std::size_t left_ = 0;
};

struct Watched {
  int width = 0;
  int height = 0;
  // Damage seen before the window was known to be the one asked for.
  std::vector<xcb_damage_notify_event_t> early;
};

long StatusKib(pid_t pid, const std::string& field) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind(field + ":", 0) == 0)
      return std::strtol(line.c_str() + field.size() + 1, nullptr, 10);
  }
  return -1;
}

void Stop(pid_t pid) {
  ::kill(pid, SIGTERM);
  for (int i = 0; i < 200; ++i) {
    if (::waitpid(pid, nullptr, WNOHANG) == pid)
      return;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  ::kill(pid, SIGKILL);
  ::waitpid(pid, nullptr, 0);
}

double Milliseconds(Clock::duration d) {
  return std::chrono::duration<double, std::milli>(d).count();
}

}  // namespace

int main(int argc, char** argv) {
  int settleMs = 500;
  int arg = 1;
  for (; arg + 1 < argc && std::strncmp(argv[arg], "--", 2) == 0; arg += 2) {
    if (std::strcmp(argv[arg], "--settle") == 0) {
      settleMs = std::stoi(argv[arg + 1]);
    } else {
      Die(std::string("unknown option ") + argv[arg]);
    }
  }
  if (argc - arg < 2)
    Die("usage: zr_wait_window [--settle MS] TITLE PROGRAM [ARGS...]");
  const std::string title = argv[arg];
  char** program = argv + arg + 1;

  xcb_connection_t* c = xcb_connect(nullptr, nullptr);
  if (xcb_connection_has_error(c))
    Die("cannot connect to the X server");
  const xcb_query_extension_reply_t* damage = xcb_get_extension_data(c, &xcb_damage_id);
  if (damage == nullptr || !damage->present)
    Die("the X server has no DAMAGE extension");
  // The version must be announced before the extension can be used.
  std::free(xcb_damage_query_version_reply(c, xcb_damage_query_version(c, 1, 1), nullptr));
  const xcb_atom_t netWmName = Atom(c, "_NET_WM_NAME");
  const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
  const std::uint32_t rootMask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
  std::free(xcb_request_check(
      c, xcb_change_window_attributes_checked(c, root, XCB_CW_EVENT_MASK, &rootMask)));

  // Timed from just before the fork: the exec and the dynamic loading belong to start-up.
  const Clock::time_point start = Clock::now();
  const pid_t pid = ::fork();
  if (pid < 0)
    Die("fork failed");
  if (pid == 0) {
    ::execvp(program[0], program);
    std::perror("zr_wait_window: exec");
    ::_exit(127);
  }

  std::map<xcb_window_t, Watched> windows;
  xcb_window_t target = XCB_WINDOW_NONE;
  Coverage coverage;
  Clock::time_point mapped{};
  Clock::time_point painted{};
  const Clock::time_point deadline = start + std::chrono::seconds(20);
  const int fd = xcb_get_file_descriptor(c);

  auto addDamage = [&](const xcb_damage_notify_event_t& e) {
    coverage.Add(e.area.x, e.area.y, e.area.width, e.area.height);
    if (coverage.Full() && painted == Clock::time_point{})
      painted = Clock::now();
  };

  while (painted == Clock::time_point{}) {
    xcb_generic_event_t* event = xcb_poll_for_event(c);
    if (event == nullptr) {
      if (xcb_connection_has_error(c))
        Die("lost the X server");
      if (::waitpid(pid, nullptr, WNOHANG) == pid)
        Die("the program ended before its window was painted");
      const auto left =
          std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
      if (left.count() <= 0) {
        Stop(pid);
        Die("no painted window titled '" + title + "' in time");
      }
      pollfd wait = {fd, POLLIN, 0};
      ::poll(&wait, 1, static_cast<int>(std::min<long long>(left.count(), 50)));
      continue;
    }
    const std::uint8_t type = event->response_type & 0x7f;
    if (type == XCB_CREATE_NOTIFY) {
      const auto* e = reinterpret_cast<const xcb_create_notify_event_t*>(event);
      if (e->parent == root) {
        // Damage is tracked from creation on: the window cannot be drawn before it is mapped, and
        // it is mapped only after its title is set, so nothing is missed.
        xcb_damage_create(c, xcb_generate_id(c), e->window, XCB_DAMAGE_REPORT_LEVEL_RAW_RECTANGLES);
        xcb_flush(c);
        windows[e->window] = {e->width, e->height, {}};
      }
    } else if (type == XCB_MAP_NOTIFY) {
      const auto* e = reinterpret_cast<const xcb_map_notify_event_t*>(event);
      const auto found = windows.find(e->window);
      if (target == XCB_WINDOW_NONE && found != windows.end() &&
          WindowTitle(c, e->window, netWmName) == title) {
        mapped = Clock::now();
        target = e->window;
        coverage.Resize(found->second.width, found->second.height);
        for (const xcb_damage_notify_event_t& early : found->second.early) addDamage(early);
      }
    } else if (type == XCB_CONFIGURE_NOTIFY) {
      const auto* e = reinterpret_cast<const xcb_configure_notify_event_t*>(event);
      const auto found = windows.find(e->window);
      if (found != windows.end() &&
          (found->second.width != e->width || found->second.height != e->height)) {
        found->second.width = e->width;
        found->second.height = e->height;
        // A resize after mapping restarts the count: the whole new size has to be drawn.
        if (e->window == target)
          coverage.Resize(e->width, e->height);
      }
    } else if (type == damage->first_event + XCB_DAMAGE_NOTIFY) {
      const auto& e = *reinterpret_cast<const xcb_damage_notify_event_t*>(event);
      if (e.drawable == target) {
        addDamage(e);
      } else if (const auto found = windows.find(e.drawable); found != windows.end()) {
        found->second.early.push_back(e);
      }
    }  // Errors (a window destroyed before its damage was created) are harmless.
    std::free(event);
  }

  // Settles, so the peak memory includes what the first seconds after showing bring.
  std::this_thread::sleep_for(std::chrono::milliseconds(settleMs));
  const long hwm = StatusKib(pid, "VmHWM");
  const long anon = StatusKib(pid, "RssAnon");
  Stop(pid);
  xcb_disconnect(c);
  std::printf("first_paint_ms=%.3f map_ms=%.3f vmhwm_kib=%ld rssanon_kib=%ld\n",
              Milliseconds(painted - start), Milliseconds(mapped - start), hwm, anon);
  return 0;
}
