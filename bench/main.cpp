// Times, offscreen, one frame of the main window's two plots (Graph controls on a Qt window), and
// one whole frame of the main window (its six phasors, the numbers and both plots), each against a
// baseline measured in the same run: the same pixels drawn with plain QPainter calls and copied to
// a widget each. Prints the spread of both, their ratio, the paints per control and the heap
// allocations per frame. Then it times the main window's frame with the Observables window
// following it against the same frame without it, counts what a frame allocates in the project's
// own code, on a platform that draws nothing, and times a frame of the presentation view at
// 1920 x 1080 against plain QPainter code drawing the same pictures and clock, and times the drawing
// of a million outcomes of measurements.
//
// With --timer, on a real display (make bench runs it under Xvfb), it runs the main window's frame
// timer and prints the frame intervals and the process's CPU use, running against its pictures only
// blitted, and stopped; then again with the presentation view open, against its pictures only blitted;
// then with the space-time picture open, and with the Measurements window gathering outcomes.
// With --presentation-timer, only the presentation view, on a display of any size (make bench
// runs it at 3840 x 2160 too).
// With --space-time, on a real display, only the space-time picture: working it out again, then the
// frame timer with it open.
// With --observables, offscreen, only the frame with the Observables window open and what it
// allocates: the quick check while working on that window.
// With --measurements, offscreen, only the drawing of outcomes; with --measurements-timer, on a real
// display, only the frame timer alone and then with the Measurements window gathering outcomes.
// With --lesson, offscreen, only the opening of a lesson of 1,000 states and the reading of its session.

#include "app/commands.h"
#include "app/menu_bar1.h"
#include "bench/baseline_window.h"
#include "bench/canvas_widgets.h"
#include "bench/frame_pace.h"
#include "bench/frame_stats.h"
#include "bench/frame_timer.h"
#include "bench/measurement_timing.h"
#include "bench/null_platform.h"
#include "bench/paint_counter.h"
#include "bench/plot_window.h"
#include "bench/scene_recorder.h"
#include "bench/wave_samples.h"
#include "lesson/lesson_file.h"
#include "lesson/session.h"
#include "mainwindow/main_wndo.h"
#include "mainwindow/status_line.h"
#include "observables/observables_wndo.h"
#include "physics/carpet.h"
#include "physics/presets.h"
#include "physics/profile.h"
#include "physics/state.h"
#include "physics/superposition.h"
#include "presentation/plot_overlays.h"
#include "presentation/presentation_wndo.h"
#include "spacetime/heat_map.h"
#include "toolkit/font.h"
#include "toolkit/numbers.h"
#include "toolkit/qt/font_mapping.h"
#include "toolkit/qt/qt_picture.h"
#include "toolkit/qt/qt_platform.h"

#include <QApplication>
#include <QLabel>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr int kWarmUpFrames = 100;
constexpr int kTimedFrames = 1000;
// What a comparison must show: the subject's median frame at most `ratio` times the baseline's and,
// where the two draw the same, no more heap allocations than the baseline.
struct Targets {
    double ratio;
    bool allocationsAsBaseline;
};
// The plots start each frame from a copy of their axes, where the baseline draws them again: they
// must cost less than it, and the main window's whole frame no more.
constexpr Targets kPlotsTargets{0.9, true};
constexpr Targets kFrameTargets{1.0, true};
// The Observables window may cost as much as the main window's frame itself, no more; what it
// allocates in the project's own code is counted apart, on a platform that draws nothing.
constexpr Targets kObservablesTargets{2, false};
// The physical scale samples the wavefunction a second way and plots those samples instead: within
// 5 % of the scaled frame.
constexpr Targets kPhysicalScaleTargets{1.05, true};
// The presentation view's frame, whose baseline draws the same large pictures.
constexpr Targets kPresentationTargets{1.2, true};
// How far the presentation view's frame and its baseline, which draws the curves with QPainter's own wide
// pen, may shade a pixel apart: QPainter's band is a little wider at the curves' bends and ends. A pixel
// one of them inks fully and the other leaves blank or half inked still counts.
constexpr int kBlendedEdgeLevels = 128;
constexpr int kComponents = MainWndo::kComponents;

