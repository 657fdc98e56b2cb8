// The window's picture and data through the export commands, on the fake platform: what the
// picture holds and where, how the save dialog's answer becomes a file, and the data read back.

#include "app/about_wndo.h"
#include "export/export_commands.h"
#include "export/save_flow.h"
#include "mainwindow/main_wndo_export.h"
#include "tests/mainwindow/opened_main_wndo.h"
#include "toolkit/numbers.h"

#include <gmock/gmock.h>

#include <algorithm>
#include <bit>
#include <charconv>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <limits>
#include <sstream>

namespace {

using testing::ElementsAre;
using testing::HasSubstr;

class Exports : public testing_main::OpenedMainWndo {
protected:
    // Two states a quarter turn apart.
    Exports() {
        Type({"1", "1"}, {"0", "90"});
        window.PBNorm_Action();
    }
    void RunFrames(int frames = 7) {
        for (int frame = 0; frame < frames; ++frame)
            window.TMFrame_Action();
    }
    int Curves() {
        int curves = 0;
        for (const auto& call : Output().drawn.Calls())
            curves += call.op == "DrawPolyline" && call.args.size() == 2 * MainWndo::kSamples;
        return curves;
    }
    void Choose(const char* item) { (*window.MenuHandler(item))(); }
    fake::FakeDialogs& Dialogs() { return fake_.platform.dialogs; }
    fake::FakeOutput& Output() { return fake_.platform.output; }
    // The title and the name the picture carries now, as the fake output shows them.
    std::string Titled(const std::string& extension) {
        const std::string t = tk::Format(window.ElapsedPeriods(), "0.000");
        return "Parvok at t/T₁ = " + t + " (parvok-t" + t + "." + extension + ")";
    }

    // The calls of the picture drawn last of this kind, as "DrawOval 603 61 70 70".
    std::vector<std::string> Drawn(const std::string& op) { return Output().drawn.Ops(op); }
    // Where the curve through the samples lies in the picture, the plot placed at `origin`.
    std::string Curve(const char* plot, const physics::Samples& samples, tk::Point origin) {
        Graph& graph = *window.Find<Graph>(plot);
        std::string points = "DrawPolyline";
        for (int j = 0; j < MainWndo::kSamples; ++j)
            points += " " + std::to_string(graph.XCoord(0.01 * j) + origin.x) + " " +
                      std::to_string(graph.YCoord(samples[j]) + origin.y);
        return points;
    }

