// The window's picture and data written through Qt, offscreen, and opened as a user would: the PNG
// as pixels, the SVG as XML, the PDF with pdfinfo; printing on a PDF printer; and files written
// whole or not at all.

#include "app/menu_bar1.h"
#include "mainwindow/main_wndo.h"
#include "mainwindow/main_wndo_export.h"
#include "toolkit/platform.h"
#include "toolkit/qt/qt_output.h"

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPrinter>
#include <QScreen>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <set>
#include <sys/resource.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

std::string OutputOf(const std::string& command) {
    std::string output;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[256];
        while (fgets(buffer, sizeof buffer, pipe))
            output += buffer;
        pclose(pipe);
    }
    return output;
}

// A line of what pdfinfo says of the file, such as "Pages", without the spaces that line it up.
std::string PdfInfo(const fs::path& pdf, const std::string& key) {
    const std::string info = OutputOf("pdfinfo '" + pdf.string() + "'");
    const auto at = info.find("\n" + key + ":");
    if (at == std::string::npos)
        return "none in: " + info;
    const auto value = info.find_first_not_of(' ', at + key.size() + 2);
    return info.substr(value, info.find('\n', value) - value);
}

std::string Read(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), {}};
}

// The main window through Qt with two states a quarter turn apart, a few frames on, and the
// picture of it.
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
        picture.emplace(PictureOf(window, true));
        drawing = picture->Drawing("Parvok test", "parvok-test.pdf");
        fs::create_directories(folder);
    }
    ~QtExports() override {
        fs::remove_all(folder);
        MenuBar1::Release();
    }

protected:
    fs::path Write(tk::PictureFormat format, const std::string& name) {
        const std::string bytes = tk::ThePlatform().Output().Encode(drawing, format);
        EXPECT_FALSE(bytes.empty()) << name;
        EXPECT_EQ(tk::ThePlatform().Output().WriteFile((folder / name).string(), bytes), "");
        return folder / name;
    }
    // The plot's pixels of this colour inside its frame lines, each as found or missed in the image,
    // where the plot's logical pixel (x, y) lies at `origin` + `scale` (x, y), within a device pixel.
    std::pair<int, int> FoundAndMissed(const char* plot, tk::Color colour, const QImage& image,
                                       double scale) {
        const Graph& graph = *window.Find<Graph>(plot);
        const tk::Point origin{graph.Left() - 10, graph.Top() + 4};
        int found = 0;
        int missed = 0;
        for (int x = graph.GLeft + 1; x < graph.GLeft + graph.GWidth; x += 3)
            for (int y = graph.GTop + 1; y < graph.GTop + graph.GHeight; ++y) {
                if (graph.GXP->Pixel(x, y) != colour)
                    continue;
                bool seen = false;
                for (int dx = -1; dx <= 1; ++dx)
                    for (int dy = -1; dy <= 1; ++dy)
                        seen = seen || image.pixelColor(int((origin.x + x) * scale) + dx,
                                                        int((origin.y + y) * scale) + dy) ==
                                           QColor(tk::Red(colour), tk::Green(colour), tk::Blue(colour));
                (seen ? found : missed)++;
            }
        return {found, missed};
    }

    MainWndo window;
    std::optional<exporting::WindowPicture> picture;
    tk::Drawing drawing;
    const fs::path folder = fs::temp_directory_path() / "parvok qt export ψ";
};

TEST_F(QtExports, ThePngHasTwiceTheScreensDensityAndTheCurvesWhereTheScreenHasThem) {
    const QImage png(QString::fromStdString(Write(tk::PictureFormat::Png, "picture.png").string()));
    const double scale = 2 * QGuiApplication::primaryScreen()->devicePixelRatio();
    EXPECT_EQ(png.size(), QSize(int(683 * scale), int(656 * scale)));
    const std::pair<const char*, tk::Color> curves[] = {
        {"GFWFunc", tk::RGB(255, 0, 0)}, {"GFWFunc", tk::RGB(0, 0, 0)}, {"GFProb", tk::RGB(0, 0, 0)}};
    for (const auto& [plot, colour] : curves) {
        const auto [found, missed] = FoundAndMissed(plot, colour, png, scale);
        EXPECT_GT(found, 100) << plot;
        EXPECT_EQ(missed, 0) << plot;
    }
}