using bench::AllocationCount;
using bench::BaselineWindow;
using bench::FrameStats;
using bench::PaintCounter;
using bench::PlotWindow;
using bench::Verdict;
using bench::WaveSamples;
using Phases = physics::Components;

// Pixels whose channels differ by more than `levels`.
int DifferingPixels(const QImage& a, const QImage& b, int levels) {
    if (a.size() != b.size())
        return a.width() * a.height();
    const auto differ = [levels](QRgb p, QRgb q) {
        return std::abs(qRed(p) - qRed(q)) > levels || std::abs(qGreen(p) - qGreen(q)) > levels ||
               std::abs(qBlue(p) - qBlue(q)) > levels;
    };
    int differing = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            differing += differ(a.pixel(x, y), b.pixel(x, y));
    return differing;
}

const QImage& ImageOf(const tk::Picture& picture) {
    return dynamic_cast<const tk::qt::QtPicture&>(picture).Image();
}

// A frame draws, then the event loop paints what it changed.
std::function<void(int)> WithPaints(std::function<void(int)> draw) {
    return [draw = std::move(draw)](int frame) {
        draw(frame);
        QCoreApplication::processEvents();
    };
}

// Whether the baseline draws what the subject draws, which is what makes it a yardstick.
// `levels` lets blended edges, which two rasterizers shade a little differently, differ by that much.
bool BaselineMatches(Graph& wave, Graph& density, const BaselineWindow& baseline, int levels = 0) {
    const int waveDiff = DifferingPixels(ImageOf(wave.Frame()), baseline.Wave().Image(), levels);
    const int densityDiff = DifferingPixels(ImageOf(density.Frame()), baseline.Density().Image(), levels);
    std::cout << "baseline vs subject: " << waveDiff << " differing pixels (wave), " << densityDiff
              << " (density)";
    if (levels > 0)
        std::cout << " by more than " << levels << " levels of 255";
    std::cout << "\n";
    return waveDiff == 0 && densityDiff == 0;
}

std::string Spread(const char* name, const FrameStats& stats) {
    return std::string("  ") + name + " min " + tk::Format(stats.MinMs(), "0.000") + " ms   median " +
           tk::Format(stats.MedianMs(), "0.000") + " ms   max " + tk::Format(stats.MaxMs(), "0.000") +
           " ms\n";
}

// Times frames of the subject and of the baseline, interleaved and each first in turn, so that both
// meet the same load on the machine; prints the comparison against the target ratio of their
// medians. Returns whether every frame was painted.
bool Compare(const char* what, const std::function<void(int)>& subjectFrame,
             const std::function<void(int)>& baselineFrame, const std::vector<QWidget*>& subjectWidgets,
             const std::vector<QWidget*>& baselineWidgets, const Targets& targets) {
    PaintCounter subjectPaints(subjectWidgets);
    PaintCounter baselinePaints(baselineWidgets);
    FrameStats subject;
    FrameStats baseline;
    for (int frame = 0; frame < kWarmUpFrames; ++frame) {
        subjectFrame(frame);
        baselineFrame(frame);
    }
    for (int frame = kWarmUpFrames; frame < kWarmUpFrames + kTimedFrames; ++frame) {
        const auto one = [&] { subjectFrame(frame); };
        const auto other = [&] { baselineFrame(frame); };
        if (frame % 2 == 0) {
            subject.Measure(one, subjectPaints);
            baseline.Measure(other, baselinePaints);
        } else {
            baseline.Measure(other, baselinePaints);
            subject.Measure(one, subjectPaints);
        }
    }
    const double ratio = subject.MedianMs() / baseline.MedianMs();
    const PaintCounter::Range paints = subject.Paints();
    const AllocationCount allocations = subject.MedianAllocations();
    const AllocationCount baselineAllocations = baseline.MedianAllocations();
    std::cout << what << ", " << kTimedFrames << " frames each after " << kWarmUpFrames
              << " warm-up frames, interleaved:\n"
              << Spread("subject ", subject) << Spread("baseline", baseline)
              << "  paints per control per frame: subject " << paints.fewest << " to " << paints.most
              << ", baseline " << baseline.Paints().fewest << " to " << baseline.Paints().most << "\n"
              << "  allocations per frame: subject " << allocations.Total() << " (operator new "
              << allocations.viaNew << ", malloc " << allocations.viaMalloc << "), baseline "
              << baselineAllocations.Total() << "\n"
              << "  targets: ratio " << tk::Format(ratio, "0.00")
              << " <= " << tk::Format(targets.ratio, "0.00") << " " << Verdict(ratio <= targets.ratio)
              << "; at most one paint per control per frame " << Verdict(paints.most <= 1);
    if (targets.allocationsAsBaseline)
        std::cout << "; allocations no more than the baseline's "
                  << Verdict(allocations.Total() <= baselineAllocations.Total());
    std::cout << "\n\n";
    return paints.fewest >= 1 && baseline.Paints().fewest >= 1;
}

