// Times one frame of the main window's two plots, drawn by Graph controls on a Qt window, against a
// baseline measured in the same run: the same pixels drawn with plain QPainter calls and copied to
// a widget each. Prints the spread of both, their ratio, the paints per control and the heap
// allocations per frame.

#include "bench/baseline_window.h"
#include "bench/frame_stats.h"
#include "bench/paint_counter.h"
#include "bench/plot_window.h"
#include "bench/wave_samples.h"
#include "toolkit/qt/qt_picture.h"
#include "toolkit/qt/qt_platform.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

namespace {

constexpr int kWarmUpFrames = 100;
constexpr int kTimedFrames = 1000;
constexpr double kTargetRatio = 1.5;

using bench::AllocationCount;
using bench::BaselineWindow;
using bench::FrameStats;
using bench::PaintCounter;
using bench::PlotWindow;
using bench::WaveSamples;

// The phase advances a little each frame, as it does while the wave function is animated.
WaveSamples SamplesOf(int frame) {
    return WaveSamples::AtPhase(0.05 * frame);
}

int DifferingPixels(const QImage& a, const QImage& b) {
    if (a.size() != b.size())
        return a.width() * a.height();
    int differing = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            differing += a.pixel(x, y) != b.pixel(x, y);
    return differing;
}

const QImage& FrameImage(Graph& graph) {
    return dynamic_cast<const tk::qt::QtPicture&>(graph.Frame()).Image();
}

// A frame: both plots redrawn, then the event loop paints what they changed.
void PlotFrame(PlotWindow& plots, int frame) {
    plots.Draw(SamplesOf(frame));
    QCoreApplication::processEvents();
}

void BaselineFrame(BaselineWindow& baseline, int frame) {
    baseline.Draw(SamplesOf(frame));
    QCoreApplication::processEvents();
}

// Whether the baseline draws what the plots draw, which is what makes it a yardstick.
bool BaselineMatches(PlotWindow& plots, BaselineWindow& baseline) {
    PlotFrame(plots, 1);
    BaselineFrame(baseline, 1);
    const int wave = DifferingPixels(FrameImage(plots.Wave()), baseline.Wave().Image());
    const int density = DifferingPixels(FrameImage(plots.Density()), baseline.Density().Image());
    std::printf("baseline vs plots: %d differing pixels (wave), %d (density)\n", wave, density);
    return wave == 0 && density == 0;
}

void PrintTimes(const char* name, const FrameStats& stats) {
    std::printf("%-8s min %7.3f ms   median %7.3f ms   max %7.3f ms\n", name, stats.MinMs(), stats.MedianMs(),
                stats.MaxMs());
}

void PrintAllocations(const char* name, AllocationCount a) {
    std::printf("%-8s %lld allocations per frame (operator new %lld, malloc/calloc/realloc %lld)\n", name,
                static_cast<long long>(a.Total()), static_cast<long long>(a.viaNew),
                static_cast<long long>(a.viaMalloc));
}

const char* Verdict(bool met) {
    return met ? "met" : "MISSED";
}

int Run() {
    PlotWindow plots;
    plots.Open();
    BaselineWindow baseline(plots);
    baseline.show();
    QCoreApplication::processEvents();
    if (!BaselineMatches(plots, baseline)) {
        std::printf("the baseline does not draw what the plots draw: no comparison\n");
        return 1;
    }

    PaintCounter plotPaints(plots.PlotWidgets());
    PaintCounter baselinePaints(baseline.PlotWidgets());
    FrameStats plotStats;
    FrameStats baselineStats;
    for (int frame = 0; frame < kWarmUpFrames; ++frame) {
        PlotFrame(plots, frame);
        BaselineFrame(baseline, frame);
    }
    // Interleaved, and each first in turn, so that both meet the same load on the machine.
    for (int frame = 0; frame < kTimedFrames; ++frame) {
        const auto plotFrame = [&] { PlotFrame(plots, frame); };
        const auto baselineFrame = [&] { BaselineFrame(baseline, frame); };
        if (frame % 2 == 0) {
            plotStats.Measure(plotFrame, plotPaints);
            baselineStats.Measure(baselineFrame, baselinePaints);
        } else {
            baselineStats.Measure(baselineFrame, baselinePaints);
            plotStats.Measure(plotFrame, plotPaints);
        }
    }

    std::printf("%d frames each, after %d warm-up frames, interleaved\n", kTimedFrames, kWarmUpFrames);
    PrintTimes("plots", plotStats);
    PrintTimes("baseline", baselineStats);
    const double ratio = plotStats.MedianMs() / baselineStats.MedianMs();
    const PaintCounter::Range paints = plotStats.Paints();
    const PaintCounter::Range baselinePaintRange = baselineStats.Paints();
    std::printf("paints per control per frame: plots %d to %d, baseline %d to %d\n", paints.fewest,
                paints.most, baselinePaintRange.fewest, baselinePaintRange.most);
    const AllocationCount plotAllocations = plotStats.MedianAllocations();
    const AllocationCount baselineAllocations = baselineStats.MedianAllocations();
    PrintAllocations("plots", plotAllocations);
    PrintAllocations("baseline", baselineAllocations);

    std::printf("\ntargets: ratio <= %.1f %s; at most one paint per control per frame %s; "
                "allocations no more than the baseline's %s\n",
                kTargetRatio, Verdict(ratio <= kTargetRatio), Verdict(paints.most <= 1),
                Verdict(plotAllocations.Total() <= baselineAllocations.Total()));
    std::printf("plots: median %.3f ms, baseline: median %.3f ms, ratio %.2f; paints per control per frame: "
                "%d; allocations per frame: plots %lld, baseline %lld\n",
                plotStats.MedianMs(), baselineStats.MedianMs(), ratio, paints.most,
                static_cast<long long>(plotAllocations.Total()),
                static_cast<long long>(baselineAllocations.Total()));
    // A frame whose repaint never came was not timed whole.
    return paints.fewest >= 1 && baselinePaintRange.fewest >= 1 ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    auto platform = tk::qt::MakeQtPlatform(argc, argv);
    tk::SetPlatform(platform.get());
    const int status = Run();
    tk::SetPlatform(nullptr);
    return status;
}
