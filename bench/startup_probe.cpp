// Start-up of a window program under X: the time from launch until its
// first top-level window is mapped, and its resident memory at that moment.
// Runs each program given several times, interleaved so that both see the
// same machine, and prints the medians and the ratios of the last program
// to each of the others.
//
//   startup_probe RUNS PROGRAM...
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

struct Sample {
  double milliseconds;
  long residentKiB;
};

long ResidentKiB(pid_t pid) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  for (std::string line; std::getline(status, line);) {
    if (line.rfind("VmRSS:", 0) == 0) return std::strtol(line.c_str() + 6, nullptr, 10);
  }
  return -1;
}

bool WaitForMap(xcb_connection_t* connection, Clock::time_point deadline) {
  const int fd = xcb_get_file_descriptor(connection);
  while (Clock::now() < deadline) {
    while (xcb_generic_event_t* event = xcb_poll_for_event(connection)) {
      const bool mapped = (event->response_type & 0x7F) == XCB_MAP_NOTIFY;
      std::free(event);
      if (mapped) return true;
    }
    pollfd waiting{fd, POLLIN, 0};
    poll(&waiting, 1, 50);
  }
  return false;
}

// One connection for the whole probe: an X server resets itself when its
// last client leaves, and a program started during the reset cannot connect.
xcb_connection_t* WatchTopLevelWindows() {
  xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
  if (xcb_connection_has_error(connection)) return nullptr;
  const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
  const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
  xcb_change_window_attributes(connection, screen->root, XCB_CW_EVENT_MASK, &mask);
  // A round trip, so that the event mask is in force before a program starts.
  std::free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
  return connection;
}

std::optional<Sample> RunOnce(xcb_connection_t* connection, const char* program) {
  const auto start = Clock::now();
  const pid_t pid = fork();
  if (pid == 0) {
    execl(program, program, static_cast<char*>(nullptr));
    _exit(127);
  }
  std::optional<Sample> sample;
  if (WaitForMap(connection, start + std::chrono::seconds(20))) {
    const std::chrono::duration<double, std::milli> elapsed = Clock::now() - start;
    sample = Sample{elapsed.count(), ResidentKiB(pid)};
  }
  kill(pid, SIGTERM);
  waitpid(pid, nullptr, 0);
  // Forget the events of this run (the window's unmapping and destruction).
  std::free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
  while (xcb_generic_event_t* event = xcb_poll_for_event(connection)) std::free(event);
  return sample;
}

template <typename T>
T Median(std::vector<T> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: %s RUNS PROGRAM...\n", argv[0]);
    return 2;
  }
  const int runs = std::atoi(argv[1]);
  xcb_connection_t* connection = WatchTopLevelWindows();
  if (connection == nullptr) {
    std::fprintf(stderr, "no X display\n");
    return 1;
  }
  const int programs = argc - 2;
  std::vector<std::vector<double>> times(static_cast<std::size_t>(programs));
  std::vector<std::vector<long>> memory(static_cast<std::size_t>(programs));
  for (int run = 0; run < runs; ++run) {
    for (int p = 0; p < programs; ++p) {
      const auto sample = RunOnce(connection, argv[p + 2]);
      if (!sample) {
        std::fprintf(stderr, "%s: no window mapped\n", argv[p + 2]);
        return 1;
      }
      times[static_cast<std::size_t>(p)].push_back(sample->milliseconds);
      memory[static_cast<std::size_t>(p)].push_back(sample->residentKiB);
    }
  }
  for (int p = 0; p < programs; ++p) {
    const auto i = static_cast<std::size_t>(p);
    std::printf("%-40s start-up %8.1f ms   resident %7ld KiB   (median of %d)\n", argv[p + 2],
                Median(times[i]), Median(memory[i]), runs);
  }
  const auto last = static_cast<std::size_t>(programs - 1);
  for (std::size_t p = 0; p < last; ++p) {
    std::printf("%s against %s: start-up %.3f, memory %.3f\n", argv[last + 2], argv[p + 2],
                Median(times[last]) / Median(times[p]),
                static_cast<double>(Median(memory[last])) / static_cast<double>(Median(memory[p])));
  }
  return 0;
}