bool ComparePlots() {
    PlotWindow plots;
    plots.Open();
    BaselineWindow baseline(plots.Wave(), plots.Density(),
                            QSize(plots.settings.width, plots.settings.height));
    baseline.show();
    const auto samplesOf = [](int frame) { return WaveSamples::AtPhase(3.0 * frame); };
    const auto plotFrame = WithPaints([&](int frame) { plots.Draw(samplesOf(frame)); });
    const auto baselineFrame = WithPaints([&](int frame) { baseline.Draw(samplesOf(frame)); });
    plotFrame(0);
    baselineFrame(0);
    return BaselineMatches(plots.Wave(), plots.Density(), baseline) &&
           Compare("The two plots", plotFrame, baselineFrame, plots.PlotWidgets(), baseline.Widgets(),
                   kPlotsTargets);
}

// All six components in equal parts, normalized.
void LoadAllSix(MainWndo& window) {
    for (int k = 0; k < kComponents; ++k)
        window.Find<tk::EditField>("EFMagn", k)->SetText("1");
    window.DoNormalize();
}

// Started, so that the window runs, but with a timer that never fires: the bench runs the frames.
void StartWithoutTimer(MainWndo& window) {
    LoadAllSix(window);
    window.PBStart_Action();
    window.Find<tk::Timer>("TMFrame")->AttachPeer(nullptr);
}

// The main window's whole frame, with all six components in the state; the baseline turns the same
// phases, computes the same superposition and draws the plots and six phasors.
bool CompareFrames() {
    MainWndo window;
    window.Open();
    LoadAllSix(window);
    std::vector<PhasorDiagram*> phasors;
    std::vector<const tk::Control*> shown{window.Find("GFWFunc"), window.Find("GFProb")};
    Phases magnitudes{};
    for (int k = 0; k < kComponents; ++k) {
        phasors.push_back(window.Find<PhasorDiagram>("Phasor", k));
        shown.push_back(phasors.back());
        magnitudes[k] = phasors.back()->magn;
    }
    auto& wave = *window.Find<Graph>("GFWFunc");
    auto& density = *window.Find<Graph>("GFProb");
    BaselineWindow baseline(wave, density, QSize(window.settings.width, window.settings.height), phasors);
    baseline.show();
    Phases degrees{};
    const auto frameStep = [&] {
        for (int k = 0; k < kComponents; ++k)
            degrees[k] += physics::PhaseStep(k + 1, physics::kPhaseStep, 10);
        baseline.Draw(WaveSamples::OfState(magnitudes, degrees));
        baseline.DrawPhasors(magnitudes, degrees);
    };
    const auto subjectFrame = WithPaints([&](int) { window.TMFrame_Action(); });
    const auto baselineFrame = WithPaints([&](int) { frameStep(); });
    subjectFrame(0);
    baselineFrame(0);
    const bool same = BaselineMatches(wave, density, baseline);
    const bool painted = Compare("The main window's frame", subjectFrame, baselineFrame,
                                 bench::WidgetsOf(window, shown), baseline.Widgets(), kFrameTargets);
    MenuBar1::Release();
    return same && painted;
}

