// The window's picture and data through the export commands, on the fake platform: what the
// picture holds and where, how the save dialog's answer becomes a file, and the data read back.

#include "export/data_table.h"
#include "export/export_commands.h"
#include "export/save_flow.h"
#include "mainwindow/main_wndo.h"
#include "tests/mainwindow/opened_main_wndo.h"
#include "toolkit/numbers.h"

#include <gmock/gmock.h>

#include <bit>
#include <charconv>
#include <cstdint>
#include <filesystem>
#include <limits>
#include <sstream>

namespace {

using testing::ElementsAre;
using Strings = std::vector<std::string>;

class Exports : public testing_main::OpenedMainWndo {
protected:
    // Two states a quarter turn apart.
    Exports() {
        Type({"1", "1"}, {"0", "90"});
        window.PBNorm_Action();
    }
    void RunFrames(int frames) {
        for (int frame = 0; frame < frames; ++frame)
            window.TMFrame_Action();
    }
    void Choose(const char* item) { (*window.MenuHandler(item))(); }
    fake::FakeDialogs& Dialogs() { return fake_.platform.dialogs; }
    fake::FakeOutput& Output() { return fake_.platform.output; }
    // The title and the name the picture carries now, as the fake output shows them.
    std::string Titled(const std::string& extension) {
        const std::string t = tk::Format(window.Model().ElapsedPeriods(), "0.000");
        return "Parvok at t/T₁ = " + t + " (parvok-t" + t + "." + extension + ")";
    }
    // The calls of the picture drawn last, with " red" where they are red.
    Strings Drawn() {
        Strings calls;
        for (const auto& call : Output().drawn.Calls())
            calls.push_back(call.ToString() + (call.color == tk::RGB(255, 0, 0) ? " red" : ""));
        return calls;
    }
    // The curve through the samples as one polyline, with the plot at `origin` in the picture.
    std::string Curve(const char* plot, const physics::Samples& samples, tk::Point origin) {
        Graph& graph = *window.Find<Graph>(plot);
        std::string points = "DrawPolyline";
        for (int j = 0; j < MainWndo::kSamples; ++j)
            points += " " + std::to_string(graph.XCoord(0.01 * j) + origin.x) + " " +
                      std::to_string(graph.YCoord(samples[j]) + origin.y);
        return points;
    }
    Strings Curves() {
        return {Curve("GFWFunc", window.PsiReal, {10, 30}), Curve("GFWFunc", window.PsiIm, {10, 30}) + " red",
                Curve("GFProb", window.PsiSqrd, {10, 396})};
    }