// Each curve is one polyline through the 101 samples, in its colour; lines run through the middle
// of the pixels they cover, half a pixel off their coordinates, and fills cover theirs; texts are
// text.
TEST_F(QtExports, TheSvgIsXmlWithAPolylinePerCurveAndTheTexts) {
    QFile file(QString::fromStdString(Write(tk::PictureFormat::Svg, "picture.svg").string()));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    struct Group {
        std::string stroke, fill, transform;
    };
    std::vector<Group> groups{{"none", "none", ""}};
    std::map<std::string, int> curves; // by stroke colour
    std::set<std::string> shifts;      // the transforms of lines and of fills
    QStringList texts;
    while (!xml.atEnd()) {
        xml.readNext();
        const auto attribute = [&](const char* name, const std::string& otherwise) {
            return xml.attributes().hasAttribute(name) ? xml.attributes().value(name).toString().toStdString()
                                                       : otherwise;
        };
        if (xml.isStartElement() && xml.name() == u"g")
            groups.push_back({attribute("stroke", groups.back().stroke),
                              attribute("fill", groups.back().fill), attribute("transform", "")});
        else if (xml.isEndElement() && xml.name() == u"g")
            groups.pop_back();
        else if (xml.isStartElement() && xml.name() == u"polyline") {
            if (xml.attributes().value("points").split(u' ', Qt::SkipEmptyParts).size() == 101)
                ++curves[groups.back().stroke];
            shifts.insert("line " + groups.back().transform);
        } else if (xml.isStartElement() && xml.name() == u"rect") {
            // An outline, or a line's dot, which Qt writes as a filled square a pixel wide.
            const bool dot =
                xml.attributes().value("width") == u"1" && xml.attributes().value("height") == u"1";
            shifts.insert((groups.back().fill == "none" || dot ? "line " : "fill ") +
                          groups.back().transform);
        } else if (xml.isStartElement() && xml.name() == u"text")
            texts << xml.readElementText();
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_EQ(curves, (std::map<std::string, int>{{"#000000", 2}, {"#ff0000", 1}}));
    EXPECT_EQ(shifts, (std::set<std::string>{"line matrix(1,0,0,1,0.5,0.5)", "fill matrix(1,0,0,1,0,0)"}));
    for (const char* text : {"Wavefunction", "Probability", "Phasor", "n=1", "n=6", "x/L", "0.5", "-1.0"})
        EXPECT_TRUE(texts.contains(text)) << text << " in " << texts.join(", ").toStdString();
}

TEST_F(QtExports, ThePdfIsOnePageOfThePicturesSizeWithItsText) {
    const fs::path pdf = Write(tk::PictureFormat::Pdf, "picture.pdf");
    EXPECT_EQ(PdfInfo(pdf, "Pages"), "1");
    EXPECT_EQ(PdfInfo(pdf, "Page size"), "683 x 656 pts");
    EXPECT_NE(OutputOf("pdftotext '" + pdf.string() + "' -").find("Wavefunction"), std::string::npos);
}

TEST_F(QtExports, PrintsOnOnePageOfAPdfPrinter) {
    const fs::path pdf = folder / "printed.pdf";
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(pdf.string()));
    ASSERT_TRUE(tk::qt::PrintOn(printer, drawing));
    EXPECT_EQ(PdfInfo(pdf, "Pages"), "1");
    const std::string text = OutputOf("pdftotext '" + pdf.string() + "' -");
    EXPECT_NE(text.find("Probability"), std::string::npos) << text;
}

// A file is written whole or not at all, and a temporary file never stays behind.
TEST(QtWriteFile, WritesTheWholeFileOrLeavesWhatWasThere) {
    const fs::path folder = fs::temp_directory_path() / "parvok write ψ";
    const fs::path locked = folder / "locked";
    const bool root = geteuid() == 0; // writes to any folder but the system's own
    const struct {
        const char* name;
        fs::path path;
        std::string before; // the file's contents before, if any
        rlim_t limit;       // the largest file the process may write, 0 for no limit
        bool written;
    } rows[] = {
        {"a new file named with spaces and other scripts", folder / "Kurve für Ψ 1.svg", "", 0, true},
        {"over a file", folder / "b.svg", "old", 0, true},
        {"in a folder that cannot be written", root ? fs::path("/sys/parvok.svg") : locked / "c.svg", "", 0,
         false},
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
        if (row.limit) {
            const rlimit limited{row.limit, unlimited.rlim_max};
            setrlimit(RLIMIT_FSIZE, &limited);
        }
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