// The main window's running frame with the Observables window following it, against the same
// frame of a main window on its own, both with all six states.
bool CompareWithObservables() {
    bool painted = false;
    {
        MainWndo alone;
        alone.Open();
        StartWithoutTimer(alone);
        MainWndo followed;
        followed.Open();
        StartWithoutTimer(followed);
        ObservablesWndo observables(followed);
        observables.Open();
        const auto framesOf = [](MainWndo& window) {
            return WithPaints([&window](int) { window.TMFrame_Action(); });
        };
        // The plots that change at every frame; the levels change only with the state loaded.
        const std::vector<QWidget*> moving =
            bench::WidgetsOf(observables, {observables.Find("GFTrace"), observables.Find("GFMomentum")});
        const std::vector<QWidget*> alonePlots =
            bench::WidgetsOf(alone, {alone.Find("GFWFunc"), alone.Find("GFProb")});
        painted = Compare("The main window's frame with the Observables window open (subject) and without it "
                          "(baseline)",
                          framesOf(followed), framesOf(alone), moving, alonePlots, kObservablesTargets);
    }
    // The menu bar outlives the windows that show it: each window's going moves the focus, and the
    // others' menus ask their items what is enabled.
    MenuBar1::Release();
    return painted;
}

// The main window's running frame with the plots to physical scale, against the same frame scaled,
// both with all six states.
bool CompareThePhysicalScale() {
    bool painted = false;
    {
        MainWndo scaled;
        scaled.Open();
        StartWithoutTimer(scaled);
        MainWndo physical;
        physical.Open();
        StartWithoutTimer(physical);
        (*physical.Commands().MenuHandler(command::kViewPhysicalScale))();
        const auto framesOf = [](MainWndo& window) {
            return WithPaints([&window](int) { window.TMFrame_Action(); });
        };
        const auto plotsOf = [](MainWndo& window) {
            return bench::WidgetsOf(window, {window.Find("GFWFunc"), window.Find("GFProb")});
        };
        painted = Compare(
            "The main window's frame with the physical scale (subject) and without it (baseline)",
            framesOf(physical), framesOf(scaled), plotsOf(physical), plotsOf(scaled), kPhysicalScaleTargets);
    }
    MenuBar1::Release();
    return painted;
}

// The heap allocations of the frames of a running main window, alone and then followed by the
// Observables window, where nothing reaches Qt.
bool CountOwnAllocations() {
    bench::NullPlatform nothingDrawn;
    tk::Platform* qt = tk::SetPlatform(&nothingDrawn);
    MainWndo window;
    window.Open();
    StartWithoutTimer(window);
    const auto perFrame = [&window] {
        for (int frame = 0; frame < kWarmUpFrames; ++frame)
            window.TMFrame_Action();
        const AllocationCount before = bench::AllocationsSoFar();
        for (int frame = 0; frame < kTimedFrames; ++frame)
            window.TMFrame_Action();
        return double((bench::AllocationsSoFar() - before).Total()) / kTimedFrames;
    };
    const double alone = perFrame();
    double followed = 0;
    {
        ObservablesWndo observables(window);
        observables.Open();
        followed = perFrame();
    }
    std::cout
        << "Heap allocations per frame in the project's own code, on a platform that draws nothing, over "
        << kTimedFrames << " frames:\n"
        << "  main window alone " << tk::Format(alone, "0.00") << ", with the Observables window "
        << tk::Format(followed, "0.00") << "\n  targets: none added by the Observables window "
        << Verdict(followed <= alone) << "; none in the whole frame " << Verdict(followed == 0) << "\n\n";
    MenuBar1::Release();
    tk::SetPlatform(qt);
    return true;
}

