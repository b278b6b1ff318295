// Starts programs turn about, RUNS times each after one warm-up run each, and reports for each
// the median and the fastest time from the start of the process to its end, its CPU time and its
// peak memory; for a program that prints "first-frame <CLOCK_MONOTONIC ns>" when its first
// picture is on the display, also the time to that first frame. A program is given with its
// arguments as one word, split at blanks.
//   launch RUNS "PROGRAM [ARG...]"...
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <sstream>
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
  double firstFrameMs, wholeMs, cpuMs, peakMb;
  bool hasFrame;
};

double ms(const timeval& t) { return t.tv_sec * 1e3 + t.tv_usec / 1e3; }

bool runOnce(const char* command, Run& out) {
  std::vector<std::string> words;
  std::istringstream split(command);
  for (std::string w; split >> w;) words.push_back(w);
  if (words.empty()) return false;
  std::vector<char*> argv;
  for (auto& w : words) argv.push_back(w.data());
  argv.push_back(nullptr);
  const char* program = argv[0];
  int pipeFd[2];
  if (pipe(pipeFd) != 0) return false;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, pipeFd[1], 1);
  posix_spawn_file_actions_addclose(&actions, pipeFd[0]);
  pid_t pid;
  const long long start = nowNs();
  if (posix_spawn(&pid, program, &actions, nullptr, argv.data(), environ) != 0) return false;
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
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return false;
  long long frame = 0;
  const bool hasFrame = std::sscanf(text.c_str(), "first-frame %lld", &frame) == 1;
  out = {(frame - start) / 1e6, (end - start) / 1e6, ms(usage.ru_utime) + ms(usage.ru_stime),
         usage.ru_maxrss / 1024.0, hasFrame};
  return true;
}

double median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: launch RUNS \"PROGRAM [ARG...]\"...\n");
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
        std::fprintf(stderr, "launch: %s failed\n", argv[2 + p]);
        return 1;
      }
      results[static_cast<std::size_t>(p)].push_back(run);
    }
  std::printf("%-28s %12s %12s %12s %12s %12s %9s\n", "program", "frame med", "frame min", "whole med", "whole min",
              "cpu med", "peak MB");
  std::vector<double> frameMedians, wholeMedians;
  bool allFrames = true;
  for (int p = 0; p < programs; ++p) {
    std::vector<double> frame, whole, cpu, peak;
    for (const Run& r : results[static_cast<std::size_t>(p)]) {
      frame.push_back(r.firstFrameMs);
      whole.push_back(r.wholeMs);
      cpu.push_back(r.cpuMs);
      peak.push_back(r.peakMb);
      allFrames = allFrames && r.hasFrame;
    }
    std::string name = argv[2 + p];
    name = name.substr(0, name.find(' '));
    name = name.substr(name.find_last_of('/') + 1);
    char frames[64] = "           -            -";
    if (results[static_cast<std::size_t>(p)][0].hasFrame)
      std::snprintf(frames, sizeof frames, "%9.1f ms %9.1f ms", median(frame), *std::min_element(frame.begin(), frame.end()));
    std::printf("%-28s %s %9.1f ms %9.1f ms %9.1f ms %9.1f\n", name.c_str(), frames, median(whole),
                *std::min_element(whole.begin(), whole.end()), median(cpu), median(peak));
    frameMedians.push_back(median(frame));
    wholeMedians.push_back(median(whole));
  }
  for (int p = 1; p < programs; ++p) {
    const auto i = static_cast<std::size_t>(p);
    if (allFrames)
      std::printf("first frame, program %d / program 1: %.2f x\n", p + 1, frameMedians[i] / frameMedians[0]);
    else
      std::printf("whole run, program %d / program 1: %.2f x\n", p + 1, wholeMedians[i] / wholeMedians[0]);
  }
  return 0;
}
