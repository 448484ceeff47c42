// Key-to-pixels and start-to-screen, measured from outside a program on an X display:
// a key sent with XTEST is timed to the first DAMAGE event whose pixels in the typing
// area really changed. Works on any X program (Keyrill, a terminal tutor in xterm).
// Tool side (X11, XTEST, DAMAGE); no part of Keyrill itself.
//
//   x11_latency keys --text FILE [--keys N] [--seed S] [--min-gap MS] [--max-gap MS]
//                    [--idle-ms MS] [--block N] [--raw FILE] [--trace FILE]
//                    --window ID [--skip-top PX] [--advance N] [--newline skip|return]
//                    [--label NAME]   [--window ID ...]...
// With several windows the keys go to each in turn, a block at a time, so that what
// the machine does meanwhile falls on all of them alike; each gets --keys keys.
// --trace appends one line a timed key: label, latency, ms since the window last
// redrew outside the typing area before the key, and such redraws while it waited
// (to tell whether slow keys meet the program's own timers).
//   x11_latency start [--runs N] [--label NAME] [--raw FILE] -- COMMAND [ARGS...]
#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/extensions/Xdamage.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <memory>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace {

double NowMs() {
  timespec ts{};
  clock_gettime(CLOCK_MONOTONIC, &ts);
  return static_cast<double>(ts.tv_sec) * 1e3 + static_cast<double>(ts.tv_nsec) * 1e-6;
}

struct Box {
  int x = 0, y = 0, w = 0, h = 0;
  bool Empty() const { return w <= 0 || h <= 0; }
};

Box Intersect(const Box& a, const Box& b) {
  const int x0 = std::max(a.x, b.x), y0 = std::max(a.y, b.y);
  const int x1 = std::min(a.x + a.w, b.x + b.w), y1 = std::min(a.y + a.h, b.y + b.h);
  return {x0, y0, x1 - x0, y1 - y0};
}

// An XImage owned by RAII.
struct ImageDeleter {
  void operator()(XImage* image) const {
    if (image != nullptr) XDestroyImage(image);
  }
};
using Image = std::unique_ptr<XImage, ImageDeleter>;

Image Grab(Display* dpy, Window window, const Box& box) {
  return Image(XGetImage(dpy, window, box.x, box.y, static_cast<unsigned>(box.w),
                         static_cast<unsigned>(box.h), AllPlanes, ZPixmap));
}

// Does `part` (grabbed at `at`, window coordinates) differ from `whole` (grabbed at
// `origin`) anywhere they overlap?
bool Differs(XImage* whole, const Box& origin, XImage* part, const Box& at) {
  for (int y = 0; y < at.h; ++y) {
    for (int x = 0; x < at.w; ++x) {
      const unsigned long a = XGetPixel(whole, at.x - origin.x + x, at.y - origin.y + y);
      if (a != XGetPixel(part, x, y)) return true;
    }
  }
  return false;
}

bool Uniform(XImage* image, int w, int h) {
  const unsigned long first = XGetPixel(image, 0, 0);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      if (XGetPixel(image, x, y) != first) return false;
    }
  }
  return true;
}

double Percentile(std::vector<double> values, double p) {
  if (values.empty()) return 0.0;
  std::sort(values.begin(), values.end());
  // Nearest rank: the smallest value with at least p of the samples at or below it.
  const double rank = p * static_cast<double>(values.size());
  std::size_t index = static_cast<std::size_t>(rank + 0.999999);
  if (index == 0) index = 1;
  if (index > values.size()) index = values.size();
  return values[index - 1];
}

void Report(const std::string& label, const char* what, const std::vector<double>& samples,
            std::size_t asked, const std::string& rawPath) {
  std::printf("RESULT %-28s %-6s n=%zu/%zu median=%.3f p90=%.3f p99=%.3f max=%.3f ms\n",
              label.c_str(), what, samples.size(), asked, Percentile(samples, 0.5),
              Percentile(samples, 0.9), Percentile(samples, 0.99), Percentile(samples, 1.0));
  if (!rawPath.empty()) {
    std::ofstream raw(rawPath, std::ios::app);
    for (double v : samples) raw << label << ' ' << what << ' ' << v << '\n';
  }
}

int DamageEventBase(Display* dpy) {
  int event = 0, error = 0;
  if (!XDamageQueryExtension(dpy, &event, &error)) return -1;
  int dummy = 0;
  if (!XTestQueryExtension(dpy, &dummy, &dummy, &dummy, &dummy)) return -1;
  return event;
}

