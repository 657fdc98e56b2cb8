// The platform's services through Qt: the printer and the remembered settings. (The texts compiled
// into the program are read by the translations' test and the end-to-end run.)

#include "toolkit/picture.h"
#include "toolkit/platform.h"
#include "toolkit/qt/qt_settings.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <tuple>

namespace {

// The printer measures text as the screen does, so a printed layout matches the shown one, and
// writes the PDF when its context goes.
TEST(Printer, MeasuresTextAsTheScreenDoesAndWritesThePdfAtTheEnd) {
    const auto path = std::filesystem::temp_directory_path() / "parvok-printer-test.pdf";
    auto printer = tk::ThePlatform().OpenPrinter(path.string());
    ASSERT_NE(printer, nullptr);
    auto picture = tk::NewPicture(10, 10, 32);
    for (int size : {9, 20}) {
        for (tk::Graphics* g : {printer.get(), picture->Graphics()}) {
            g->SetTextFont("Helvetica");
            g->SetTextSize(size);
        }
        EXPECT_DOUBLE_EQ(printer->StringWidth("-0.25 x/L"), picture->Graphics()->StringWidth("-0.25 x/L"));
        EXPECT_EQ(printer->TextHeight(), picture->Graphics()->TextHeight());
    }
    printer->DrawRect(10, 10, 100, 50);
    printer->DrawString("Parvok", 20, 40);
    printer.reset();
    std::string head(5, '\0');
    std::ifstream(path, std::ios::binary).read(head.data(), 5);
    EXPECT_EQ(head, "%PDF-");
    std::filesystem::remove(path);
    EXPECT_EQ(tk::ThePlatform().OpenPrinter("/nonexistent-folder/plot.pdf"), nullptr) << "an unwritable file";
}

// What is remembered lasts beyond the object that wrote it, as it does beyond the session; what was
// never written, or is no yes or no, reads as the default.
TEST(Settings, LastBeyondTheirWriterAndReadDefaultsForWhatIsNoFlag) {
    tk::ThePlatform().Settings().SetFlag("test/on", true);
    tk::ThePlatform().Settings().SetValue("test/word", "maybe");
    tk::qt::QtSettings later;
    EXPECT_EQ(std::tuple(later.Flag("test/on", false), later.Flag("test/word", true),
                         later.Flag("test/none", true)),
              std::tuple(true, true, true));
}

} // namespace
