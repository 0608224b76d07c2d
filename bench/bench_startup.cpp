// Start-up time and peak memory of the program, side by side with a floor: a bare main window
// of the same size. Each runs as a whole process, from exec to its first painted frame, in
// turns so that a busy moment of the machine weighs on all alike. The medians' ratios are
// printed against their targets. A second floor that shows one line of text tells how much of
// the difference is the font system's start, which any window with text pays.
#include <benchmark/benchmark.h>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr double kMostTimeRatio = 1.35;
constexpr double kMostMemoryRatio = 1.2;
constexpr int kStarts = 30;

struct Run {
    double seconds = 0;
    long peakKilobytes = 0;
    bool ok = false;
};

struct Samples {
    std::vector<double> seconds;
    std::vector<double> peakKilobytes;
};
enum Program { Window, Floor, TextFloor, kPrograms };
Samples samples[kPrograms];

Run runProcess(const std::vector<std::string>& arguments) {
    std::vector<char*> argv;
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);

    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        alarm(30); // a program that never paints must not hang the benchmark
        execv(argv[0], argv.data());
        _exit(127);
    }
    Run run;
    if (child < 0)
        return run;
    int status = 0;
    rusage usage{};
    if (wait4(child, &status, 0, &usage) != child)
        return run;
    run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    run.peakKilobytes = usage.ru_maxrss;
    run.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return run;
}

std::string windowSize() {
    FILE* pipe = popen("'" VENTRIMO_FIRST_FRAME_WINDOW "' --size", "r");
    if (!pipe)
        return {};
    int width = 0, height = 0;
    const int read = std::fscanf(pipe, "%d %d", &width, &height);
    pclose(pipe);
    return read == 2 ? std::to_string(width) + " " + std::to_string(height) : std::string();
}

void StartUpSideBySide(benchmark::State& state) {
    const std::string size = windowSize();
    if (size.empty()) {
        state.SkipWithError("the window's size could not be read");
        return;
    }
    const std::string width = size.substr(0, size.find(' '));
    const std::string height = size.substr(size.find(' ') + 1);
    const std::vector<std::string> programs[kPrograms] = {
        {VENTRIMO_FIRST_FRAME_WINDOW},
        {VENTRIMO_FIRST_FRAME_FLOOR, width, height},
        {VENTRIMO_FIRST_FRAME_FLOOR, width, height, "--text"}};
    int first = 0;
    for (auto _ : state) {
        Run runs[kPrograms];
        for (int k = 0; k < kPrograms; ++k) {
            const int which = (first + k) % kPrograms;
            runs[which] = runProcess(programs[which]);
            if (!runs[which].ok) {
                state.SkipWithError("a start-up program failed");
                return;
            }
        }
        first = (first + 1) % kPrograms;
        state.SetIterationTime(runs[Window].seconds);
        for (int k = 0; k < kPrograms; ++k) {
            samples[k].seconds.push_back(runs[k].seconds);
            samples[k].peakKilobytes.push_back(double(runs[k].peakKilobytes));
        }
    }
}
BENCHMARK(StartUpSideBySide)->Iterations(kStarts)->UseManualTime()->Unit(benchmark::kMillisecond);

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// Which of a start's measurements to compare.
using Measure = std::vector<double> Samples::*;

void printRatios(const char* what, const char* unit, double scale, Measure values, double target) {
    const double app = median(samples[Window].*values);
    const double floor = median(samples[Floor].*values);
    const double textFloor = median(samples[TextFloor].*values);
    std::printf("%-22s ventrimo %6.1f %s, floor %6.1f %s: ratio %.3f (target <= %.2f) %s\n", what,
                app * scale, unit, floor * scale, unit, app / floor, target,
                app / floor <= target ? "met" : "MISSED");
    std::printf("%-22s floor with a line of text %6.1f %s: ratio to it %.3f\n", "",
                textFloor * scale, unit, app / textFloor);
}

} // namespace

int main(int argc, char** argv) {
    // Headless by default, like the tests; a platform chosen in the environment is kept.
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (samples[Window].seconds.empty())
        return 0;
    std::printf("\nMedians of %zu starts each, exec to first painted frame:\n",
                samples[Window].seconds.size());
    printRatios("start-up time", "ms", 1000, &Samples::seconds, kMostTimeRatio);
    printRatios("peak memory (max RSS)", "MiB", 1.0 / 1024, &Samples::peakKilobytes,
                kMostMemoryRatio);
    return 0;
}