// Waits until an event is queued or `deadline` (ms on NowMs's clock) passes.
bool WaitForEvent(Display* dpy, double deadline) {
  while (XPending(dpy) == 0) {
    const double left = deadline - NowMs();
    if (left <= 0) return false;
    pollfd fd{ConnectionNumber(dpy), POLLIN, 0};
    poll(&fd, 1, static_cast<int>(left) + 1);
  }
  return true;
}

// One window typed into, and what was measured on it.
struct Target {
  Window window = 0;
  int skipTop = 0;
  int advance = 0;
  bool newlineReturn = false;
  std::string label = "program";
};

struct Options {
  std::string mode;
  std::vector<Target> targets;
  std::string textPath;
  int keys = 300;
  unsigned seed = 1;
  int minGap = 40;
  int maxGap = 120;
  int idleMs = 2000;
  int block = 20;
  int runs = 5;
  std::string label = "program";
  std::string rawPath;
  std::string tracePath;
  std::vector<char*> command;
};

int Usage() {
  std::fprintf(stderr,
               "usage: x11_latency keys --text FILE [--keys N] [--seed S] [--min-gap MS]\n"
               "         [--max-gap MS] [--idle-ms MS] [--block N] [--raw FILE] [--trace FILE]\n"
               "         --window ID [--skip-top PX] [--advance N] [--newline skip|return]\n"
               "         [--label NAME]  [--window ID ...]...\n"
               "       x11_latency start [--runs N] [--label NAME] [--raw FILE] -- COMMAND...\n");
  return 2;
}

bool Parse(int argc, char** argv, Options& o) {
  if (argc < 2) return false;
  o.mode = argv[1];
  for (int i = 2; i < argc; ++i) {
    const std::string a = argv[i];
    if (a == "--") {
      for (int j = i + 1; j < argc; ++j) o.command.push_back(argv[j]);
      break;
    }
    if (i + 1 >= argc) return false;
    const char* v = argv[++i];
    // Options of a window follow its --window.
    Target* target = o.targets.empty() ? nullptr : &o.targets.back();
    if (a == "--window") {
      o.targets.push_back({});
      o.targets.back().window = std::strtoul(v, nullptr, 0);
    } else if (target != nullptr && a == "--skip-top") {
      target->skipTop = std::atoi(v);
    } else if (target != nullptr && a == "--advance") {
      target->advance = std::atoi(v);
    } else if (target != nullptr && a == "--newline") {
      target->newlineReturn = std::string(v) == "return";
    } else if (target != nullptr && a == "--label" && o.mode == "keys") {
      target->label = v;
    } else if (a == "--text")
      o.textPath = v;
    else if (a == "--keys")
      o.keys = std::atoi(v);
    else if (a == "--block")
      o.block = std::max(1, std::atoi(v));
    else if (a == "--seed")
      o.seed = static_cast<unsigned>(std::strtoul(v, nullptr, 0));
    else if (a == "--min-gap")
      o.minGap = std::atoi(v);
    else if (a == "--max-gap")
      o.maxGap = std::atoi(v);
    else if (a == "--idle-ms")
      o.idleMs = std::atoi(v);
    else if (a == "--runs")
      o.runs = std::atoi(v);
    else if (a == "--label")
      o.label = v;
    else if (a == "--raw")
      o.rawPath = v;
    else if (a == "--trace")
      o.tracePath = v;
    else
      return false;
  }
  return true;
}

// One key of the text: its keycode and whether Shift goes with it.
struct Stroke {
  KeyCode code = 0;
  bool shift = false;
  bool timed = true;  // Return at a line's end is sent but not timed
};

std::vector<Stroke> Strokes(Display* dpy, const std::string& text, bool newlineReturn,
                            std::size_t wanted) {
  std::vector<Stroke> strokes;
  for (char c : text) {
    if (strokes.size() >= wanted) break;
    if (c == '\r') continue;
    KeySym sym = 0;
    bool timed = true;
    if (c == '\n') {
      if (!newlineReturn) continue;
      sym = XK_Return;
      timed = false;
    } else {
      sym = static_cast<unsigned char>(c);  // Latin-1 keysyms equal their byte
    }
    const KeyCode code = XKeysymToKeycode(dpy, sym);
    if (code == 0) continue;
    const bool shift = XkbKeycodeToKeysym(dpy, code, 0, 0) != sym;
    strokes.push_back({code, shift, timed});
  }
  return strokes;
}

