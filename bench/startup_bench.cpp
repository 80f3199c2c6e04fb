// How long the real program takes from its start to its first painted
// arena frame, under an X server without a window manager:
//
//   xvfb-run -a build-release/bench/startup_bench
//
// Each run starts build*/bin/vorlund in a folder of its own and watches
// the screen: the root window is painted a colour no frame has, so that the
// main window shows it (or Qt's grey) until the arena's first frame lands,
// black space with the globe in the middle. "Fresh" is the first start in a
// new game folder (the tables computed, the solar system built and zooming
// in); "played" a start where a game was played and closed before (the ring
// table and the solar system saved). The program is killed once it has
// painted; "resident_MB" is its resident size at that moment and
// "game_cpu_ms_median" the CPU time it had used by then (all its threads),
// which a busy machine stretches less than the time on the clock.
#include <benchmark/benchmark.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

// No frame has this colour: a window that shows it has not been painted.
constexpr std::uint32_t kUnpainted = 0xff00ff;
constexpr auto kGiveUp = std::chrono::seconds(30);
constexpr auto kPoll = std::chrono::milliseconds(1);

// One connection for the whole run.
struct XServer {
  XServer() {
    c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c)) return;
    screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    ok = screen && screen->root_depth == 24;
    utf8 = atom("UTF8_STRING");
    netName = atom("_NET_WM_NAME");
  }
  ~XServer() { xcb_disconnect(c); }
  xcb_atom_t atom(const char* name) const {
    auto* r = xcb_intern_atom_reply(
        c, xcb_intern_atom(c, 0, static_cast<std::uint16_t>(std::strlen(name)), name), nullptr);
    const xcb_atom_t a = r ? r->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
    std::free(r);
    return a;
  }
  void paintRoot(std::uint32_t colour) const {
    xcb_change_window_attributes(c, screen->root, XCB_CW_BACK_PIXEL, &colour);
    xcb_clear_area(c, 0, screen->root, 0, 0, 0, 0);
    xcb_flush(c);
  }
  xcb_connection_t* c = nullptr;
  xcb_screen_t* screen = nullptr;
  bool ok = false;
  xcb_atom_t utf8 = XCB_ATOM_NONE, netName = XCB_ATOM_NONE;
};

struct Area {
  int x = 0, y = 0, width = 0, height = 0;
};

// The mapped top-level window titled "Vorlund", on the root window.
std::optional<Area> mainWindow(const XServer& x) {
  std::optional<Area> found;
  auto* tree = xcb_query_tree_reply(x.c, xcb_query_tree(x.c, x.screen->root), nullptr);
  if (!tree) return found;
  const xcb_window_t* children = xcb_query_tree_children(tree);
  for (int i = 0; i < xcb_query_tree_children_length(tree) && !found; ++i) {
    auto* name = xcb_get_property_reply(
        x.c, xcb_get_property(x.c, 0, children[i], x.netName, x.utf8, 0, 64), nullptr);
    const bool vorlund =
        name && std::string(static_cast<const char*>(xcb_get_property_value(name)),
                            xcb_get_property_value_length(name)) == "Vorlund";
    std::free(name);
    if (!vorlund) continue;
    auto* attributes = xcb_get_window_attributes_reply(
        x.c, xcb_get_window_attributes(x.c, children[i]), nullptr);
    auto* geometry = xcb_get_geometry_reply(x.c, xcb_get_geometry(x.c, children[i]), nullptr);
    if (attributes && geometry && attributes->map_state == XCB_MAP_STATE_VIEWABLE)
      found = Area{geometry->x, geometry->y, geometry->width, geometry->height};
    std::free(attributes);
    std::free(geometry);
  }
  std::free(tree);
  return found;
}

// A painted frame: across the middle of the view, most pixels are the
// frame's black space or the globe, none the unpainted colour.
bool painted(const XServer& x, const Area& a) {
  const int width = a.width / 2;
  auto* image = xcb_get_image_reply(
      x.c,
      xcb_get_image(x.c, XCB_IMAGE_FORMAT_Z_PIXMAP, x.screen->root,
                    static_cast<std::int16_t>(a.x + a.width / 4),
                    static_cast<std::int16_t>(a.y + a.height / 2), static_cast<std::uint16_t>(width),
                    1, ~0u),
      nullptr);
  if (!image) return false;
  const auto* pixels = reinterpret_cast<const std::uint32_t*>(xcb_get_image_data(image));
  const int n = std::min(width, xcb_get_image_data_length(image) / 4);
  int dark = 0;
  bool unpainted = false;
  for (int i = 0; i < n; ++i) {
    const std::uint32_t p = pixels[i] & 0xffffff;
    unpainted |= p == kUnpainted;
    // Black space, or the globe's blues; never Qt's light greys.
    const int r = static_cast<int>(p >> 16), g = static_cast<int>((p >> 8) & 0xff);
    dark += r < 128 && g < 160;
  }
  std::free(image);
  return n > 0 && !unpainted && dark * 2 > n;
}