// The text under phasor k, as straightforward code would write it each frame.
QString CaptionOf(int k, double magnitude, double degrees) {
    static const char* const subscripts[] = {"₁", "₂", "₃", "₄", "₅", "₆"};
    double now = std::fmod(degrees, 360.0);
    now = std::round(now < 0 ? now + 360 : now);
    return QString("|c%1| = %2\nφ%1 = %3°")
        .arg(QString::fromUtf8(subscripts[k]))
        .arg(std::abs(magnitude), 0, 'f', 3)
        .arg(now >= 360 ? 0 : int(now));
}

// The presentation view at 1920 x 1080 over a main window with all six components, shown frame after
// frame of precomputed phases; the baseline draws the same pictures, curves sampled as finely from
// the same closed form, the legend, the captions and the clock.
bool ComparePresentation() {
    MainWndo window;
    window.Open();
    LoadAllSix(window);
    window.TMFrame_Action(); // the view shows curves once the main window has drawn a frame
    // The view follows a run of its own, which no other window draws, so that a frame costs the view's
    // drawing alone; it holds the main window's coefficients.
    run::RunModel run;
    run.Load({window.Model().Magnitudes(), {}});
    PresentationWndo view(run, PresentationWndo::Opening());
    view.Open();
    QCoreApplication::processEvents();
    if (view.settings.width != 1920 || view.settings.height != 1080 || view.TooSmall()) {
        std::cout << "the presentation view is " << view.settings.width << " x " << view.settings.height
                  << ", not 1920 x 1080: run on a screen of that size (make bench does)\n";
        return false;
    }
    const PresentationLayout& layout = view.CurrentLayout();
    std::vector<PhasorDiagram*> phasors;
    std::vector<const tk::Control*> shown{view.Find("GFWave"), view.Find("GFDensity"), view.Find("STClock")};
    for (int k = 0; k < kComponents; ++k) {
        phasors.push_back(view.Find<PhasorDiagram>("Phasor", k));
        shown.push_back(phasors.back());
        shown.push_back(view.Find("STPhasor", k));
    }
    const auto placeOf = [&](const char* name, int index = tk::Control::kNoIndex) {
        const tk::Rect r = view.Find(name, index)->Bounds();
        return QRect(r.x, r.y, r.width, r.height);
    };
    const Phases magnitudes = run.Magnitudes();
    std::vector<Phases> phases(360);
    for (std::size_t f = 0; f < phases.size(); ++f)
        for (int k = 0; k < kComponents; ++k)
            phases[f][k] =
                (f == 0 ? 0 : phases[f - 1][k]) + physics::PhaseStep(k + 1, physics::kPhaseStep, 10);
    const auto subjectFrame = WithPaints([&](int frame) {
        if (frame % int(phases.size()) == 0)
            run.Restart(); // frame f shows f + 1 steps, as phases[f] holds
        run.Tick();
    });
    subjectFrame(0);
    Graph& wave = view.GFWave();
    const std::vector<bench::SceneOp> legend = bench::SceneRecorder::RecordDrawing(wave, [&] {
        const std::array<plot_overlays::LegendEntry, 2> entries{
            {{tk::kBlack, "Re ψ"}, {tk::kCurveRed, "Im ψ"}}};
        plot_overlays::DrawLegend(wave, entries, layout.curvePen, layout.labelFont);
    });
    BaselineWindow baseline({wave, placeOf("GFWave")}, {view.GFDensity(), placeOf("GFDensity")},
                            QSize(1920, 1080), phasors, layout.pen);
    const QFont textFont = tk::qt::MapFont(tk::kSystemFont, layout.textFont);
    const auto label = [&](QRect place, Qt::Alignment alignment) {
        auto* text = new QLabel(&baseline);
        text->setGeometry(place);
        text->setFont(textFont);
        text->setAlignment(alignment);
        return text;
    };
    QLabel* clock = label(placeOf("STClock"), Qt::AlignLeft | Qt::AlignVCenter);
    std::vector<QLabel*> captions(kComponents);
    for (int k = 0; k < kComponents; ++k)
        captions[k] = label(placeOf("STPhasor", k), Qt::AlignCenter);
    baseline.show();
    physics::Profile waveProfile;
    physics::Profile densityProfile;
    waveProfile.Resize(wave.GWidth * layout.curvePoints + 1);
    densityProfile.Resize(view.GFDensity().GWidth * layout.curvePoints + 1);
    const auto baselineFrame = WithPaints([&](int frame) {
        const std::size_t f = std::size_t(frame) % phases.size();
        waveProfile.Fill(magnitudes, phases[f], physics::Profile::Scale::Scaled);
        densityProfile.Fill(magnitudes, phases[f], physics::Profile::Scale::Scaled);
        baseline.DrawFine({{Qt::black, waveProfile.Real()}, {QColor(255, 0, 0), waveProfile.Imaginary()}},
                          {{Qt::black, densityProfile.Density()}}, layout.curvePen, legend);
        baseline.DrawPhasors(magnitudes, phases[f]);
        for (int k = 0; k < kComponents; ++k)
            captions[k]->setText(CaptionOf(k, magnitudes[k], phases[f][k]));
        clock->setText(QString::fromStdString(StatusLine::ClockText(phases[f][0] / 360)));
    });
    baselineFrame(0);
    std::vector<QWidget*> baselineWidgets = baseline.Widgets();
    baselineWidgets.push_back(clock);
    baselineWidgets.insert(baselineWidgets.end(), captions.begin(), captions.end());
    const bool same = BaselineMatches(view.GFWave(), view.GFDensity(), baseline, kBlendedEdgeLevels);
    const bool painted = Compare("The presentation view's frame at 1920 x 1080", subjectFrame, baselineFrame,
                                 bench::WidgetsOf(view, shown), baselineWidgets, kPresentationTargets);
    MenuBar1::Release();
    return same && painted;
}

