#include "bench/frame_timer.h"

#include "app/menu_bar1.h"
#include "mainwindow/main_wndo.h"
#include "toolkit/numbers.h"

#include <QEventLoop>
#include <QTimer>

#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <iostream>
#include <vector>

namespace bench {

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kRunningSeconds = 10;
constexpr int kStoppedSeconds = 5;
constexpr double kPeriodMs = 33;
constexpr double kToleranceMs = 3;
constexpr double kMostCpuPercent = 5;

// The main window, noting when each frame begins.
class TimedWndo : public MainWndo {
public:
    std::vector<Clock::time_point> frames;
    void TMFrame_Action() override {
        frames.push_back(Clock::now());
        MainWndo::TMFrame_Action();
    }
};

double CpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](timeval t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// Runs the event loop for this long; returns the share of one core the process used meanwhile.
double CpuPercentOver(int seconds) {
    QEventLoop loop;
    QTimer::singleShot(seconds * 1000, &loop, &QEventLoop::quit);
    const double before = CpuSeconds();
    loop.exec();
    return 100 * (CpuSeconds() - before) / seconds;
}

double Percentile(std::vector<double> values, double share) {
    std::sort(values.begin(), values.end());
    return values[std::min(values.size() - 1, std::size_t(share * double(values.size())))];
}

} // namespace

bool TimeTheFrameTimer() {
    bool sound = true;
    {
        TimedWndo window;
        window.Open();
        window.PBStart_Action();
        const double running = CpuPercentOver(kRunningSeconds);
        window.PBStart_Action();
        const double stopped = CpuPercentOver(kStoppedSeconds);

        std::vector<double> intervals;
        for (std::size_t i = 1; i < window.frames.size(); ++i)
            intervals.push_back(
                std::chrono::duration<double, std::milli>(window.frames[i] - window.frames[i - 1]).count());
        if (intervals.empty()) {
            std::cout << "the frame timer did not fire\n";
            return false;
        }
        const double median = Percentile(intervals, 0.5);
        const double p95 = Percentile(intervals, 0.95);
        const auto within = [](double ms) { return std::abs(ms - kPeriodMs) <= kToleranceMs; };
        sound = within(median) && within(p95) && running < kMostCpuPercent;
        const bool steady = within(median) && within(p95);
        std::cout << "frame timer, " << kRunningSeconds << " s running: " << window.frames.size()
                  << " frames, interval median " << tk::Format(median, "0.00") << " ms, 95th percentile "
                  << tk::Format(p95, "0.00") << " ms (target 33 +- 3 ms: " << (steady ? "met" : "MISSED")
                  << ")\n"
                  << "CPU of the process: " << tk::Format(running, "0.0")
                  << " % of a core while running (target < " << tk::Format(kMostCpuPercent, "0")
                  << " %: " << (running < kMostCpuPercent ? "met" : "MISSED") << "), "
                  << tk::Format(stopped, "0.00") << " % while stopped\n";
    }
    MenuBar1::Release();
    return sound;
}

} // namespace bench