class GameFolder {
 public:
  explicit GameFolder(bool played) {
    path_ = fs::temp_directory_path() / ("vorlund-startup-bench-" + std::to_string(::getpid()));
    fs::remove_all(path_);
    fs::create_directories(path_ / "config");
    std::error_code ec;
    fs::copy(VORLUND_GAME_DIR, path_, fs::copy_options::recursive, ec);
    ok_ = !ec;
    // A game played a little and closed: what the close saves is there.
    if (ok_ && played) {
      const std::string script = "tick 10\nclose\n";
      const std::string command = "cd '" + path_.string() + "' && printf '" + script +
                                  "' | '" VORLUND_SIM "' --seed 1 >/dev/null";
      ok_ = std::system(command.c_str()) == 0 && fs::exists(path_ / "aapla2.pla");
    }
  }
  ~GameFolder() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
  }
  bool ok() const { return ok_; }
  const fs::path& path() const { return path_; }

 private:
  fs::path path_;
  bool ok_ = false;
};

// The resident size of a process, in megabytes (0 when it cannot be read).
double residentMegabytes(pid_t process) {
  long pages = 0, resident = 0;
  const std::string statm = "/proc/" + std::to_string(process) + "/statm";
  if (std::FILE* f = std::fopen(statm.c_str(), "r")) {
    if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2) resident = 0;
    std::fclose(f);
  }
  return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) / 1048576.0;
}

// The CPU time a process has used so far (all its threads), in seconds.
double cpuSeconds(pid_t process) {
  const std::string statPath = "/proc/" + std::to_string(process) + "/stat";
  std::FILE* f = std::fopen(statPath.c_str(), "r");
  if (!f) return 0;
  char text[1024] = {};
  const std::size_t n = std::fread(text, 1, sizeof text - 1, f);
  std::fclose(f);
  text[n] = '\0';
  // Fields 14 and 15, user and system time, counted after the name's ')'.
  const char* at = std::strrchr(text, ')');
  long ticks[2] = {};
  for (int field = 2; at && *at && field < 15; ++at)
    if (*at == ' ' && ++field >= 14) ticks[field - 14] = std::atol(at + 1);
  return static_cast<double>(ticks[0] + ticks[1]) / static_cast<double>(sysconf(_SC_CLK_TCK));
}

struct FirstFrame {
  double seconds = 0;
  // When it was seen.
  double cpuSeconds = 0;
  double residentMegabytes = 0;
};

// Starts the game in the folder; the time to its first painted frame.
std::optional<FirstFrame> firstFrame(const XServer& x, const GameFolder& folder) {
  x.paintRoot(kUnpainted);
  const Clock::time_point start = Clock::now();
  const pid_t game = fork();
  if (game == 0) {
    setenv("XDG_CONFIG_HOME", (folder.path() / "config").c_str(), 1);
    if (chdir(folder.path().c_str()) != 0) _exit(127);
    execl(VORLUND_BIN, VORLUND_BIN, static_cast<char*>(nullptr));
    _exit(127);
  }
  if (game < 0) return std::nullopt;
  std::optional<FirstFrame> seen;
  while (Clock::now() - start < kGiveUp) {
    int status = 0;
    if (waitpid(game, &status, WNOHANG) == game) {  // it died
      std::fprintf(stderr, "startup_bench: vorlund stopped with status %d\n", status);
      return std::nullopt;
    }
    const std::optional<Area> main = mainWindow(x);
    if (main && painted(x, *main)) {
      seen = FirstFrame{std::chrono::duration<double>(Clock::now() - start).count(),
                        cpuSeconds(game), residentMegabytes(game)};
      break;
    }
    std::this_thread::sleep_for(kPoll);
  }
  kill(game, SIGKILL);
  waitpid(game, nullptr, 0);
  return seen;
}

const XServer& xServer() {
  static const XServer x;
  return x;
}

void timeFirstFrame(benchmark::State& state, bool played) {
  const XServer& x = xServer();
  if (!x.ok) {
    state.SkipWithError("no X server with a 24-bit screen");
    return;
  }
  std::vector<double> cpu;
  for (auto _ : state) {
    const GameFolder folder(played);
    if (!folder.ok()) {
      state.SkipWithError("cannot make a game folder");
      return;
    }
    const std::optional<FirstFrame> seen = firstFrame(x, folder);
    if (!seen) {
      state.SkipWithError("the game painted no frame");
      return;
    }
    state.SetIterationTime(seen->seconds);
    state.counters["resident_MB"] = seen->residentMegabytes;
    cpu.push_back(seen->cpuSeconds);
  }
  if (!cpu.empty()) {
    std::sort(cpu.begin(), cpu.end());
    state.counters["game_cpu_ms_median"] = 1000.0 * cpu[cpu.size() / 2];
  }
}

void BM_FirstFrameFresh(benchmark::State& state) {
  timeFirstFrame(state, false);
}
void BM_FirstFramePlayed(benchmark::State& state) {
  timeFirstFrame(state, true);
}
BENCHMARK(BM_FirstFrameFresh)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FirstFramePlayed)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);

}  // namespace
