#include "bench/frame_timer.h"

#include "app/menu_bar1.h"
#include "bench/blit_floor.h"
#include "mainwindow/main_wndo.h"
#include "presentation/presentation_wndo.h"
#include "toolkit/numbers.h"
#include "toolkit/qt/qt_picture.h"

#include <QEventLoop>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

#include <fstream>
#include <memory>
#include <string>

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
constexpr double kMostPresentationP95Ms = 36;
constexpr double kMostCpuOverFloor = 2;

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

std::vector<double> Intervals(const std::vector<Clock::time_point>& frames) {
    std::vector<double> intervals;
    for (std::size_t i = 1; i < frames.size(); ++i)
        intervals.push_back(std::chrono::duration<double, std::milli>(frames[i] - frames[i - 1]).count());
    return intervals;
}

// The load on the machine: the mean number of runnable processes over the last minute.
std::string LoadAverage() {
    std::string load;
    std::ifstream("/proc/loadavg") >> load;
    return load;
}

const QImage& ImageOf(const tk::Picture& picture) {
    return dynamic_cast<const tk::qt::QtPicture&>(picture).Image();
}

// The view's pictures where the view shows them: its plots' frames and its phasors.
std::vector<std::pair<QRect, QImage>> PicturesOf(PresentationWndo& view) {
    std::vector<std::pair<QRect, QImage>> pictures;
    const auto add = [&](const char* name, int index, const tk::Picture& picture) {
        const tk::Rect r = view.Find(name, index)->Bounds();
        pictures.emplace_back(QRect(r.x, r.y, r.width, r.height), ImageOf(picture).copy());
    };
    add("GFWave", tk::Control::kNoIndex, view.GFWave().Frame());
    add("GFDensity", tk::Control::kNoIndex, view.GFDensity().Frame());
    for (int k = 0; k < PresentationWndo::kComponents; ++k)
        add("Phasor", k, *view.Find<PhasorDiagram>("Phasor", k)->GX);
    return pictures;
}

} // namespace

bool TimeThePresentation() {
    const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
    bool sound = true;
    {
        TimedWndo window;
        window.Open();
        for (int k = 0; k < MainWndo::kComponents; ++k)
            window.Find<tk::EditField>("EFMagn", k)->SetText("1");
        window.PBStart_Action();
        auto view = std::make_unique<PresentationWndo>(
            window, PresentationWndo::Opening{false, screen.width(), screen.height()});
        view->Open();
        CpuPercentOver(1);
        window.frames.clear();
        const double withView = CpuPercentOver(kRunningSeconds);
        const std::vector<double> intervals = Intervals(window.frames);
        const auto one = PicturesOf(*view);
        CpuPercentOver(1);
        const auto other = PicturesOf(*view);
        const std::string size =
            std::to_string(view->settings.width) + " x " + std::to_string(view->settings.height);
        view.reset();

        BlitFloor floor(screen);
        for (std::size_t i = 0; i < one.size(); ++i)
            floor.Add(one[i].first, one[i].second, other[i].second);
        floor.show();
        const tk::Connection swaps = window.Model().FrameAdvanced.Connect([&floor] { floor.Swap(); });
        CpuPercentOver(1);
        const double withFloor = CpuPercentOver(kRunningSeconds);
        window.PBStart_Action();
        if (intervals.empty()) {
            std::cout << "the frame timer did not fire\n";
            return false;
        }
        const double p95 = Percentile(intervals, 0.95);
        const double ratio = withView / withFloor;
        sound = p95 <= kMostPresentationP95Ms && ratio <= kMostCpuOverFloor;
        std::cout << "frame timer with the presentation view at " << size << ", " << kRunningSeconds
                  << " s: interval median " << tk::Format(Percentile(intervals, 0.5), "0.00")
                  << " ms, 95th percentile " << tk::Format(p95, "0.00")
                  << " ms (target <= " << tk::Format(kMostPresentationP95Ms, "0")
                  << " ms: " << (p95 <= kMostPresentationP95Ms ? "met" : "MISSED") << ")\n"
                  << "CPU of the process: " << tk::Format(withView, "0.0") << " % of a core with the view, "
                  << tk::Format(withFloor, "0.0")
                  << " % with its pictures only blitted: " << tk::Format(ratio, "0.00")
                  << " times the floor (aim <= " << tk::Format(kMostCpuOverFloor, "0") << ": "
                  << (ratio <= kMostCpuOverFloor ? "met" : "MISSED") << "); load average " << LoadAverage()
                  << "\n";
    }
    MenuBar1::Release();
    return sound;
}

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
