// SPDX-License-Identifier: GPL-3.0-or-later
#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <thread>
#include <vector>

// Runs each program in turn, RUNS times over, with the first-frame shim preloaded, and prints
// per program the time from just before its exec to its first painted frame and its peak
// resident memory (the wait4 figure that /usr/bin/time -v reports as "Maximum resident set
// size"), each run and the median, as one JSON line.
//
// usage: firstframe SHIM RUNS PROGRAM...
namespace {

// The clock the shim stamps with: steady_clock is CLOCK_MONOTONIC, the same in every process.
long long monotonicNs() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

struct Run {
    double startupMs = -1;
    long maxrssKib = -1;
};

Run runOnce(const std::string& shim, const std::string& program, const std::filesystem::path& stamp) {
    std::filesystem::remove(stamp);
    const long long start = monotonicNs();
    const pid_t child = fork();
    if (child == 0) {
        setenv("LD_PRELOAD", shim.c_str(), 1);
        setenv("TW_FIRSTFRAME_OUT", stamp.c_str(), 1);
        const int quiet = open("/dev/null", O_WRONLY);
        dup2(quiet, STDOUT_FILENO);
        dup2(quiet, STDERR_FILENO);
        execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    Run run;
    if (child < 0) return run;
    int status = 0;
    rusage usage{};
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    for (;;) {
        const pid_t done = wait4(child, &status, WNOHANG, &usage);
        if (done == child) break;
        if (std::chrono::steady_clock::now() > deadline) {
            kill(child, SIGKILL);
            wait4(child, &status, 0, &usage);
            return run;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    std::ifstream in(stamp);
    long long painted = 0;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || !(in >> painted)) return run;
    run.startupMs = static_cast<double>(painted - start) / 1e6;
    run.maxrssKib = usage.ru_maxrss;
    return run;
}

template <typename T>
T median(std::vector<T> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 4) {
        std::cerr << "usage: firstframe SHIM RUNS PROGRAM...\n";
        return 2;
    }
    const std::string shim = std::filesystem::absolute(argv[1]).string();
    const int runs = std::atoi(argv[2]);
    const std::vector<std::string> programs(argv + 3, argv + argc);
    const std::filesystem::path stamp =
        std::filesystem::temp_directory_path() / ("tilewarden-firstframe-" + std::to_string(getpid()));

    std::vector<std::vector<Run>> results(programs.size());
    // Interleaved, so that a slow spell of the machine falls on every program alike.
    for (int r = 0; r < runs; ++r) {
        for (std::size_t p = 0; p < programs.size(); ++p) {
            const Run run = runOnce(shim, programs[p], stamp);
            if (run.startupMs < 0) {
                std::cerr << programs[p] << ": no first frame\n";
                return 1;
            }
            results[p].push_back(run);
        }
    }
    std::filesystem::remove(stamp);

    for (std::size_t p = 0; p < programs.size(); ++p) {
        std::vector<double> ms;
        std::vector<long> rss;
        std::string msList, rssList;
        for (const Run& run : results[p]) {
            ms.push_back(run.startupMs);
            rss.push_back(run.maxrssKib);
            msList += (msList.empty() ? "" : ", ") + std::to_string(run.startupMs);
            rssList += (rssList.empty() ? "" : ", ") + std::to_string(run.maxrssKib);
        }
        std::cout << "{\"program\": \"" << programs[p] << "\", \"startup_ms_median\": " << median(ms)
                  << ", \"maxrss_kib_median\": " << median(rss) << ", \"startup_ms\": [" << msList
                  << "], \"maxrss_kib\": [" << rssList << "]}\n";
    }
    return 0;
}