void Press(Display* dpy, KeyCode code, bool down) {
  XTestFakeKeyEvent(dpy, code, down ? True : False, CurrentTime);
}

struct Damage {
  Box box;
  bool any = false;
};

// Takes one queued event; fills `damage` when it was a DAMAGE report on `window`.
void NextEvent(Display* dpy, int damageBase, Window window, Damage& damage) {
  XEvent event;
  XNextEvent(dpy, &event);
  damage.any = false;
  if (event.type == damageBase + XDamageNotify) {
    const auto* notify = reinterpret_cast<XDamageNotifyEvent*>(&event);
    if (notify->drawable == window) {
      damage.any = true;
      damage.box = {notify->area.x, notify->area.y, notify->area.width, notify->area.height};
    }
  }
}

// A window being typed into: its keys, its typing area and what it answered.
struct Run {
  const Target* target = nullptr;
  std::vector<Stroke> strokes;
  std::size_t next = 0;  // the next stroke to send
  Box area;
  std::vector<double> samples;
  std::size_t asked = 0;
  long ignored = 0;
  double lastOutside = -1;  // when the window last redrew outside the typing area
  std::string trace;        // --trace lines
};

// Notes a redraw outside the typing area (a status bar, say); true when it was one.
bool NoteOutside(Run& run, const Damage& damage) {
  if (!damage.any || !Intersect(damage.box, run.area).Empty()) return false;
  run.lastOutside = NowMs();
  return true;
}

// Gives `window` the keyboard (and the pointer, so keys reach it with no window
// manager), then waits until it has redrawn whatever the change of focus redraws.
void FocusAndSettle(Display* dpy, int damageBase, Window window, double quietMs) {
  XWindowAttributes attributes;
  if (XGetWindowAttributes(dpy, window, &attributes)) {
    XWarpPointer(dpy, None, window, 0, 0, 0, 0, attributes.width / 2, attributes.height / 2);
  }
  XSetInputFocus(dpy, window, RevertToPointerRoot, CurrentTime);
  XSync(dpy, False);
  Damage damage;
  const double until = NowMs() + quietMs;
  while (WaitForEvent(dpy, until)) NextEvent(dpy, damageBase, window, damage);
}

// Moves deep into a long text with untimed Return presses, then waits for 1.5 s
// without a redraw bigger than a caret blink's cell (for at most a minute).
void Advance(Display* dpy, int damageBase, const Run& run) {
  const KeyCode returnCode = XKeysymToKeycode(dpy, XK_Return);
  const Window window = run.target->window;
  Damage damage;
  for (int i = 0; i < run.target->advance; ++i) {
    Press(dpy, returnCode, true);
    Press(dpy, returnCode, false);
    if (i % 64 == 63) XSync(dpy, False);
    while (XPending(dpy) > 0) NextEvent(dpy, damageBase, window, damage);
  }
  XSync(dpy, False);
  const double quiet = run.target->advance > 0 ? 1500 : 500;
  const double giveUp = NowMs() + 60000;
  double settle = NowMs() + quiet;
  while (WaitForEvent(dpy, std::min(settle, giveUp))) {
    NextEvent(dpy, damageBase, window, damage);
    const Box part = Intersect(damage.box, run.area);
    if (damage.any && part.w * part.h > 4096) settle = NowMs() + quiet;
  }
}

// The idle damage rate: what the program redraws with no key, so that it is known
// what the typing must tell apart from an answer.
void ReportIdle(Display* dpy, int damageBase, const Run& run, int idleMs) {
  const Window window = run.target->window;
  Damage damage;
  Image before = Grab(dpy, window, run.area);
  double total = 0, inArea = 0, changed = 0;
  const double start = NowMs();
  const double end = start + idleMs;
  while (WaitForEvent(dpy, end)) {
    NextEvent(dpy, damageBase, window, damage);
    if (!damage.any) continue;
    ++total;
    const Box part = Intersect(damage.box, run.area);
    if (part.Empty()) continue;
    ++inArea;
    Image now = Grab(dpy, window, part);
    if (now && before && Differs(before.get(), run.area, now.get(), part)) {
      ++changed;
      before = Grab(dpy, window, run.area);
    }
  }
  const double seconds = (NowMs() - start) / 1e3;
  std::printf("IDLE   %-28s damage %.1f/s, in the typing area %.1f/s, changing it %.1f/s\n",
              run.target->label.c_str(), total / seconds, inArea / seconds, changed / seconds);
}

