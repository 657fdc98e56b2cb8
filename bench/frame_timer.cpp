#include "bench/frame_timer.h"

#include "app/menu_bar1.h"
#include "bench/blit_floor.h"
#include "bench/frame_pace.h"
#include "mainwindow/main_wndo.h"
#include "presentation/presentation_wndo.h"
#include "spacetime/space_time_wndo.h"
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

constexpr int kRunningSeconds = 10;
constexpr int kRounds = 5;
constexpr int kRoundSeconds = 2;
constexpr int kStoppedSeconds = 5;
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

// The load on the machine: the mean number of runnable processes over the last minute.
std::string LoadAverage() {
    std::string load;
    std::ifstream("/proc/loadavg") >> load;
    return load;
}

const QImage& ImageOf(const tk::Picture& picture) {
    return dynamic_cast<const tk::qt::QtPicture&>(picture).Image();
}

// A window's pictures where it shows them: its plots' frames and its phasors.
template <class Window>
std::vector<std::pair<QRect, QImage>> PicturesOf(Window& window, const Graph& wave, const Graph& density,
                                                 const char* waveName, const char* densityName) {
    std::vector<std::pair<QRect, QImage>> pictures;
    const auto add = [&](const char* name, int index, const tk::Picture& picture) {
        const tk::Rect r = window.Find(name, index)->Bounds();
        pictures.emplace_back(QRect(r.x, r.y, r.width, r.height), ImageOf(picture).copy());
    };
    add(waveName, tk::Control::kNoIndex, *wave.GXP);
    add(densityName, tk::Control::kNoIndex, *density.GXP);
    for (int k = 0; k < MainWndo::kComponents; ++k)
        add("Phasor", k, *window.template Find<PhasorDiagram>("Phasor", k)->GX);
    return pictures;
}

std::vector<std::pair<QRect, QImage>> PicturesOf(PresentationWndo& view) {
    return PicturesOf(view, view.GFWave(), view.GFDensity(), "GFWave", "GFDensity");
}

std::vector<std::pair<QRect, QImage>> PicturesOf(MainWndo& window) {
    return PicturesOf(window, *window.Find<Graph>("GFWFunc"), *window.Find<Graph>("GFProb"), "GFWFunc",
                      "GFProb");
}

} // namespace