// The space-time picture worked out again at 512 x 512 device pixels: the grid of the packet's
// density in closed form, then its colours written into the picture, the median of 50.
bool TimeTheSpaceTimePicture() {
    constexpr int kSize = 512;
    constexpr int kRounds = 50;
    const physics::Typed packet = physics::TypedPreset(physics::Preset::Packet);
    const physics::State state = physics::StateOf(packet.magnitudes, packet.degrees);
    physics::Carpet carpet;
    carpet.Resize(kSize, kSize);
    HeatMap map;
    map.Make(kSize, kSize, 1);
    const double ratio = static_cast<double>(map.PixelWidth()) / kSize;
    map.Make(static_cast<int>(kSize / ratio), static_cast<int>(kSize / ratio), 1);
    std::vector<double> grid;
    std::vector<double> whole;
    for (int round = 0; round < kRounds; ++round) {
        const auto start = std::chrono::steady_clock::now();
        carpet.Fill(state, physics::Turning::CounterClockwise, 1);
        const auto filled = std::chrono::steady_clock::now();
        map.Paint(carpet, carpet.Maximum());
        const auto painted = std::chrono::steady_clock::now();
        grid.push_back(std::chrono::duration<double, std::milli>(filled - start).count());
        whole.push_back(std::chrono::duration<double, std::milli>(painted - start).count());
    }
    const auto median = [](std::vector<double>& values) {
        const auto middle = values.begin() + static_cast<std::ptrdiff_t>(values.size() / 2);
        std::nth_element(values.begin(), middle, values.end());
        return *middle;
    };
    const double total = median(whole);
    std::cout << "space-time picture, " << kSize << " x " << kSize << " device pixels (" << map.PixelWidth()
              << " x " << map.PixelHeight() << " written), median of " << kRounds << ": the grid "
              << tk::Format(median(grid), "0.00") << " ms, with its colours " << tk::Format(total, "0.00")
              << " ms; target < 20 ms: " << (total < 20 ? "met" : "missed") << "\n\n";
    return total < 20;
}