// Sends the run's next key and times it to the first damage that changed pixels in
// the typing area. False when the window is gone.
bool TypeOneKey(Display* dpy, int damageBase, Run& run) {
  const Stroke& stroke = run.strokes[run.next++];
  const Window window = run.target->window;
  const KeyCode shiftCode = XKeysymToKeycode(dpy, XK_Shift_L);
  Damage damage;
  // Drain what came in the gap, then copy the typing area as it stands now.
  while (XPending(dpy) > 0) {
    NextEvent(dpy, damageBase, window, damage);
    NoteOutside(run, damage);
  }
  Image before = Grab(dpy, window, run.area);
  if (!before) return false;
  if (stroke.shift) Press(dpy, shiftCode, true);
  XSync(dpy, False);
  if (stroke.timed) ++run.asked;

  const double sent = NowMs();
  const double sinceOutside = run.lastOutside < 0 ? -1 : sent - run.lastOutside;
  int outsideMeanwhile = 0;
  Press(dpy, stroke.code, true);
  XFlush(dpy);
  double answered = -1;
  const double deadline = sent + 1000;
  while (answered < 0 && WaitForEvent(dpy, deadline)) {
    NextEvent(dpy, damageBase, window, damage);
    if (!damage.any) continue;
    const double at = NowMs();
    const Box part = Intersect(damage.box, run.area);
    if (NoteOutside(run, damage)) {
      ++run.ignored;
      ++outsideMeanwhile;
      continue;
    }
    Image now = Grab(dpy, window, part);
    if (now && Differs(before.get(), run.area, now.get(), part)) {
      answered = at;
    } else {
      ++run.ignored;
    }
  }
  Press(dpy, stroke.code, false);
  if (stroke.shift) Press(dpy, shiftCode, false);
  XFlush(dpy);
  if (stroke.timed && answered >= 0) {
    run.samples.push_back(answered - sent);
    char line[160];
    std::snprintf(line, sizeof line, "%s %.3f %.1f %d\n", run.target->label.c_str(),
                  answered - sent, sinceOutside, outsideMeanwhile);
    run.trace += line;
  }
  return true;
}

int RunKeys(Display* dpy, int damageBase, const Options& o) {
  if (o.targets.empty() || o.textPath.empty()) return Usage();
  std::ifstream file(o.textPath, std::ios::binary);
  std::stringstream buffer;
  buffer << file.rdbuf();
  const auto wanted = static_cast<std::size_t>(o.keys);

  std::vector<Run> runs;
  for (const Target& target : o.targets) {
    Run run;
    run.target = &target;
    // Twice the keys wanted: Returns at line ends are sent but not timed.
    run.strokes = Strokes(dpy, buffer.str(), target.newlineReturn, wanted * 2);
    XWindowAttributes attributes;
    if (run.strokes.empty() || !XGetWindowAttributes(dpy, target.window, &attributes)) {
      std::fprintf(stderr, "no keys for %s\n", target.label.c_str());
      return 1;
    }
    run.area = {0, target.skipTop, attributes.width, attributes.height - target.skipTop};
    XDamageCreate(dpy, target.window, XDamageReportRawRectangles);
    runs.push_back(std::move(run));
  }
  for (const Run& run : runs) {
    FocusAndSettle(dpy, damageBase, run.target->window, 200);
    Advance(dpy, damageBase, run);
    ReportIdle(dpy, damageBase, run, o.idleMs);
  }

  std::mt19937 random(o.seed);
  std::uniform_int_distribution<int> gap(o.minGap, o.maxGap);
  const auto more = [wanted](const Run& run) {
    return run.asked < wanted && run.next < run.strokes.size();
  };
  bool anyLeft = true;
  while (anyLeft) {
    anyLeft = false;
    for (Run& run : runs) {
      if (!more(run)) continue;
      if (runs.size() > 1) FocusAndSettle(dpy, damageBase, run.target->window, 300);
      for (int i = 0; i < o.block && more(run); ++i) {
        if (!TypeOneKey(dpy, damageBase, run)) return 1;
        Damage damage;
        const double resume = NowMs() + gap(random);
        while (WaitForEvent(dpy, resume)) {
          NextEvent(dpy, damageBase, run.target->window, damage);
          NoteOutside(run, damage);
        }
      }
      anyLeft = anyLeft || more(run);
    }
  }
  int status = 0;
  for (const Run& run : runs) {
    std::printf("KEYS   %-28s %zu keys, %zu answered, %ld damage reports not counted\n",
                run.target->label.c_str(), run.asked, run.samples.size(), run.ignored);
    Report(run.target->label, "key", run.samples, run.asked, o.rawPath);
    if (!o.tracePath.empty()) std::ofstream(o.tracePath, std::ios::app) << run.trace;
    if (run.samples.size() != run.asked) status = 3;
  }
  return status;
}

