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
#include <fstream>
#include <limits>
#include <sstream>

#include <sys/stat.h>
#include <unistd.h>

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

    // A folder of this process's own: CTest runs the tests of this fixture side by side.
    const std::filesystem::path folder_ =
        std::filesystem::temp_directory_path() / ("parvok export tests ψ " + std::to_string(getpid()));
};

// The picture is the window's area from the captions to the phasors within a margin of 10: the
// window's (10, -4) is its (0, 0). Captions are centred in their 20-pixel boxes (the fake's lines
// are 12 high), "n=1" ends 8 pixels before its phasor, and each curve is one polyline, as the plots
// draw it, from the launch on. Frames go on while the save dialog is open; the file
// holds the instant the command was chosen, and is named after it.
TEST_F(Exports, ThePictureHoldsWhatTheWindowShowsAtTheInstantOfTheCommand) {
    Choose("EditCopyPicture");
    for (const std::string& curve : Curves())
        EXPECT_THAT(Drawn(), testing::Contains(curve)) << "the state the fields held at launch";
    RunFrames(7);
    Output().drawn.Clear();
    Choose("EditCopyPicture");
    EXPECT_EQ(Output().uses.back(), "Copy 683x656 " + Titled("svg"));
    EXPECT_EQ(Drawn().front(), "FillRect 0 0 683 656");
    EXPECT_EQ(Output().drawn.Calls().front().color, tk::RGB(255, 255, 255));
    EXPECT_THAT(Drawn(), testing::IsSupersetOf(Strings{
                             "DrawString 'Wavefunction' 10 24", "DrawString 'Probability' 10 389",
                             "DrawString 'Phasor' 603 50", "DrawString 'n=1' 574 100",
                             "DrawString 'n=6' 574 510", "DrawOval 603 61 70 70", "DrawOval 603 471 70 70"}));
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

// The file type follows a known extension, otherwise the type chosen, whose extension is added. A
// file that is there is replaced only when the user says so, and the dialog comes back when not; a
// failure is told and writes nothing; a file written is told in the status line.
TEST_F(Exports, TheDialogsAnswerBecomesAFileOrAMessage) {
    const struct {
        const char* name;
        const char* typed; // none: Cancel
        std::size_t chosen;
        int replace; // -1: no file there; 0 or 1: one is there, and the user keeps or replaces it
        const char* failure;
        const char* written; // the file's name and contents, or none
    } rows[] = {
        {"cancelled", nullptr, 0, -1, "", ""},
        {"extension of a type", "a.pdf", 0, -1, "", "a.pdf: pdf picture"},
        {"extension in capitals", "B.PNG", 0, -1, "", "B.PNG: png picture"},
        {"no extension", "c", 2, -1, "", "c.png: png picture"},
        {"another extension", "parvok-t0.250", 0, -1, "", "parvok-t0.250.svg: svg picture"},
        {"there, kept: asked again", "d.svg", 0, 0, "", ""},
        {"there, replaced", "d.svg", 0, 1, "", "d.svg: svg picture"},
        {"not written", "e.svg", 0, -1, "Permission denied", ""},
    };
    const std::string in = "“" + folder_.string() + "”";
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        std::filesystem::remove_all(folder_);
        std::filesystem::create_directories(folder_);
        Dialogs().said.clear();
        Dialogs().saveQuestions.clear();
        Output().files.clear();
        Output().writeFailure = row.failure;
        const int notices = window.StatusBar()->Notices();
        Strings said;
        if (row.replace >= 0) {
            std::ofstream(folder_ / row.typed) << "old";
            Dialogs().confirmations = {row.replace == 1};
            said.push_back("Confirm A file named “d.svg” already exists in " + in +
                           ". Do you want to replace it? [&Replace]");
        }
        if (*row.failure)
            said.push_back("Warn “e.svg” could not be saved in " + in +
                           ": Permission denied. Nothing was written there.");
        if (row.typed)
            Dialogs().saveAnswers = {tk::SaveAnswer{(folder_ / row.typed).string(), row.chosen}};
        Choose("FileExportPicture");
        std::string written;
        for (const auto& [file, contents] : Output().files)
            written = std::filesystem::path(file).filename().string() + ": " + contents;
        EXPECT_EQ(written, row.written);
        EXPECT_EQ(Dialogs().said, said);
        const bool kept = row.replace == 0;
        EXPECT_EQ(Dialogs().saveQuestions.size(), kept ? 2U : 1U);
        if (kept) {
            EXPECT_EQ(Dialogs().saveQuestions[1].name, (folder_ / row.typed).string());
        }
        const std::string told = written.substr(0, written.find(':'));
        EXPECT_EQ(window.StatusBar()->Notices() == notices ? "" : window.StatusBar()->Notice(),
                  told.empty() ? "" : "Saved “" + told + "”");
    }
    std::filesystem::remove_all(folder_);
}

