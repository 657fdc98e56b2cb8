// The window's picture and data written through Qt, offscreen, and opened as a user would: the PNG
// as pixels, the PDFs with poppler's tools; and files written whole or not at all. (The SVG is read
// by the end-to-end run.)

#include "app/menu_bar1.h"
#include "mainwindow/main_wndo.h"
#include "toolkit/platform.h"
#include "toolkit/qt/qt_output.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QPrinter>
#include <QScreen>

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sys/resource.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

// A title with characters that PDF files escape.
constexpr const char* kTitle = "Parvok <test> & (1) \\";

std::string Shell(const std::string& command) {
    std::string output;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[256];
        while (fgets(buffer, sizeof buffer, pipe))
            output += buffer;
        pclose(pipe);
    }
    return output;
}

std::string Read(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), {}};
}

// The main window through Qt with two states a quarter turn apart, a few frames on, and its picture.
class QtExports : public testing::Test {
public:
    QtExports() {
        window.Open();
        for (int k = 0; k < 2; ++k)
            window.Find<tk::EditField>("EFMagn", k)->NotifyTextEdited("1");
        window.Find<tk::EditField>("EFAngle", 1)->NotifyTextEdited("90");
        window.PBNorm_Action();
        for (int frame = 0; frame < 7; ++frame)
            window.TMFrame_Action();
        picture.emplace(window.Picture());
        drawing = picture->Drawing(kTitle, "parvok-test.pdf");
        fs::create_directories(folder);
    }
    ~QtExports() override {
        fs::remove_all(folder);
        MenuBar1::Release();
    }

protected:
    fs::path Write(tk::PictureFormat format, const std::string& name) {
        EXPECT_EQ(tk::ThePlatform().Output().WriteFile((folder / name).string(),
                                                       tk::ThePlatform().Output().Encode(drawing, format)),
                  "");
        return folder / name;
    }

    MainWndo window;
    std::optional<exporting::WindowPicture> picture;
    tk::Drawing drawing;
    // A folder of this process's own: CTest runs the tests of this fixture side by side.
    const fs::path folder = fs::temp_directory_path() /
                            ("parvok qt export ψ " + std::to_string(QCoreApplication::applicationPid()));
};

// The PNG has twice the screen's density; where the curves land is the fake platform's picture test.
TEST_F(QtExports, ThePngHasTwiceTheScreensDensity) {
    const QImage png(QString::fromStdString(Write(tk::PictureFormat::Png, "picture.png").string()));
    const double scale = 2 * QGuiApplication::primaryScreen()->devicePixelRatio();
    EXPECT_EQ(png.size(), QSize(int(683 * scale), int(656 * scale)));
}

// The exported PDF is one page of the picture's size; a PDF printer prints it on one page of its
// own. Both hold the texts as text; the exported one has the title as given.
TEST_F(QtExports, ThePdfAndAPrintAreOnePageEach) {
    const fs::path printed = folder / "printed.pdf";
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(printed.string()));
    ASSERT_TRUE(tk::qt::PrintOn(printer, drawing));
    for (const fs::path& pdf : {Write(tk::PictureFormat::Pdf, "picture.pdf"), printed}) {
        const std::string info = Shell("pdfinfo '" + pdf.string() + "'");
        EXPECT_NE(info.find("\nPages:           1\n"), std::string::npos) << info;
        EXPECT_EQ(info.find("683 x 656 pts") != std::string::npos, pdf != printed) << info;
        EXPECT_EQ(info.starts_with(std::string("Title:           ") + kTitle + "\n"), pdf != printed);
        EXPECT_NE(Shell("pdftotext '" + pdf.string() + "' -").find("Probability"), std::string::npos) << pdf;
    }
}

// A file is written whole or not at all, and no temporary file stays behind.
TEST(QtWriteFile, WritesTheWholeFileOrLeavesWhatWasThere) {
    const fs::path folder = fs::temp_directory_path() / "parvok write ψ";
    const fs::path locked = folder / "locked";
    const bool root = geteuid() == 0; // writes in any folder but the system's own
    const struct {
        const char* name;
        fs::path path;
        std::string before; // the file's contents before, if any
        rlim_t limit;       // the largest file the process may write, 0 for no limit
        bool written;
    } rows[] = {
        {"a new file named with spaces and other scripts", folder / "Kurve für Ψ 1.svg", "", 0, true},
        {"over a file", folder / "b.svg", "old", 0, true},
        {"in a folder that cannot be written", root ? "/sys/parvok.svg" : locked / "c.svg", "", 0, false},
        {"a disk that fills up, over a file", folder / "d.csv", "old", 4096, false},
    };
    const std::string contents(20000, 'x');
    std::signal(SIGXFSZ, SIG_IGN); // a write past the limit fails rather than ending the process
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        fs::remove_all(folder);
        fs::create_directories(locked);
        fs::permissions(locked, fs::perms::owner_read | fs::perms::owner_exec);
        if (!row.before.empty())
            std::ofstream(row.path) << row.before;
        rlimit unlimited{};
        getrlimit(RLIMIT_FSIZE, &unlimited);
        const rlimit limited{row.limit ? row.limit : unlimited.rlim_cur, unlimited.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limited);
        const std::string failure = tk::ThePlatform().Output().WriteFile(row.path.string(), contents);
        setrlimit(RLIMIT_FSIZE, &unlimited);
        EXPECT_EQ(failure.empty(), row.written) << failure;
        EXPECT_EQ(Read(row.path), row.written ? contents : row.before);
        int files = 0;
        for (const auto& entry : fs::recursive_directory_iterator(folder))
            files += entry.is_regular_file();
        EXPECT_EQ(files, row.before.empty() && !row.written ? 0 : 1) << "a temporary file stayed behind";
    }
    fs::permissions(locked, fs::perms::owner_all);
    fs::remove_all(folder);
}

} // namespace