    const std::filesystem::path folder_ = std::filesystem::temp_directory_path() / "parvok export tests ψ";
};

// The picture is the window's area from the captions to the phasors within a margin of 10: the
// window's (10, -4) is its (0, 0). Each part is drawn where the window shows it.
TEST_F(Exports, ThePictureHoldsThePlotsPhasorsAndCaptionsWhereTheWindowShowsThem) {
    RunFrames();
    Choose("EditCopyPicture");
    EXPECT_THAT(Output().uses, ElementsAre("Copy 683x656 " + Titled("svg")));
    EXPECT_EQ(Output().drawn.Ops().front(), "FillRect 0 0 683 656");
    EXPECT_EQ(Output().drawn.Calls().front().color, tk::RGB(255, 255, 255));
    // Baselines centred in their 20-pixel boxes with the fake's 12-pixel lines; "n=1" ends 8 pixels
    // before its phasor. The plots' own texts are where they print, moved by the plot's place.
    fake::RecordingGraphics printed;
    window.Find<Graph>("GFProb")->PrintGraph(&printed);
    const auto xLabel = std::find_if(printed.Calls().begin(), printed.Calls().end(),
                                     [](const fake::DrawCall& call) { return call.text == "x/L"; });
    ASSERT_NE(xLabel, printed.Calls().end());
    EXPECT_THAT(Drawn("DrawString"),
                testing::IsSupersetOf(std::vector<std::string>{
                    "DrawString 'Wavefunction' 10 24", "DrawString 'Probability' 10 389",
                    "DrawString 'Phasor' 603 50", "DrawString 'n=1' 574 100", "DrawString 'n=6' 574 510",
                    "DrawString 'x/L' " + std::to_string(xLabel->args[0] + 10) + " " +
                        std::to_string(xLabel->args[1] + 396)}));
    EXPECT_THAT(Drawn("DrawOval"),
                ElementsAre("DrawOval 603 61 70 70", "DrawOval 603 143 70 70", "DrawOval 603 225 70 70",
                            "DrawOval 603 307 70 70", "DrawOval 603 389 70 70", "DrawOval 603 471 70 70"));
    // Each curve is one polyline through the samples, in its colour.
    const std::pair<std::string, tk::Color> curves[] = {
        {Curve("GFWFunc", window.PsiReal, {10, 30}), tk::RGB(0, 0, 0)},
        {Curve("GFWFunc", window.PsiIm, {10, 30}), tk::RGB(255, 0, 0)},
        {Curve("GFProb", window.PsiSqrd, {10, 396}), tk::RGB(0, 0, 0)},
    };
    for (const auto& [curve, colour] : curves) {
        const auto& calls = Output().drawn.Calls();
        const auto found = std::find_if(calls.begin(), calls.end(),
                                        [&](const fake::DrawCall& call) { return call.ToString() == curve; });
        ASSERT_NE(found, calls.end()) << curve;
        EXPECT_EQ(found->color, colour);
    }
}

// The plots show no curves until the first frame, and neither does the picture.
TEST_F(Exports, BeforeTheFirstFrameThePictureShowsThePlotsWithoutCurves) {
    for (int frames : {0, 1}) {
        RunFrames(frames);
        Output().drawn.Clear();
        Choose("EditCopyPicture");
        EXPECT_EQ(Curves(), frames == 0 ? 0 : 3) << frames << " frames";
    }
}

// Frames go on while the dialog is open; the file holds the instant the command was chosen, and
// is named after it.
TEST_F(Exports, WhatIsSavedIsTheInstantOfTheCommandThoughFramesRunWhileTheDialogIsOpen) {
    RunFrames();
    Choose("EditCopyPicture");
    const std::vector<std::string> copied = Output().drawn.Ops();
    const std::string name = "parvok-t" + tk::Format(window.ElapsedPeriods(), "0.000") + ".svg";
    const physics::Samples before = window.PsiSqrd;
    Dialogs().whileAsking = [this] { RunFrames(5); };
    Dialogs().saveAnswers = {tk::SaveAnswer{(folder_ / "now.svg").string(), 0}};
    Output().drawn.Clear();
    Choose("FileExportPicture");
    EXPECT_EQ(Dialogs().saveQuestions.at(0).name, name);
    EXPECT_NE(window.PsiSqrd, before);
    EXPECT_EQ(Output().drawn.Ops(), copied);
    EXPECT_EQ(Output().files.count((folder_ / "now.svg").string()), 1U);
}

// The file type follows a known extension; otherwise the type chosen, whose extension is added.
// An existing file is replaced only when the user says so; a failure is told and writes nothing.
TEST_F(Exports, TheDialogsAnswerBecomesAFileOrAMessage) {
    const struct {
        const char* name;
        std::string typed;
        std::size_t chosen;
        bool exists;
        std::deque<bool> replace;
        std::string failure;
        std::string written; // the file's name and contents, or none
        std::string said;
    } rows[] = {
        {"extension of a type", "a.pdf", 0, false, {}, "", "a.pdf: pdf picture", ""},
        {"extension in capitals", "B.PNG", 0, false, {}, "", "B.PNG: png picture", ""},
        {"no extension", "c", 2, false, {}, "", "c.png: png picture", ""},
        {"another extension", "parvok-t0.250", 0, false, {}, "", "parvok-t0.250.svg: svg picture", ""},
        {"spaces and other scripts",
         "Kurve für Ψ 1.svg",
         1,
         false,
         {},
         "",
         "Kurve für Ψ 1.svg: svg picture",
         ""},
        {"existing, kept",
         "d.svg",
         0,
         true,
         {false},
         "",
         "",
         "Confirm A file named “d.svg” already exists in “" + folder_.string() +
             "”. Do you want to replace it? [&Replace]"},
        {"existing, replaced",
         "d.svg",
         0,
         true,
         {true},
         "",
         "d.svg: svg picture",
         "Confirm A file named “d.svg” already exists in “" + folder_.string() +
             "”. Do you want to replace it? [&Replace]"},
        {"not written",
         "e.svg",
         0,
         false,
         {},
         "Permission denied",
         "",
         "Warn “e.svg” could not be saved in “" + folder_.string() +
             "”: Permission denied. Nothing was written there."},
    };
    std::filesystem::create_directories(folder_);
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        Dialogs().said.clear();
        Output().files.clear();
        Output().writeFailure = row.failure;
        const auto path = folder_ / std::filesystem::path(row.typed);
        if (row.exists)
            std::ofstream(folder_ / "d.svg") << "old";
        Dialogs().saveAnswers = {tk::SaveAnswer{path.string(), row.chosen}};
        Dialogs().confirmations = row.replace;
        Choose("FileExportPicture");
        std::string written;
        for (const auto& [file, contents] : Output().files)
            written = std::filesystem::path(file).filename().string() + ": " + contents;
        EXPECT_EQ(written, row.written);
        EXPECT_EQ(Dialogs().said, row.said.empty() ? std::vector<std::string>{} : std::vector{row.said});
    }
    std::filesystem::remove_all(folder_);
}