// A lesson of 1,000 states, each with a note: opened from its file with its first state shown in the
// fields, normalized and sampled, and the session that holds it read at start, median of 20 each.
bool TimeTheLesson() {
    constexpr int kStates = 1000;
    constexpr int kRounds = 20;
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "parvok-bench-lesson";
    std::filesystem::create_directories(folder);
    lesson::Lesson big;
    const physics::Typed packet = physics::TypedPreset(physics::Preset::Packet);
    for (int i = 0; i < kStates; ++i)
        big.states.push_back({"State " + std::to_string(i + 1), packet.magnitudes, packet.degrees,
                              "What to say about it, in a sentence or two for the class.", 0.25 * i});
    const std::string path = (folder / "big.parvok").string();
    std::ofstream(path) << lesson::ToText(big);
    lesson::Session session;
    session.lesson = lesson::Session::OpenLesson{big, path, true, 0};
    std::ofstream(folder / lesson::kSessionFile) << lesson::SessionText(session);

    MainWndo window;
    window.Open();
    const auto median = [](const std::function<void()>& work) {
        std::vector<double> times;
        for (int round = 0; round < kRounds; ++round) {
            const auto start = std::chrono::steady_clock::now();
            work();
            times.push_back(
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
        }
        std::nth_element(times.begin(), times.begin() + kRounds / 2, times.end());
        return times[kRounds / 2];
    };
    const double opening = median([&] { window.OpenLesson(path); });
    const bool shown = window.Lesson().Content().states.size() == kStates && window.Lesson().Current() == 0;
    const double restoring = median([&] { window.KeepSession(folder.string()); });
    window.KeepSession({});
    MenuBar1::Release();
    const auto kibibytes = std::filesystem::file_size(path) / 1024;
    std::filesystem::remove_all(folder);
    const bool met = shown && opening < 100 && restoring < 10;
    std::cout << "A lesson of " << kStates << " states (" << kibibytes << " KiB), median of " << kRounds
              << ": opened with its first state shown " << tk::Format(opening, "0.00")
              << " ms (target < 100 ms); its session read at start " << tk::Format(restoring, "0.00")
              << " ms (target < 10 ms): " << (met ? "met" : "missed") << "\n\n";
    return met;
}

using Step = bool (*)();

// What a run of the bench does: its steps, and whether they need a real display.
struct Run {
    bool onADisplay = false;
    std::vector<Step> steps;
};

Run RunFor(const std::string_view option) {
    if (option == "--timer")
        return {true,
                {bench::TimeTheFrameTimer, bench::TimeThePresentation, bench::TimeTheFrameTimerWithSpaceTime,
                 bench::TimeTheFramesWhileGathering}};
    if (option == "--presentation-timer")
        return {true, {bench::TimeThePresentation}};
    if (option == "--space-time")
        return {true, {TimeTheSpaceTimePicture, bench::TimeTheFrameTimerWithSpaceTime}};
    if (option == "--measurements-timer")
        return {true, {bench::TimeTheFramesWhileGathering}};
    if (option == "--observables")
        return {false, {CompareWithObservables, CountOwnAllocations}};
    if (option == "--measurements")
        return {false, {bench::TimeTheSampling}};
    if (option == "--lesson")
        return {false, {TimeTheLesson}};
    if (option == "--presentation")
        return {false, {ComparePresentation}};
    return {false,
            {ComparePlots, CompareFrames, CompareWithObservables, CompareThePhysicalScale,
             CountOwnAllocations, ComparePresentation, TimeTheSpaceTimePicture, bench::TimeTheSampling,
             TimeTheLesson}};
}

} // namespace

int main(int argc, char** argv) {
    const Run run = RunFor(argc > 1 ? argv[1] : "");
    if (!run.onADisplay)
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
    // The options the bench switches are remembered in settings of its own, never the user's.
    std::string settings = (std::filesystem::temp_directory_path() / "parvok-bench-XXXXXX").string();
    if (!mkdtemp(settings.data()))
        return 2;
    setenv("XDG_CONFIG_HOME", settings.c_str(), 1);
    auto platform = tk::qt::MakeQtPlatform(argc, argv);
    tk::SetPlatform(platform.get());
    // Every step runs, whether or not one before it met its target.
    bool sound = true;
    for (const Step step : run.steps)
        sound = step() && sound;
    tk::SetPlatform(nullptr);
    platform.reset();
    std::filesystem::remove_all(settings);
    return sound ? 0 : 1;
}
