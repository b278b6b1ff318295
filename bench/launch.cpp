// Starts programs that print "first-frame <CLOCK_MONOTONIC ns>" when their first picture is on
// the display, turn about, RUNS times each, and reports for each the median and the fastest
// time from the start of the process to its first frame and to its end, and its peak memory.
//   launch RUNS PROGRAM...
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

extern char** environ;

namespace {

long long nowNs() {
  timespec t;
  clock_gettime(CLOCK_MONOTONIC, &t);
  return static_cast<long long>(t.tv_sec) * 1000000000LL + t.tv_nsec;
}

struct Run {
  double firstFrameMs, wholeMs, peakMb;
};

bool runOnce(const char* program, Run& out) {
  int pipeFd[2];
  if (pipe(pipeFd) != 0) return false;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, pipeFd[1], 1);
  posix_spawn_file_actions_addclose(&actions, pipeFd[0]);
  char* argv[] = {const_cast<char*>(program), nullptr};
  pid_t pid;
  const long long start = nowNs();
  if (posix_spawn(&pid, program, &actions, nullptr, argv, environ) != 0) return false;
  posix_spawn_file_actions_destroy(&actions);
  close(pipeFd[1]);
  std::string text;
  char buf[256];
  for (ssize_t n; (n = read(pipeFd[0], buf, sizeof buf)) > 0;) text.append(buf, static_cast<std::size_t>(n));
  close(pipeFd[0]);
  int status = 0;
  rusage usage{};
  wait4(pid, &status, 0, &usage);
  const long long end = nowNs();
  long long frame = 0;
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || std::sscanf(text.c_str(), "first-frame %lld", &frame) != 1)
    return false;
  out = {(frame - start) / 1e6, (end - start) / 1e6, usage.ru_maxrss / 1024.0};
  return true;
}

double median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: launch RUNS PROGRAM...\n");
    return 2;
  }
  const int runs = std::atoi(argv[1]);
  const int programs = argc - 2;
  std::vector<std::vector<Run>> results(static_cast<std::size_t>(programs));
  Run warm;
  for (int p = 0; p < programs; ++p) runOnce(argv[2 + p], warm);  // fill the file cache first
  for (int r = 0; r < runs; ++r)
    for (int p = 0; p < programs; ++p) {
      Run run;
      if (!runOnce(argv[2 + p], run)) {
        std::fprintf(stderr, "launch: %s did not report its first frame\n", argv[2 + p]);
        return 1;
      }
      results[static_cast<std::size_t>(p)].push_back(run);
    }
  std::printf("%-28s %12s %12s %12s %12s %9s\n", "program", "frame med", "frame min", "whole med", "whole min",
              "peak MB");
  std::vector<double> frameMedians;
  for (int p = 0; p < programs; ++p) {
    std::vector<double> frame, whole, peak;
    for (const Run& r : results[static_cast<std::size_t>(p)]) {
      frame.push_back(r.firstFrameMs);
      whole.push_back(r.wholeMs);
      peak.push_back(r.peakMb);
    }
    std::string name = argv[2 + p];
    name = name.substr(name.find_last_of('/') + 1);
    std::printf("%-28s %9.1f ms %9.1f ms %9.1f ms %9.1f ms %9.1f\n", name.c_str(), median(frame),
                *std::min_element(frame.begin(), frame.end()), median(whole),
                *std::min_element(whole.begin(), whole.end()), median(peak));
    frameMedians.push_back(median(frame));
  }
  for (int p = 1; p < programs; ++p)
    std::printf("first frame, program %d / program 1: %.2f x\n", p + 1, frameMedians[static_cast<std::size_t>(p)] /
                                                                            frameMedians[0]);
  return 0;
}
