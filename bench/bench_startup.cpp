// Start-up of the program against a bare Qt window with one label, side by side in one run:
// each is started N times in turn (after one start of each not counted), with
// KORVELT_QUIT_WHEN_SHOWN set so that it leaves once its window is on screen and idle. Prints
// the median time from start to that moment, the median peak memory (resident set) and the
// ratios. Run it under a display: bench/startup.sh starts it under Xvfb.
//
//   bench_startup [-n N] BARE PROGRAM [ARGS...]
#include <sys/resource.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

struct Start {
    double Ms = 0;       // from fork to the window shown and idle
    double PeakMiB = 0;  // the child's largest resident set
};

bool RunOnce(const std::vector<char *> &argv, Start &start)
{
    std::array<int, 2> out{};
    if (pipe(out.data()) != 0) {
        return false;
    }
    const auto begun = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child < 0) {
        return false;
    }
    if (child == 0) {
        dup2(out[1], STDOUT_FILENO);
        close(out[0]);
        close(out[1]);
        setenv("KORVELT_QUIT_WHEN_SHOWN", "1", 1);
        execv(argv.front(), argv.data());
        _exit(127);
    }
    close(out[1]);
    std::string text;
    std::array<char, 256> buffer{};
    for (ssize_t got = 0; (got = read(out[0], buffer.data(), buffer.size())) > 0;) {
        text.append(buffer.data(), static_cast<std::size_t>(got));
    }
    close(out[0]);
    int status = 0;
    rusage usage{};
    // NOLINTNEXTLINE(cppcoreguidelines-pro-type-union-access): the wait status macros
    if (wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s did not end well (status %d)\n", argv.front(), status);
        return false;
    }
    const std::size_t at = text.find("shown-ns ");
    if (at == std::string::npos) {
        std::fprintf(stderr, "%s printed no time\n", argv.front());
        return false;
    }
    const long long shown = std::atoll(text.c_str() + at + 9);
    const long long since =
        std::chrono::duration_cast<std::chrono::nanoseconds>(begun.time_since_epoch()).count();
    start.Ms = static_cast<double>(shown - since) / 1e6;
    // NOLINTNEXTLINE(cppcoreguidelines-pro-type-union-access): getrusage's own layout
    start.PeakMiB = static_cast<double>(usage.ru_maxrss) / 1024.0; // kibibytes on Linux
    return true;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

} // namespace

int main(int argc, char *argv[])
{
    int runs = 10;
    int first = 1;
    if (argc > 2 && std::strcmp(argv[1], "-n") == 0) {
        runs = std::max(1, std::atoi(argv[2]));
        first = 3;
    }
    if (argc - first < 2) {
        std::fprintf(stderr, "usage: %s [-n N] BARE PROGRAM [ARGS...]\n", argv[0]);
        return 2;
    }
    std::vector<char *> bare{argv[first], nullptr};
    std::vector<char *> program(argv + first + 1, argv + argc);
    program.push_back(nullptr);

    std::vector<double> bareMs;
    std::vector<double> bareMiB;
    std::vector<double> programMs;
    std::vector<double> programMiB;
    for (int k = -1; k < runs; ++k) {
        Start a;
        Start b;
        if (!RunOnce(bare, a) || !RunOnce(program, b)) {
            return 1;
        }
        if (k >= 0) { // the first start of each only warms the caches
            bareMs.push_back(a.Ms);
            bareMiB.push_back(a.PeakMiB);
            programMs.push_back(b.Ms);
            programMiB.push_back(b.PeakMiB);
        }
    }
    const double bMs = Median(bareMs);
    const double pMs = Median(programMs);
    const double bMiB = Median(bareMiB);
    const double pMiB = Median(programMiB);
    std::printf("medians of %d starts     start-up   peak memory\n", runs);
    std::printf("bare window           %8.1f ms  %8.1f MiB\n", bMs, bMiB);
    std::printf("program               %8.1f ms  %8.1f MiB\n", pMs, pMiB);
    std::printf("program / bare        %8.2f     %8.2f\n", pMs / bMs, pMiB / bMiB);
    return 0;
}