// One start: exec to the first non-blank frame of a newly mapped top-level window.
bool StartOnce(Display* dpy, int damageBase, const Options& o, double& first) {
  const Window root = DefaultRootWindow(dpy);
  XSelectInput(dpy, root, SubstructureNotifyMask);
  XSync(dpy, False);
  const double launched = NowMs();
  const pid_t pid = fork();
  if (pid == 0) {
    setpgid(0, 0);
    execvp(o.command[0], o.command.data());
    _exit(127);
  }
  if (pid < 0) return false;

  std::vector<Window> created;
  Window shown = 0;
  first = -1;
  const double deadline = launched + 10000;
  while (first < 0 && WaitForEvent(dpy, deadline)) {
    XEvent event;
    XNextEvent(dpy, &event);
    if (event.type == CreateNotify && event.xcreatewindow.parent == root &&
        !event.xcreatewindow.override_redirect) {
      // Watched from creation on, so no frame can slip past before the map.
      XDamageCreate(dpy, event.xcreatewindow.window, XDamageReportRawRectangles);
      created.push_back(event.xcreatewindow.window);
    } else if (event.type == MapNotify && shown == 0 &&
               std::find(created.begin(), created.end(), event.xmap.window) != created.end()) {
      shown = event.xmap.window;
    } else if (event.type == damageBase + XDamageNotify) {
      const auto* notify = reinterpret_cast<XDamageNotifyEvent*>(&event);
      if (shown == 0 || notify->drawable != shown) continue;
      const double at = NowMs();
      // A window's background alone (all one colour) is not yet a frame.
      XWindowAttributes a;
      if (!XGetWindowAttributes(dpy, shown, &a)) continue;
      Image image = Grab(dpy, shown, {0, 0, a.width, a.height});
      if (image && !Uniform(image.get(), a.width, a.height)) first = at;
    }
  }
  XSelectInput(dpy, root, NoEventMask);
  kill(-pid, SIGTERM);
  int status = 0;
  const double killBy = NowMs() + 3000;
  while (waitpid(pid, &status, WNOHANG) == 0) {
    if (NowMs() > killBy) {
      kill(-pid, SIGKILL);
      waitpid(pid, &status, 0);
      break;
    }
    usleep(10000);
  }
  XSync(dpy, True);  // forget the dead windows' events
  if (first < 0) return false;
  first -= launched;
  return true;
}

int RunStart(Display* dpy, int damageBase, Options o) {
  if (o.command.empty()) return Usage();
  o.command.push_back(nullptr);  // execvp's terminator
  std::vector<double> firsts;
  // One start not counted: the file cache warms, as the goal asks.
  double first = 0;
  StartOnce(dpy, damageBase, o, first);
  for (int i = 0; i < o.runs; ++i) {
    if (StartOnce(dpy, damageBase, o, first)) firsts.push_back(first);
    usleep(200000);
  }
  Report(o.label, "start", firsts, static_cast<std::size_t>(o.runs), o.rawPath);
  return firsts.size() == static_cast<std::size_t>(o.runs) ? 0 : 3;
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  if (!Parse(argc, argv, options)) return Usage();
  Display* dpy = XOpenDisplay(nullptr);
  if (dpy == nullptr) {
    std::fprintf(stderr, "cannot open the X display\n");
    return 1;
  }
  const int damageBase = DamageEventBase(dpy);
  if (damageBase < 0) {
    std::fprintf(stderr, "the X server lacks DAMAGE or XTEST\n");
    return 1;
  }
  int status = 2;
  if (options.mode == "keys")
    status = RunKeys(dpy, damageBase, options);
  else if (options.mode == "start")
    status = RunStart(dpy, damageBase, options);
  else
    status = Usage();
  XCloseDisplay(dpy);
  return status;
}