    const std::filesystem::path folder_ = std::filesystem::temp_directory_path() / "parvok export tests ψ";
};

// The picture is the window's area from the captions to the phasors within a margin of 10: the
// window's (10, -4) is its (0, 0); each curve is one polyline, as the plots draw it, from the launch on.
// Frames go on while the save dialog is open; the file holds the instant the command was chosen, and is named
// after it.
TEST_F(Exports, ThePictureHoldsWhatTheWindowShowsAtTheInstantOfTheCommand) {
    Choose("EditCopyPicture");
    for (const std::string& curve : Curves())
        EXPECT_THAT(Drawn(), testing::Contains(curve)) << "the state the fields held at launch";
    RunFrames(7);
    Output().drawn.Clear();
    Choose("EditCopyPicture");
    EXPECT_EQ(Output().uses.back(), "Copy 683x656 " + Titled("svg"));
    EXPECT_EQ(Drawn().front(), "FillRect 0 0 683 656");
    EXPECT_THAT(Drawn(),
                testing::IsSupersetOf(Strings{"DrawString 'Wavefunction' 10 24", "DrawOval 603 471 70 70"}));
    EXPECT_THAT(Drawn(), testing::IsSupersetOf(Curves()));

    const Strings copied = Drawn();
    const std::string name = "parvok-t" + tk::Format(window.Model().ElapsedPeriods(), "0.000") + ".svg";
    const physics::Samples before = window.PsiSqrd;
    Dialogs().whileAsking = [this] { RunFrames(5); };
    Dialogs().saveAnswers = {tk::SaveAnswer{(folder_ / "now.svg").string(), 0}};
    Output().drawn.Clear();
    Choose("FileExportPicture");
    EXPECT_EQ(Dialogs().saveQuestions.at(0).name, name);
    EXPECT_NE(window.PsiSqrd, before);
    EXPECT_EQ(Drawn(), copied);
    EXPECT_EQ(Output().files.count((folder_ / "now.svg").string()), 1U);
}

// The file type follows a known extension, otherwise the type chosen, whose extension is added; a
// failure is told and writes nothing. (Whether a file that is there is replaced is the end-to-end
// run's.)
TEST_F(Exports, TheDialogsAnswerBecomesAFileOrAMessage) {
    const struct {
        const char* name;
        const char* typed; // none: Cancel
        std::size_t chosen;
        const char* failure;
        const char* written; // the file's name and contents, or none
    } rows[] = {
        {"cancelled", nullptr, 0, "", ""},
        {"extension in capitals", "B.PNG", 0, "", "B.PNG: png picture"},
        {"no extension", "c", 2, "", "c.png: png picture"},
        {"another extension", "parvok-t0.250", 0, "", "parvok-t0.250.svg: svg picture"},
        {"not written", "e.svg", 0, "Permission denied", ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        Dialogs().said.clear();
        Output().files.clear();
        Output().writeFailure = row.failure;
        if (row.typed)
            Dialogs().saveAnswers = {tk::SaveAnswer{(folder_ / row.typed).string(), row.chosen}};
        Choose("FileExportPicture");
        std::string written;
        for (const auto& [file, contents] : Output().files)
            written = std::filesystem::path(file).filename().string() + ": " + contents;
        EXPECT_EQ(written, row.written);
        EXPECT_EQ(Dialogs().said, *row.failure
                                      ? Strings{"Warn “e.svg” could not be saved in “" + folder_.string() +
                                                "”: Permission denied. Nothing was written there."}
                                      : Strings{});
    }
}

// A print is named as a PDF of it would be; a printer that fails is told, a cancelled print is not,
// and a picture that cannot be made is told rather than thrown at the event loop.
TEST_F(Exports, PrintsAndTellsWhatFailed) {
    Output().printResult = tk::PrintResult::Cancelled;
    Choose("FilePrint");
    Output().printResult = tk::PrintResult::Failed;
    Choose("FilePrint");
    Graph unopened;
    exporting::PictureParts parts = window.Picture();
    parts.plots.push_back(&unopened);
    exporting::CopyPicture(parts, 0);
    EXPECT_THAT(Output().uses,
                ElementsAre("Print 683x656 " + Titled("pdf"), "Print 683x656 " + Titled("pdf")));
    EXPECT_THAT(Dialogs().said,
                ElementsAre("Warn The picture could not be printed: the printer could not be started.",
                            "Warn The picture could not be made: Graph: no frame picture"));
}

Strings Split(const std::string& line) {
    Strings fields;
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

// Every number in the file reads back as the very double the window holds; typed texts with commas
// and quotes are quoted.
TEST_F(Exports, TheDataReadsBackBitForBit) {
    RunFrames(7);
    Magnitude(2).NotifyTextEdited("2,5");
    Angle(2).NotifyTextEdited("say \"hi\"");
    window.RBNth_Action(1);
    Dialogs().saveAnswers = {tk::SaveAnswer{(folder_ / "data").string(), 0}};
    Choose("FileExportData");
    std::stringstream csv(Output().files[(folder_ / "data.csv").string()]);
    Strings header;
    std::vector<Strings> samples;
    for (std::string line; std::getline(csv, line);)
        (line.starts_with("# ") ? header.push_back(line) : samples.push_back(Split(line)));
    ASSERT_EQ(header.size(), 13U);
    EXPECT_EQ(Bits(Split(header[1]).at(1)), Bits(window.Model().ElapsedPeriods()));
    EXPECT_THAT(Strings(header.begin() + 2, header.begin() + 4), ElementsAre("# speed,10", "# shown,n=2"));
    EXPECT_EQ(header[7], R"(# 3,"2,5","say ""hi""",0,)" + tk::Str(window.Model().Phases()[2]));
    for (int k : {0, 1, 3, 4, 5}) {
        EXPECT_EQ(Bits(Split(header[5 + k]).at(3)), Bits(window.Model().Magnitudes()[k])) << k;
        EXPECT_EQ(Bits(Split(header[5 + k]).at(4)), Bits(window.Model().Phases()[k])) << k;
    }
    ASSERT_EQ(samples.size(), 1U + MainWndo::kSamples);
    const run::Wave& physical = window.Model().Physical();
    for (int j = 0; j < MainWndo::kSamples; ++j) {
        std::vector<std::uint64_t> read;
        for (const std::string& field : samples[1 + j])
            read.push_back(Bits(field));
        EXPECT_THAT(read, ElementsAre(Bits(0.01 * j), Bits(physical.real[j]), Bits(physical.imaginary[j]),
                                      Bits(physical.density[j]), Bits(window.PsiReal[j]),
                                      Bits(window.PsiIm[j]), Bits(window.PsiSqrd[j])))
            << j;
    }
}

} // namespace