// A name that is no regular file, or lies among the system's devices and kernel files, is refused
// before anything opens it, and the dialog asked again with the name as typed; nothing is written.
TEST_F(Exports, ANameThatIsNoRegularFileIsRefusedAndAskedAgain) {
    std::filesystem::remove_all(folder_);
    std::filesystem::create_directories(folder_ / "folder.csv");
    ASSERT_EQ(mkfifo((folder_ / "pipe").c_str(), 0600), 0);
    std::filesystem::create_symlink("/dev/null", folder_ / "link.csv");
    const std::string system =
        ": it holds the system's devices and settings, not files. Choose another folder.";
    const std::string special = "” is not an ordinary file but a device, a pipe or a folder, and cannot be "
                                "saved over. Choose another name.";
    const struct {
        const char* name;
        std::string typed;
        std::string said;
    } rows[] = {
        {"a kernel file", "/proc/kmsg", "“kmsg.csv” cannot be saved in /proc" + system},
        {"a device", "/dev/zero", "“zero.csv” cannot be saved in /dev" + system},
        {"under /sys", "/sys/kernel/x.csv", "“x.csv” cannot be saved in /sys" + system},
        {"a link to a device", (folder_ / "link.csv").string(),
         "“link.csv” cannot be saved in /dev" + system},
        {"a FIFO, the extension added", (folder_ / "pipe").string(), "“pipe" + special},
        {"a folder", (folder_ / "folder.csv").string(), "“folder.csv" + special},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        Dialogs().said.clear();
        Dialogs().saveQuestions.clear();
        Dialogs().saveAnswers = {tk::SaveAnswer{row.typed, 0}};
        Choose("FileExportData");
        EXPECT_THAT(Dialogs().said, ElementsAre("Warn " + row.said));
        ASSERT_EQ(Dialogs().saveQuestions.size(), 2U);
        EXPECT_EQ(Dialogs().saveQuestions[1].name, row.typed);
        EXPECT_EQ(Dialogs().saveQuestions[0].refusal(tk::SaveAnswer{row.typed, 0}), row.said);
    }
    EXPECT_TRUE(Output().files.empty());
    std::filesystem::remove_all(folder_);
}

// The dialog opens in the folder of the last file saved; a name refused or a file not written
// leaves it where it was.
TEST_F(Exports, TheDialogOpensWhereAFileWasSavedLast) {
    std::filesystem::create_directories(folder_);
    const std::string elsewhere = (std::filesystem::temp_directory_path() / "parvok elsewhere").string();
    const struct {
        const char* name;
        std::string typed;
        const char* failure;
    } rows[] = {
        {"saved", (folder_ / "a.csv").string(), ""},
        {"refused", "/proc/a.csv", ""},
        {"not written", elsewhere + "/b.csv", "Permission denied"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        Output().writeFailure = row.failure;
        Dialogs().saveAnswers = {tk::SaveAnswer{row.typed, 0}};
        Choose("FileExportData");
        Dialogs().saveQuestions.clear();
        Choose("FileExportData");
        EXPECT_EQ(Dialogs().saveQuestions.at(0).folder, folder_.string());
    }
    std::filesystem::remove_all(folder_);
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
    EXPECT_EQ(header[11], "# plotted,scaled");
    EXPECT_THAT(samples[0], ElementsAre("x/L", "√L·Re ψ", "√L·Im ψ", "L·|ψ|²", "Re ψ scaled", "Im ψ scaled",
                                        "|ψ|² scaled"));
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