// The view and its floor take turns, as the main window and its floor do, so that both meet the same
// load; the view opens anew for each of its rounds, its first second left out.
bool TimeThePresentation() {
    const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
    bool sound = true;
    {
        TimedWndo window;
        window.Open();
        for (int k = 0; k < MainWndo::kComponents; ++k)
            window.Find<tk::EditField>("EFMagn", k)->SetText("1");
        window.PBStart_Action();
        const auto openView = [&] {
            auto view = std::make_unique<PresentationWndo>(
                window, PresentationWndo::Opening{false, screen.width(), screen.height()});
            view->Open();
            CpuPercentOver(1);
            return view;
        };
        BlitFloor floor(screen);
        std::string size;
        {
            const auto view = openView();
            const auto one = PicturesOf(*view);
            CpuPercentOver(1);
            const auto other = PicturesOf(*view);
            for (std::size_t i = 0; i < one.size(); ++i)
                floor.Add(one[i].first, one[i].second, other[i].second);
            size = std::to_string(view->settings.width) + " x " + std::to_string(view->settings.height);
        }
        std::vector<double> withView;
        std::vector<double> withFloor;
        std::vector<double> intervals;
        for (int round = 0; round < kRounds; ++round) {
            {
                const auto view = openView();
                window.frames.clear();
                withView.push_back(CpuPercentOver(kRoundSeconds));
                const std::vector<double> roundIntervals = Intervals(window.frames);
                intervals.insert(intervals.end(), roundIntervals.begin(), roundIntervals.end());
            }
            floor.show();
            const tk::Connection swaps = window.Model().FrameAdvanced.Connect([&floor] { floor.Swap(); });
            CpuPercentOver(1);
            withFloor.push_back(CpuPercentOver(kRoundSeconds));
            floor.hide();
        }
        window.PBStart_Action();
        if (intervals.empty()) {
            std::cout << "the frame timer did not fire\n";
            return false;
        }
        const double p95 = Percentile(intervals, 0.95);
        const double cpu = Percentile(withView, 0.5);
        const double floorMedian = Percentile(withFloor, 0.5);
        const double ratio = cpu / floorMedian;
        sound = p95 <= kMostP95Ms && ratio <= kMostCpuOverFloor;
        std::cout << "frame timer with the presentation view at " << size << ", " << kRounds << " x "
                  << kRoundSeconds << " s: interval median " << tk::Format(Percentile(intervals, 0.5), "0.00")
                  << " ms, 95th percentile " << tk::Format(p95, "0.00")
                  << " ms (target <= " << tk::Format(kMostP95Ms, "0") << " ms: " << Verdict(p95 <= kMostP95Ms)
                  << ")\n"
                  << "CPU of the process, median of " << kRounds << " rounds each: " << tk::Format(cpu, "0.0")
                  << " % of a core with the view, " << tk::Format(floorMedian, "0.0")
                  << " % with its pictures only blitted: " << tk::Format(ratio, "0.00")
                  << " times the floor (aim <= " << tk::Format(kMostCpuOverFloor, "0") << ": "
                  << Verdict(ratio <= kMostCpuOverFloor) << "); load average " << LoadAverage() << "\n";
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
        CpuPercentOver(1);
        const auto one = PicturesOf(window);
        CpuPercentOver(1);
        const auto other = PicturesOf(window);
        window.PBStart_Action();
        BlitFloor floor(QSize(window.settings.width, window.settings.height));
        for (std::size_t i = 0; i < one.size(); ++i)
            floor.Add(one[i].first, one[i].second, other[i].second);
        floor.show();
        QTimer floorFrames;
        floorFrames.setTimerType(Qt::PreciseTimer);
        QObject::connect(&floorFrames, &QTimer::timeout, &floor, &BlitFloor::Swap);

        // Each side in turn, so that both meet the same load on the machine.
        std::vector<double> running;
        std::vector<double> floorCpu;
        std::vector<double> intervals;
        for (int round = 0; round < kRounds; ++round) {
            window.frames.clear();
            window.PBStart_Action();
            running.push_back(CpuPercentOver(kRoundSeconds));
            window.PBStart_Action();
            const std::vector<double> roundIntervals = Intervals(window.frames);
            intervals.insert(intervals.end(), roundIntervals.begin(), roundIntervals.end());
            floorFrames.start(int(kPeriodMs));
            floorCpu.push_back(CpuPercentOver(kRoundSeconds));
            floorFrames.stop();
        }
        const double stopped = CpuPercentOver(kStoppedSeconds);
        if (intervals.empty()) {
            std::cout << "the frame timer did not fire\n";
            return false;
        }
        const double median = Percentile(intervals, 0.5);
        const double p95 = Percentile(intervals, 0.95);
        const bool steady = OnPace(median) && OnPace(p95);
        const double cpu = Percentile(running, 0.5);
        const double floorMedian = Percentile(floorCpu, 0.5);
        const double ratio = cpu / floorMedian;
        sound = steady && ratio <= kMostCpuOverFloor;
        std::cout << "frame timer, " << kRounds << " x " << kRoundSeconds
                  << " s running: " << intervals.size() << " intervals, median " << tk::Format(median, "0.00")
                  << " ms, 95th percentile " << tk::Format(p95, "0.00")
                  << " ms (target 33 +- 3 ms: " << Verdict(steady) << ")\n"
                  << "CPU of the process, median of " << kRounds << " rounds each: " << tk::Format(cpu, "0.0")
                  << " % of a core while running, " << tk::Format(floorMedian, "0.0")
                  << " % with its pictures only blitted: " << tk::Format(ratio, "0.00")
                  << " times the floor (target <= " << tk::Format(kMostCpuOverFloor, "0") << ": "
                  << Verdict(ratio <= kMostCpuOverFloor) << "); " << tk::Format(stopped, "0.00")
                  << " % while stopped; load average " << LoadAverage() << "\n";
    }
    MenuBar1::Release();
    return sound;
}

bool TimeTheFrameTimerWithSpaceTime() {
    bool steady = false;
    {
        TimedWndo window;
        window.Open();
        window.LoadPreset(physics::Preset::Packet);
        SpaceTimeWndo view(window);
        view.Open();
        window.PBStart_Action();
        CpuPercentOver(1);
        window.frames.clear();
        const double cpu = CpuPercentOver(kRunningSeconds);
        window.PBStart_Action();
        const std::vector<double> intervals = Intervals(window.frames);
        if (intervals.empty()) {
            std::cout << "the frame timer did not fire\n";
            return false;
        }
        const double median = Percentile(intervals, 0.5);
        const double p95 = Percentile(intervals, 0.95);
        steady = OnPace(median) && OnPace(p95);
        std::cout << "frame timer with the space-time picture open at " << view.settings.width << " x "
                  << view.settings.height << ", " << kRunningSeconds << " s: " << intervals.size()
                  << " intervals, median " << tk::Format(median, "0.00") << " ms, 95th percentile "
                  << tk::Format(p95, "0.00") << " ms (target 33 +- 3 ms: " << Verdict(steady) << "); CPU "
                  << tk::Format(cpu, "0.0") << " % of a core; load average " << LoadAverage() << "\n";
    }
    MenuBar1::Release();
    return steady;
}

} // namespace bench
