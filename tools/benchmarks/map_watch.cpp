// Starts a program and waits until the display maps a top-level window of
// the given title (a normal window, not a splash or a dialog); prints the program's process id and the milliseconds from
// its exec to that map, and leaves the program running.
//   winpiruk-map-watch TITLE PROGRAM [ARGUMENTS...]
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <poll.h>
#include <unistd.h>

#include <chrono>
#include <cstddef>
#include <cstdio>
#include <string>

namespace {

// The bytes of a window property of the given type, empty when it is unset.
std::string Property(Display* display, Window window, const char* name, Atom type, long length) {
  Atom actual = None;
  int format = 0;
  unsigned long count = 0;
  unsigned long after = 0;
  unsigned char* data = nullptr;
  std::string bytes;
  if (XGetWindowProperty(display, window, XInternAtom(display, name, False), 0, length, False, type, &actual, &format,
                         &count, &after, &data) == Success &&
      data != nullptr) {
    // Xlib hands 32-bit items over as longs.
    const std::size_t item = format == 32 ? sizeof(long) : static_cast<std::size_t>(format) / 8;
    bytes.assign(reinterpret_cast<const char*>(data), count * item);
  }
  if (data != nullptr) XFree(data);
  return bytes;
}

std::string TitleOf(Display* display, Window window) {
  return Property(display, window, "_NET_WM_NAME", XInternAtom(display, "UTF8_STRING", False), 1024);
}

// The table, not the splash or a question shown before it: a normal window.
bool IsNormalWindow(Display* display, Window window) {
  const std::string types = Property(display, window, "_NET_WM_WINDOW_TYPE", XA_ATOM, 16);
  if (types.size() < sizeof(Atom)) return false;
  Atom first = None;
  types.copy(reinterpret_cast<char*>(&first), sizeof first);
  return first == XInternAtom(display, "_NET_WM_WINDOW_TYPE_NORMAL", False);
}

int IgnoreErrors(Display*, XErrorEvent*) { return 0; }

}  // namespace

int main(int argc, char* argv[]) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: %s TITLE PROGRAM [ARGUMENTS...]\n", argv[0]);
    return 2;
  }
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) {
    std::fprintf(stderr, "no display\n");
    return 2;
  }
  // A window may be gone again before its title is read.
  XSetErrorHandler(&IgnoreErrors);
  XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
  XSync(display, False);
  const std::string wanted = argv[1];
  const auto start = std::chrono::steady_clock::now();
  const pid_t child = fork();
  if (child == 0) {
    execvp(argv[2], argv + 2);
    _exit(127);
  }
  pollfd watch{ConnectionNumber(display), POLLIN, 0};
  const auto deadline = start + std::chrono::seconds(60);
  while (std::chrono::steady_clock::now() < deadline) {
    if (XPending(display) == 0) {
      poll(&watch, 1, 100);
      continue;
    }
    XEvent event;
    XNextEvent(display, &event);
    if (event.type != MapNotify || TitleOf(display, event.xmap.window) != wanted) continue;
    if (!IsNormalWindow(display, event.xmap.window)) continue;
    const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
    std::printf("%d %.1f\n", static_cast<int>(child), took.count());
    return 0;
  }
  std::fprintf(stderr, "no window titled %s\n", argv[1]);
  std::printf("%d -1\n", static_cast<int>(child));
  return 1;
}