TEST_F(Exports, CancellingLeavesEverythingAsItWasAndFailuresAreTold) {
    const struct {
        const char* name;
        const char* item;
        tk::PrintResult printed;
        std::string said;
    } rows[] = {
        {"export cancelled", "FileExportPicture", tk::PrintResult::Printed, ""},
        {"data cancelled", "FileExportData", tk::PrintResult::Printed, ""},
        {"print cancelled", "FilePrint", tk::PrintResult::Cancelled, ""},
        {"printed", "FilePrint", tk::PrintResult::Printed, ""},
        {"printer failed", "FilePrint", tk::PrintResult::Failed,
         "Warn The picture could not be printed: the printer could not be started."},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        Dialogs().said.clear();
        Output().printResult = row.printed;
        Output().uses.clear();
        Choose(row.item);
        EXPECT_TRUE(Output().files.empty());
        if (row.item == std::string("FilePrint")) {
            EXPECT_THAT(Output().uses, ElementsAre("Print 683x656 " + Titled("pdf")));
        }
        EXPECT_EQ(Dialogs().said, row.said.empty() ? std::vector<std::string>{} : std::vector{row.said});
    }
}

// A plot that cannot be drawn is told, not thrown at the event loop.
TEST_F(Exports, APictureThatCannotBeMadeIsTold) {
    Graph unopened;
    exporting::PictureParts parts = PictureOf(window, true);
    parts.plots.push_back(&unopened);
    exporting::CopyPicture(parts, 0);
    EXPECT_THAT(Dialogs().said, ElementsAre("Warn The picture could not be made: Graph: no frame picture"));
}

TEST(ExportNames, CarryTheTimeToThreeDecimals) {
    const std::pair<double, const char*> rows[] = {
        {0, "parvok-t0.000.svg"},
        {0.25, "parvok-t0.250.svg"},
        {12.3456, "parvok-t12.346.svg"},
        {-0.0001, "parvok-t0.000.svg"},
        {std::numeric_limits<double>::quiet_NaN(), "parvok.svg"},
    };
    for (const auto& [periods, name] : rows)
        EXPECT_EQ(exporting::NameAt("parvok", periods, "svg"), name) << periods;
}

std::vector<std::string> Split(const std::string& line) {
    std::vector<std::string> fields;
    std::stringstream stream(line);
    for (std::string field; std::getline(stream, field, ',');)
        fields.push_back(field);
    return fields;
}

std::uint64_t Bits(const std::string& text) {
    double value = std::numeric_limits<double>::quiet_NaN();
    std::from_chars(text.data(), text.data() + text.size(), value);
    return std::bit_cast<std::uint64_t>(value);
}

std::uint64_t Bits(double value) {
    return std::bit_cast<std::uint64_t>(value);
}

// Every number in the file reads back as the very double the window holds.
TEST_F(Exports, TheDataReadsBackBitForBit) {
    RunFrames();
    Magnitude(2).NotifyTextEdited("2,5");
    Angle(2).NotifyTextEdited("say \"hi\"");
    window.RBNth_Action(1);
    const std::string path = (folder_ / "data").string();
    Dialogs().saveAnswers = {tk::SaveAnswer{path, 0}};
    Choose("FileExportData");
    ASSERT_EQ(Output().files.count(path + ".csv"), 1U);
    std::stringstream csv(Output().files[path + ".csv"]);
    std::vector<std::string> header;
    std::vector<std::vector<std::string>> samples;
    for (std::string line; std::getline(csv, line);)
        (line.starts_with("# ") ? header.push_back(line) : samples.push_back(Split(line)));
    EXPECT_EQ(Bits(Split(header.at(1)).at(1)), Bits(window.ElapsedPeriods()));
    EXPECT_EQ(header.at(2), "# speed,10");
    EXPECT_EQ(header.at(3), "# shown,n=2");
    EXPECT_EQ(header.at(7), R"(# 3,"2,5","say ""hi""",0,)" + tk::Str(window.Phases()[2]));
    for (int k = 0; k < MainWndo::kComponents; ++k) {
        const auto row = Split(header.at(5 + k));
        if (k == 2)
            continue; // its quoted fields hold commas
        EXPECT_EQ(Bits(row.at(3)), Bits(window.Magnitudes()[k])) << k;
        EXPECT_EQ(Bits(row.at(4)), Bits(window.Phases()[k])) << k;
    }
    ASSERT_EQ(samples.size(), 1U + MainWndo::kSamples);
    EXPECT_THAT(samples[0], ElementsAre("x/L", "Re ψ", "Im ψ", "|ψ|²"));
    for (int j = 0; j < MainWndo::kSamples; ++j) {
        const auto& row = samples[1 + j];
        ASSERT_EQ(row.size(), 4U);
        EXPECT_EQ(Bits(row[0]), Bits(0.01 * j));
        EXPECT_EQ(Bits(row[1]), Bits(window.PsiReal[j]));
        EXPECT_EQ(Bits(row[2]), Bits(window.PsiIm[j]));
        EXPECT_EQ(Bits(row[3]), Bits(window.PsiSqrd[j]));
    }
}

// The About window handles none of the items, so only the main window's menus enable them.
TEST_F(Exports, OnlyTheMainWindowHandlesTheItems) {
    AboutWndo about;
    for (const char* item : {"FileExportPicture", "FileExportData", "FilePrint", "EditCopyPicture"}) {
        EXPECT_NE(window.MenuHandler(item), nullptr) << item;
        EXPECT_EQ(about.MenuHandler(item), nullptr) << item;
    }
}

} // namespace
